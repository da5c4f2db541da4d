// Profile files read and written directly, with the Windows profile API's rules.
#include "compat/profile.h"

#include "posix/file_io.h"
#include "profile_parser.h"

namespace compat {
namespace {

std::string file_text(const std::string& file) {
  std::string bytes;
  detail::read_whole_file(file, bytes);  // an unreadable file reads as an empty one
  return bytes;
}

// The profile API drops trailing blanks from the default it returns.
std::string default_without_trailing_blanks(const std::string& value) {
  const std::size_t end = value.find_last_not_of(" \t");
  return end == std::string::npos ? std::string() : value.substr(0, end + 1);
}

}  // namespace

std::string profile_string(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& default_value) {
  std::string value;
  if (detail::find_profile_value(file_text(file), section, key, value)) return value;
  return default_without_trailing_blanks(default_value);
}

std::size_t profile_read_string(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& default_value, char* buffer, std::size_t size) {
  return detail::copy_to_buffer(profile_string(file, section, key, default_value), buffer, size);
}

int profile_int(const std::string& file, const std::string& section, const std::string& key, int default_value) {
  std::string value;
  if (!detail::find_profile_value(file_text(file), section, key, value)) return default_value;
  return detail::profile_value_as_int(value);
}

std::vector<std::pair<std::string, std::string>> profile_section(const std::string& file,
                                                                 const std::string& section) {
  return detail::profile_section_entries(file_text(file), section);
}

std::vector<std::string> profile_sections(const std::string& file) {
  return detail::profile_section_names(file_text(file));
}

bool profile_write_string(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& value) {
  if (!detail::profile_write_allowed(section, key, value)) return false;
  std::string bytes;
  // A file that exists but cannot be read is never replaced.
  if (detail::read_whole_file(file, bytes) == detail::ReadResult::Failed) return false;
  return detail::replace_file_atomically(file, detail::profile_with_value(bytes, section, key, value));
}

}  // namespace compat
