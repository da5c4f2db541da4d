#include "compat/file_part.h"

#include <filesystem>
#include <fstream>

#include "compat/native_path.h"

namespace compat {

bool read_file_part(const std::string& path, std::uint64_t start, std::size_t size, std::string& bytes) {
  std::ifstream f(fs_path(path), std::ios::binary);
  if (!f || !f.seekg(static_cast<std::streamoff>(start))) return false;
  bytes.resize(size);
  f.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(f.gcount()));
  return true;
}

}  // namespace compat
