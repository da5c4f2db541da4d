// Profile files through the Windows profile API itself.
#include <windows.h>

#include <vector>

#include "compat/profile.h"
#include "profile_parser.h"

namespace compat {
namespace {

// The profile API looks for a bare or relative name in the Windows folder; callers mean the file
// relative to the current folder, as every other file function reads it.
std::string full_path(const std::string& file) {
  const DWORD needed = GetFullPathNameA(file.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return file;
  std::string path(needed, '\0');
  const DWORD length = GetFullPathNameA(file.c_str(), needed, &path[0], nullptr);
  if (length == 0 || length >= needed) return file;
  path.resize(length);
  return path;
}

// Reads with a growing buffer until the answer fits. list_mode: the answer is a NUL-separated list,
// which the API cuts at size-2 instead of size-1.
std::string read_all(const char* section, const char* key, const char* default_value, const std::string& file,
                     bool list_mode) {
  std::vector<char> buffer(1024);
  for (;;) {
    const DWORD length = GetPrivateProfileStringA(section, key, default_value, buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), file.c_str());
    const DWORD full = static_cast<DWORD>(buffer.size()) - (list_mode ? 2 : 1);
    if (length < full || buffer.size() >= (1u << 24)) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 4);
  }
}

std::vector<std::string> split_list(const std::string& list) {
  std::vector<std::string> items;
  std::size_t begin = 0;
  while (begin < list.size()) {
    const std::size_t end = list.find('\0', begin);
    const std::size_t stop = end == std::string::npos ? list.size() : end;
    if (stop > begin) items.push_back(list.substr(begin, stop - begin));
    begin = stop + 1;
  }
  return items;
}

}  // namespace

std::string profile_string(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& default_value) {
  return read_all(section.c_str(), key.c_str(), default_value.c_str(), full_path(file), false);
}

std::size_t profile_read_string(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& default_value, char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return 0;
  const DWORD limited = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(size);
  return GetPrivateProfileStringA(section.c_str(), key.c_str(), default_value.c_str(), buffer, limited,
                                  full_path(file).c_str());
}

int profile_int(const std::string& file, const std::string& section, const std::string& key, int default_value) {
  return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), default_value, full_path(file).c_str()));
}

std::vector<std::pair<std::string, std::string>> profile_section(const std::string& file,
                                                                 const std::string& section) {
  const std::string path = full_path(file);
  std::vector<std::pair<std::string, std::string>> entries;
  // Each key is read back through the API so that values follow the same rules as single reads.
  for (const std::string& key : split_list(read_all(section.c_str(), nullptr, "", path, true))) {
    bool seen = false;
    for (const auto& entry : entries) seen = seen || lstrcmpiA(entry.first.c_str(), key.c_str()) == 0;
    if (!seen) entries.emplace_back(key, read_all(section.c_str(), key.c_str(), "", path, false));
  }
  return entries;
}

std::vector<std::string> profile_sections(const std::string& file) {
  return split_list(read_all(nullptr, nullptr, "", full_path(file), true));
}

bool profile_write_string(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& value) {
  if (!detail::profile_write_allowed(section, key, value)) return false;
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), full_path(file).c_str()) != 0;
}

}  // namespace compat
