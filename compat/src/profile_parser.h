// Reading of profile (INI) text by the rules of the Windows profile API. Pure functions over bytes;
// the platform files decide where the bytes come from.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace compat::detail {

enum class ProfileLineKind { Blank, Comment, Section, Entry, Other };

struct ProfileLine {
  ProfileLineKind kind = ProfileLineKind::Blank;
  std::string_view name;   // section name or key, blanks removed
  std::string_view value;  // entry value, blanks and one pair of enclosing quotes removed
};

ProfileLine classify_profile_line(std::string_view line);

// One line of a text: where it starts, where its content ends (before CR LF or LF) and where the
// next line starts.
struct LineSpan {
  std::size_t begin = 0;
  std::size_t content_end = 0;
  std::size_t next = 0;
};

std::vector<LineSpan> split_lines(std::string_view text);

// The value of key in the first section named section; false when absent.
bool find_profile_value(std::string_view text, std::string_view section, std::string_view key,
                        std::string& value);

// Keys of the first section named section, first occurrence of each.
std::vector<std::pair<std::string, std::string>> profile_section_entries(std::string_view text,
                                                                         std::string_view section);

// Section names in file order, first occurrence of each.
std::vector<std::string> profile_section_names(std::string_view text);

// The text with key set to value in the first section named section (created at the end when
// missing, the key added after the section's last entry when missing).
std::string profile_with_value(std::string_view text, std::string_view section, std::string_view key,
                               std::string_view value);

// Whether a section, key and value can be written without breaking the line structure: no line
// breaks, no "]" in the section, no "=" in the key, neither name empty, and both names read back as
// written (no blanks at their ends, a key that starts neither a comment nor a section header).
bool profile_write_allowed(std::string_view section, std::string_view key, std::string_view value);

// The leading decimal number of a profile value: optional blanks and sign, then digits; 0 when there
// are no digits. Wraps at 32 bits as the Windows reader does.
int profile_value_as_int(std::string_view value);

// Copies text into buffer cut to size-1 bytes and NUL-terminated; returns the bytes copied.
std::size_t copy_to_buffer(std::string_view text, char* buffer, std::size_t size);

}  // namespace compat::detail
