#include "readings/gost.h"

namespace tarnel {

namespace {

// Row 0 of DES S1 .. S8: the boxes for the 4-bit groups, most significant first.
constexpr unsigned char kCaixas[8][16] = {
    {14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7},
    {15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
    {10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8},
    {7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
    {2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9},
    {12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
    {4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1},
    {13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7},
};

constexpr std::uint32_t RodaEsquerda(std::uint32_t v, int n) { return v << n | v >> (32 - n); }

// For speed, substitution and rotation of each byte at once: table k maps byte k of the sum (k = 0
// least significant) through its two boxes, placed and rotated left by 11.
struct Tabelas {
  std::uint32_t t[4][256];
  constexpr Tabelas() : t{} {
    for (int k = 0; k < 4; ++k)
      for (int b = 0; b < 256; ++b) {
        const std::uint32_t baixo = kCaixas[7 - 2 * k][b & 0xF];
        const std::uint32_t alto = kCaixas[6 - 2 * k][b >> 4];
        t[k][b] = RodaEsquerda((alto << 4 | baixo) << (8 * k), 11);
      }
  }
};
constexpr Tabelas kTabelas;

std::uint32_t Le(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
void Escreve(unsigned char* p, std::uint32_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
  p[2] = static_cast<unsigned char>(v >> 16);
  p[3] = static_cast<unsigned char>(v >> 24);
}

}  // namespace

void ApagaChave(Gost28147::Chave& chave) {
  volatile std::uint32_t* p = chave.data();
  for (std::size_t i = 0; i < chave.size(); ++i) p[i] = 0;
}

Gost28147::Gost28147(const Chave& chave) : chave_(chave) {}

Gost28147::~Gost28147() { ApagaChave(chave_); }

std::uint32_t Gost28147::Passo(std::uint32_t s) const {
  return kTabelas.t[0][s & 0xFF] ^ kTabelas.t[1][s >> 8 & 0xFF] ^ kTabelas.t[2][s >> 16 & 0xFF] ^
         kTabelas.t[3][s >> 24];
}

void Gost28147::Cifra(unsigned char* bloco) const {
  std::uint32_t n1 = Le(bloco), n2 = Le(bloco + 4);
  // K0..K7 three times, then K7..K0; the halves swap names instead of places.
  for (int volta = 0; volta < 3; ++volta)
    for (int i = 0; i < 8; i += 2) {
      n2 ^= Passo(n1 + chave_[i]);
      n1 ^= Passo(n2 + chave_[i + 1]);
    }
  for (int i = 7; i > 0; i -= 2) {
    n2 ^= Passo(n1 + chave_[i]);
    n1 ^= Passo(n2 + chave_[i - 1]);
  }
  Escreve(bloco, n2);
  Escreve(bloco + 4, n1);
}

void Gost28147::Decifra(unsigned char* bloco) const {
  std::uint32_t n1 = Le(bloco), n2 = Le(bloco + 4);
  // The same steps with the key words in reverse order: K0..K7 once, then K7..K0 three times.
  for (int i = 0; i < 8; i += 2) {
    n2 ^= Passo(n1 + chave_[i]);
    n1 ^= Passo(n2 + chave_[i + 1]);
  }
  for (int volta = 0; volta < 3; ++volta)
    for (int i = 7; i > 0; i -= 2) {
      n2 ^= Passo(n1 + chave_[i]);
      n1 ^= Passo(n2 + chave_[i - 1]);
    }
  Escreve(bloco, n2);
  Escreve(bloco + 4, n1);
}

}  // namespace tarnel
