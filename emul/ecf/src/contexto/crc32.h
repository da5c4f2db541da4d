// CRC-32 (IEEE 802.3 polynomial, reflected), as zip and PNG compute it: zlib's.
#pragma once
#include <cstddef>
#include <cstdint>

namespace ecf {

std::uint32_t Crc32(const void* dados, std::size_t tamanho);

}  // namespace ecf
