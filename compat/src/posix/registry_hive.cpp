#include "posix/registry_hive.h"

#include <algorithm>
#include <cstddef>

#include "profile_parser.h"
#include "text_case.h"

namespace compat::detail {
namespace {

constexpr std::string_view kHeader = "KVT registry hive 1";
constexpr std::string_view kStringPrefix = "sz:";
constexpr std::string_view kDwordPrefix = "dword:";

std::string escape(std::string_view field, std::string_view also_escaped) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(field[i]);
    const bool trailing_blank = i + 1 == field.size() && (c == ' ' || c == '\t');
    if (c < 0x20 || c == 0x7F || c == '%' || trailing_blank || also_escaped.find(static_cast<char>(c)) != std::string_view::npos) {
      out += '%';
      out += digits[c >> 4];
      out += digits[c & 0x0F];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool unescape(std::string_view field, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '%') {
      out += field[i];
      continue;
    }
    if (i + 2 >= field.size()) return false;
    const int high = hex_value(field[i + 1]), low = hex_value(field[i + 2]);
    if (high < 0 || low < 0) return false;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return true;
}

bool parse_dword(std::string_view text, std::uint32_t& number) {
  if (text.empty() || text.size() > 10) return false;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value > 0xFFFFFFFFu) return false;
  number = static_cast<std::uint32_t>(value);
  return true;
}

bool parse_key_line(std::string_view line, std::vector<std::string>& levels) {
  if (line.size() < 2 || line.back() != ']') return false;
  std::vector<std::string> escaped;
  if (!HiveData::split_path(line.substr(1, line.size() - 2), escaped)) return false;
  levels.clear();
  for (const std::string& level : escaped) {
    std::string plain;
    if (!unescape(level, plain) || plain.empty()) return false;
    levels.push_back(plain);
  }
  return true;
}

bool parse_value_line(std::string_view line, HiveValue& value) {
  if (line.substr(0, kStringPrefix.size()) == kStringPrefix) {
    value.is_dword = false;
    line.remove_prefix(kStringPrefix.size());
  } else if (line.substr(0, kDwordPrefix.size()) == kDwordPrefix) {
    value.is_dword = true;
    line.remove_prefix(kDwordPrefix.size());
  } else {
    return false;
  }
  const std::size_t equal = line.find('=');
  if (equal == std::string_view::npos || !unescape(line.substr(0, equal), value.name)) return false;
  const std::string_view data = line.substr(equal + 1);
  return value.is_dword ? parse_dword(data, value.number) : unescape(data, value.text);
}

}  // namespace

HiveData::HiveData() {
  keys_.push_back(HiveKey{});
  keys_.push_back(HiveKey{{"Software"}, {}});
}

bool HiveData::split_path(std::string_view path, std::vector<std::string>& levels) {
  levels.clear();
  if (path.empty()) return true;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = path.find('\\', begin);
    const std::string_view level = path.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
    if (level.empty() || levels.size() == kMaxLevels) return false;
    levels.emplace_back(level);
    if (end == std::string_view::npos) return true;
    begin = end + 1;
  }
}

HiveKey* HiveData::find_first(const std::vector<std::string>& levels, std::size_t count) {
  for (HiveKey& key : keys_) {
    if (key.levels.size() == count &&
        std::equal(key.levels.begin(), key.levels.end(), levels.begin(),
                   [](const std::string& a, const std::string& b) { return equal_ignoring_case(a, b); }))
      return &key;
  }
  return nullptr;
}

HiveKey* HiveData::find(const std::vector<std::string>& levels) { return find_first(levels, levels.size()); }

HiveKey& HiveData::create(const std::vector<std::string>& levels, bool& created) {
  // The deepest level that is there already, looked for from the whole path up: a file lists a key's
  // parents before it, so reading one finds the parent at once instead of walking down from the root
  // (which made reading a deep key cost the cube of its depth).
  std::size_t known = levels.size();
  HiveKey* key = find_first(levels, known);
  while (key == nullptr && known > 0) key = find_first(levels, --known);
  if (key == nullptr) key = &keys_.emplace_back();  // the root
  created = known < levels.size();
  for (std::size_t count = known + 1; count <= levels.size(); ++count)
    key = &keys_.emplace_back(HiveKey{{levels.begin(), levels.begin() + static_cast<std::ptrdiff_t>(count)}, {}});
  return *key;
}

HiveValue* HiveData::find_value(HiveKey& key, std::string_view name) {
  for (HiveValue& value : key.values) {
    if (equal_ignoring_case(value.name, name)) return &value;
  }
  return nullptr;
}

bool HiveData::parse(std::string_view bytes) {
  HiveData parsed;
  HiveKey* current = nullptr;
  bool header_seen = false;
  for (const LineSpan& span : split_lines(bytes)) {
    const std::string_view line = bytes.substr(span.begin, span.content_end - span.begin);
    if (!header_seen) {
      if (line != kHeader) return false;
      header_seen = true;
      continue;
    }
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      std::vector<std::string> levels;
      if (!parse_key_line(line, levels)) return false;
      bool created = false;
      current = &parsed.create(levels, created);
      continue;
    }
    HiveValue value;
    if (current == nullptr || !parse_value_line(line, value)) return false;
    if (find_value(*current, value.name) == nullptr) current->values.push_back(std::move(value));
  }
  *this = std::move(parsed);
  return true;
}

std::string HiveData::format() const {
  std::string out(kHeader);
  out += '\n';
  for (const HiveKey& key : keys_) {
    if (key.levels.empty() && key.values.empty()) continue;  // the root is always there
    out += "\n[";
    for (std::size_t i = 0; i < key.levels.size(); ++i) {
      if (i > 0) out += '\\';
      out += escape(key.levels[i], "\\");  // a "\" inside a level is no separator
    }
    out += "]\n";
    for (const HiveValue& value : key.values) {
      out += value.is_dword ? kDwordPrefix : kStringPrefix;
      out += escape(value.name, "=");
      out += '=';
      out += value.is_dword ? std::to_string(value.number) : escape(value.text, "");
      out += '\n';
    }
  }
  return out;
}

}  // namespace compat::detail
