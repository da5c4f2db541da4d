#include "contexto/crc32.h"

#include <zlib.h>

#include <algorithm>

namespace ecf {

std::uint32_t Crc32(const void* dados, std::size_t tamanho) {
  const auto* p = static_cast<const Bytef*>(dados);
  uLong crc = crc32(0L, Z_NULL, 0);
  // zlib takes lengths of type uInt: large buffers go in slices.
  while (tamanho > 0) {
    const auto parte = static_cast<uInt>(std::min<std::size_t>(tamanho, 1u << 30));
    crc = crc32(crc, p, parte);
    p += parte;
    tamanho -= parte;
  }
  return static_cast<std::uint32_t>(crc);
}

}  // namespace ecf
