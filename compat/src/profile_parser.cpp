#include "profile_parser.h"

#include <cstdint>

#include "compat/blanks.h"
#include "text_case.h"

namespace compat::detail {
namespace {

std::string_view without_enclosing_quotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

bool contains_name(const std::vector<std::string>& names, std::string_view name) {
  for (const auto& known : names) {
    if (equal_ignoring_case(known, name)) return true;
  }
  return false;
}

// Calls visit(span, line) for each line of the first section named section, stopping early when visit
// returns false. Returns false when the section is absent.
template <typename Visit>
bool for_each_line_of_section(std::string_view text, std::string_view section, Visit visit) {
  bool inside = false;
  for (const LineSpan& span : split_lines(text)) {
    const ProfileLine line = classify_profile_line(text.substr(span.begin, span.content_end - span.begin));
    if (line.kind == ProfileLineKind::Section) {
      if (inside) return true;  // later sections of the same name are not read
      inside = equal_ignoring_case(line.name, section);
      continue;
    }
    if (inside && !visit(span, line)) return true;
  }
  return inside;
}

}  // namespace

ProfileLine classify_profile_line(std::string_view raw) {
  ProfileLine line;
  const std::string_view text = trim_blanks(raw);
  if (text.empty()) return line;
  if (text.front() == ';') {
    line.kind = ProfileLineKind::Comment;
    return line;
  }
  if (text.front() == '[') {
    const std::size_t close = text.rfind(']');
    if (close != std::string_view::npos) {
      line.kind = ProfileLineKind::Section;
      line.name = trim_blanks(text.substr(1, close - 1));
      return line;
    }
  }
  const std::size_t equal = text.find('=');
  if (equal == std::string_view::npos) {
    line.kind = ProfileLineKind::Other;
    return line;
  }
  line.kind = ProfileLineKind::Entry;
  line.name = trim_blanks(text.substr(0, equal));
  line.value = without_enclosing_quotes(trim_blanks(text.substr(equal + 1)));
  return line;
}

std::vector<LineSpan> split_lines(std::string_view text) {
  std::vector<LineSpan> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    LineSpan span;
    span.begin = begin;
    const std::size_t feed = text.find('\n', begin);
    span.next = feed == std::string_view::npos ? text.size() : feed + 1;
    span.content_end = feed == std::string_view::npos ? text.size() : feed;
    if (span.content_end > begin && text[span.content_end - 1] == '\r') --span.content_end;
    lines.push_back(span);
    begin = span.next;
  }
  return lines;
}

bool find_profile_value(std::string_view text, std::string_view section, std::string_view key,
                        std::string& value) {
  bool found = false;
  for_each_line_of_section(text, section, [&](const LineSpan&, const ProfileLine& line) {
    if (line.kind == ProfileLineKind::Entry && equal_ignoring_case(line.name, key)) {
      value.assign(line.value);
      found = true;
      return false;
    }
    return true;
  });
  return found;
}

std::vector<std::pair<std::string, std::string>> profile_section_entries(std::string_view text,
                                                                         std::string_view section) {
  std::vector<std::pair<std::string, std::string>> entries;
  std::vector<std::string> seen;
  for_each_line_of_section(text, section, [&](const LineSpan&, const ProfileLine& line) {
    if (line.kind == ProfileLineKind::Entry && !contains_name(seen, line.name)) {
      seen.emplace_back(line.name);
      entries.emplace_back(std::string(line.name), std::string(line.value));
    }
    return true;
  });
  return entries;
}

std::vector<std::string> profile_section_names(std::string_view text) {
  std::vector<std::string> names;
  for (const LineSpan& span : split_lines(text)) {
    const ProfileLine line = classify_profile_line(text.substr(span.begin, span.content_end - span.begin));
    if (line.kind == ProfileLineKind::Section && !contains_name(names, line.name)) names.emplace_back(line.name);
  }
  return names;
}

