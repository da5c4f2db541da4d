// Profile (INI) files with the reading rules of the Windows profile API (the API itself on Windows):
// case-insensitive section and key names, only the first section of a name is read and the first
// match of a key wins, blanks around names and values and one pair of enclosing quotes (" or ')
// are removed, lines starting with ";" are comments, CR LF or LF line ends. A missing or unreadable
// file reads as empty; the default (less trailing blanks) is returned when the key is absent.
// Files are Windows-1252 bytes and are read as bytes.
#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace compat {

// Copies the value (or the default) into buffer, cut to size-1 bytes and NUL-terminated.
// Returns the number of bytes copied, without the NUL. size 0 copies nothing.
std::size_t profile_read_string(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& default_value, char* buffer, std::size_t size);

// Same rules, without a length limit.
std::string profile_string(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& default_value);

// The value read as a decimal integer (leading digits, optional sign; 0 when it has no digits);
// default when absent.
int profile_int(const std::string& file, const std::string& section, const std::string& key, int default_value);

// Every key of a section with its value, in file order (first occurrence of each key only).
std::vector<std::pair<std::string, std::string>> profile_section(const std::string& file,
                                                                 const std::string& section);

// Every section name of the file, in file order.
std::vector<std::string> profile_sections(const std::string& file);

// Writes (creating file and section when missing) one key; returns false when the file cannot be
// read or written, or when a name or the value would break the file's lines (line breaks, "]" in
// the section, "=" in the key, an empty name) or a name would not read back as written (blanks at
// its ends, a key starting with ";" or looking like a section header). Off Windows the file is
// replaced atomically.
bool profile_write_string(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& value);

}  // namespace compat
