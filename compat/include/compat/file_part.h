// Reading part of a file that may be growing while it is read.
#pragma once
#include <cstdint>
#include <string>

namespace compat {

// At most `size` bytes from `start` on (fewer where the file ends); false when the file cannot be
// opened or read there.
bool read_file_part(const std::string& path, std::uint64_t start, std::size_t size, std::string& bytes);

}  // namespace compat
