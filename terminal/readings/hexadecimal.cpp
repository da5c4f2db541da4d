#include "readings/hexadecimal.h"

namespace tarnel {

namespace {

int ValorDigito(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<std::string> DecodificaHexadecimal(std::string_view texto, std::size_t pares) {
  if (texto.size() / 2 < pares) return std::nullopt;
  std::string bytes(pares, '\0');
  for (std::size_t i = 0; i < pares; ++i) {
    const int alto = ValorDigito(texto[2 * i]);
    const int baixo = ValorDigito(texto[2 * i + 1]);
    if (alto < 0 || baixo < 0) return std::nullopt;
    bytes[i] = static_cast<char>(alto << 4 | baixo);
  }
  return bytes;
}

}  // namespace tarnel
