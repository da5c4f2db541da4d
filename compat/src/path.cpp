#include "compat/path.h"

namespace compat {
namespace {

bool is_separator(char c) {
#ifdef _WIN32
  // A drive prefix ("C:name") ends the folder part as well.
  return c == '\\' || c == '/' || c == ':';
#else
  return c == '/';
#endif
}

// Position just after the folder part.
std::size_t name_start(const std::string& path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (is_separator(path[i - 1])) return i;
  }
  return 0;
}

// Position of the extension's dot within path, or npos.
std::size_t extension_start(const std::string& path) {
  const std::size_t start = name_start(path);
  const std::size_t dot = path.rfind('.');
  return dot != std::string::npos && dot >= start ? dot : std::string::npos;
}

}  // namespace

char path_separator() {
#ifdef _WIN32
  return '\\';
#else
  return '/';
#endif
}

std::string folder_of(const std::string& path) { return path.substr(0, name_start(path)); }

std::string base_name(const std::string& path) { return path.substr(name_start(path)); }

std::string base_name_without_extension(const std::string& path) {
  const std::size_t start = name_start(path);
  const std::size_t dot = extension_start(path);
  return path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
}

std::string extension_of(const std::string& path) {
  const std::size_t dot = extension_start(path);
  return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string change_extension(const std::string& path, const std::string& new_extension) {
  const std::size_t dot = extension_start(path);
  return (dot == std::string::npos ? path : path.substr(0, dot)) + new_extension;
}

std::string join_path(const std::string& a, const std::string& b) {
  if (a.empty()) return b;
  if (is_separator(a.back())) return a + b;
  return a + path_separator() + b;
}

}  // namespace compat
