// GOST 28147-89 block cipher in electronic-codebook use: 64-bit blocks, a 256-bit key of eight
// 32-bit words, 32 steps. The S-boxes are fixed here: the box of the most significant 4-bit group
// is row 0 of DES S1, the next row 0 of S2, down to row 0 of S8 for the least significant group.
#pragma once
#include <array>
#include <cstdint>

namespace tarnel {

class Gost28147 {
 public:
  static constexpr std::size_t kBloco = 8;
  using Chave = std::array<std::uint32_t, 8>;

  explicit Gost28147(const Chave& chave);
  ~Gost28147();  // the key is wiped
  Gost28147(const Gost28147&) = delete;
  Gost28147& operator=(const Gost28147&) = delete;

  // One 8-byte block in place: read as two little-endian words N1, N2, written back as N2, N1.
  void Cifra(unsigned char* bloco) const;
  void Decifra(unsigned char* bloco) const;

 private:
  std::uint32_t Passo(std::uint32_t metade) const;
  Chave chave_;
};

// Sets every word of the key to zero in a way the compiler does not drop.
void ApagaChave(Gost28147::Chave& chave);

}  // namespace tarnel
