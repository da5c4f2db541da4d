#include "contexto/crc32.h"

#include <array>

namespace ecf {

namespace {

std::array<std::uint32_t, 256> MontaTabela() {
  std::array<std::uint32_t, 256> tabela{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    tabela[n] = c;
  }
  return tabela;
}

}  // namespace

std::uint32_t Crc32(const void* dados, std::size_t tamanho) {
  static const std::array<std::uint32_t, 256> kTabela = MontaTabela();
  const unsigned char* p = static_cast<const unsigned char*>(dados);
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < tamanho; ++i) c = kTabela[(c ^ p[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

}  // namespace ecf
