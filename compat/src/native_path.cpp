#include "compat/native_path.h"

#include <cstring>

#include "compat/cp1252.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include "posix/file_io.h"
#endif

namespace compat {

#ifdef _WIN32
std::string native_path(const std::string& path) { return path; }
std::string text_path(const std::string& native) { return native; }
void text_path_in_place(char*) {}
bool native_path(const char* path, char* buffer, std::size_t size) {
  const std::size_t length = std::strlen(path);
  if (length >= size) return false;
  std::memcpy(buffer, path, length + 1);
  return true;
}
#else
std::string native_path(const std::string& path) { return cp1252_to_utf8(path); }
std::string text_path(const std::string& native) { return utf8_to_cp1252(native); }
void text_path_in_place(char* native) { utf8_to_cp1252_in_place(native); }
bool native_path(const char* path, char* buffer, std::size_t size) { return cp1252_to_utf8(path, buffer, size); }
#endif

bool text_path_exact(const std::string& native, std::string& text) {
  text = text_path(native);
  return native_path(text) == native;
}

bool text_path_exact(const char* native, char* buffer, std::size_t size) {
  const std::size_t length = std::strlen(native);
  if (length >= size) return false;
  std::memcpy(buffer, native, length + 1);
  text_path_in_place(buffer);
  char back[4096];
  return native_path(buffer, back, sizeof back) && std::strcmp(back, native) == 0;
}

std::FILE* open_file(const std::string& path, const char* mode) {
#ifndef _WIN32
  // This process's own stream: written where it goes (a redirection to a file is neither truncated
  // nor written over), as the shell does.
  if (const int stream = detail::own_stream(path); stream >= 0) {
    const int copy = fcntl(stream, F_DUPFD_CLOEXEC, 3);
    if (copy < 0) return nullptr;
    std::FILE* file = fdopen(copy, mode);
    if (file == nullptr) close(copy);
    return file;
  }
#endif
  return std::fopen(native_path(path).c_str(), mode);
}

bool remove_file(const std::string& path) { return std::remove(native_path(path).c_str()) == 0; }

bool rename_file(const std::string& from, const std::string& to) {
  return std::rename(native_path(from).c_str(), native_path(to).c_str()) == 0;
}

#ifdef _WIN32
// The standard library's names are UTF-16 here, and its narrow conversions follow the C runtime's
// locale (or assume UTF-8), not Windows-1252: the conversion is made here, explicitly.
std::filesystem::path fs_path(const std::string& path) {
  const std::u16string wide = cp1252_to_utf16(path);
  return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
}

std::string text_path(const std::filesystem::path& native) {
  const std::wstring& wide = native.native();
  return utf16_to_cp1252(std::u16string(wide.begin(), wide.end()));
}
#else
std::filesystem::path fs_path(const std::string& path) { return std::filesystem::path(native_path(path)); }

std::string text_path(const std::filesystem::path& native) { return text_path(native.string()); }
#endif

}  // namespace compat
