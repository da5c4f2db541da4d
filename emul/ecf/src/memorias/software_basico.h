// The printer's basic software as the memory window shows it below address 0x10000000: an image of
// fixed size whose 64-byte header names it, its version and size and carries the CRC-32 of the rest;
// the rest comes from a fixed-seed generator, so every emulated printer holds the same bytes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace ecf::memorias {

class SoftwareBasico {
 public:
  static constexpr std::uint32_t kTamanho = 256 * 1024;
  static constexpr std::size_t kTamanhoCabecalho = 64;

  explicit SoftwareBasico(std::string_view versao);
  // The image of a version, the same object for the whole process: made on the first call (from any
  // thread) and kept, so that opening a printer costs nothing until its memory window is read.
  static const SoftwareBasico& DaVersao(std::string_view versao);

  const std::string& Imagem() const { return imagem_; }
  std::uint32_t Tamanho() const { return static_cast<std::uint32_t>(imagem_.size()); }

 private:
  std::string imagem_;
};

}  // namespace ecf::memorias
