// Paths are Windows-1252 text like every other text of the programs (typed, shown, stored in
// settings, passed across the libraries' interfaces), and the file functions of this layer take them
// so. Windows' own calls read such bytes as they are; elsewhere file names are UTF-8, so a path goes
// to the system through native_path and comes back from it (the working folder, a folder listing, an
// environment variable) through text_path. Code that calls the system or the standard library's files
// itself uses these too.
#pragma once
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

namespace compat {

std::string native_path(const std::string& path);
// The same into a caller's buffer, for code that must not allocate: false when it does not fit.
bool native_path(const char* path, char* buffer, std::size_t size);
// A character Windows-1252 lacks becomes "?": such a name cannot be reached, as on Windows.
std::string text_path(const std::string& native);
// The same, false when something was lost that way: the text would then name another file. Where a
// path is taken from outside (an environment variable), that is a path not to use.
bool text_path_exact(const std::string& native, std::string& text);
// The same into a caller's buffer, for code that must not allocate: false also when it does not fit.
bool text_path_exact(const char* native, char* buffer, std::size_t size);
// The same over a zero-terminated path in place, for code that must not allocate.
void text_path_in_place(char* native);

std::FILE* open_file(const std::string& path, const char* mode);
// std::remove and std::rename for paths as above: true on success.
bool remove_file(const std::string& path);
bool rename_file(const std::string& from, const std::string& to);
std::filesystem::path fs_path(const std::string& path);
// A path the standard library gives back (a folder listing), as text.
std::string text_path(const std::filesystem::path& native);

}  // namespace compat