namespace {

// What ends text's last line before more is added after it: nothing when it already ends, a lone
// LF when it ends in a bare CR (which reading takes as the start of a CR LF, so that CR stays where
// it is and the line keeps its bytes), eol otherwise.
std::string_view completing_line_end(std::string_view text, std::string_view eol) {
  if (text.empty() || text.back() == '\n') return {};
  return text.back() == '\r' ? "\n" : eol;
}

}  // namespace

std::string profile_with_value(std::string_view text, std::string_view section, std::string_view key,
                               std::string_view value) {
  // New lines follow the file's own line ends; a new file gets CR LF.
  const std::size_t first_feed = text.find('\n');
  const std::string eol =
      first_feed == std::string_view::npos || (first_feed > 0 && text[first_feed - 1] == '\r') ? "\r\n" : "\n";
  const std::string entry = std::string(key) + "=" + std::string(value);

  std::size_t replace_begin = 0, replace_end = 0, insert_at = std::string_view::npos;
  bool replace = false;
  const bool has_section = for_each_line_of_section(text, section, [&](const LineSpan& span, const ProfileLine& line) {
    if (line.kind == ProfileLineKind::Entry && equal_ignoring_case(line.name, key)) {
      replace = true;
      replace_begin = span.begin;
      replace_end = span.content_end;
      return false;
    }
    if (line.kind == ProfileLineKind::Entry) insert_at = span.next;
    return true;
  });

  std::string result(text);
  if (replace) return result.replace(replace_begin, replace_end - replace_begin, entry);
  if (has_section) {
    if (insert_at == std::string_view::npos) {
      // No entry yet: place it right after the section line.
      std::size_t section_next = 0;
      for (const LineSpan& span : split_lines(text)) {
        const ProfileLine line = classify_profile_line(text.substr(span.begin, span.content_end - span.begin));
        if (line.kind == ProfileLineKind::Section && equal_ignoring_case(line.name, section)) {
          section_next = span.next;
          break;
        }
      }
      insert_at = section_next;
    }
    // The line before may be the file's last line, without a complete line end.
    const std::string inserted =
        std::string(completing_line_end(std::string_view(result).substr(0, insert_at), eol)) + entry + eol;
    return result.insert(insert_at, inserted);
  }
  result += completing_line_end(result, eol);
  if (!result.empty()) result += eol;
  return result + "[" + std::string(section) + "]" + eol + entry + eol;
}

bool profile_write_allowed(std::string_view section, std::string_view key, std::string_view value) {
  auto has_line_break = [](std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; };
  if (section.empty() || key.empty() || has_line_break(section) || has_line_break(key) || has_line_break(value) ||
      section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos)
    return false;
  // The lines as written must read back as this section and this key: a key starting with ";" would
  // be a comment, "[K]" a section header, and blanks at a name's ends are dropped on reading.
  const std::string section_line = "[" + std::string(section) + "]";
  const std::string entry_line = std::string(key) + "=" + std::string(value);
  const ProfileLine header = classify_profile_line(section_line);
  const ProfileLine entry = classify_profile_line(entry_line);
  return header.kind == ProfileLineKind::Section && header.name == section && entry.kind == ProfileLineKind::Entry &&
         entry.name == key;
}

int profile_value_as_int(std::string_view value) {
  std::size_t pos = 0;
  while (pos < value.size() && static_cast<unsigned char>(value[pos]) <= ' ') ++pos;
  bool negative = false;
  if (pos < value.size() && (value[pos] == '+' || value[pos] == '-')) negative = value[pos++] == '-';
  std::uint32_t number = 0;
  while (pos < value.size() && value[pos] >= '0' && value[pos] <= '9')
    number = number * 10u + static_cast<std::uint32_t>(value[pos++] - '0');
  if (negative) number = 0u - number;
  return static_cast<int>(number);
}

std::size_t copy_to_buffer(std::string_view text, char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return 0;
  const std::size_t length = text.size() < size - 1 ? text.size() : size - 1;
  text.copy(buffer, length);
  buffer[length] = '\0';
  return length;
}

}  // namespace compat::detail
