#include "texto_c.h"

#include <cstring>

namespace drovik {

std::int32_t CopiaParaBuffer(const std::string& texto, char* buffer, std::int32_t tamanho) {
  if (!buffer || tamanho < 1) return -1;
  std::size_t copiar = texto.size();
  if (copiar > static_cast<std::size_t>(tamanho) - 1) copiar = static_cast<std::size_t>(tamanho) - 1;
  std::memcpy(buffer, texto.data(), copiar);
  buffer[copiar] = '\0';
  return static_cast<std::int32_t>(copiar);
}

}  // namespace drovik
