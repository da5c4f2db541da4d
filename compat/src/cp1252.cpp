#include "compat/cp1252.h"

#include <cstdint>

namespace compat {
namespace {

// Code points of bytes 0x80..0x9F. The five bytes Windows leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 control with the same number, as Windows' own conversion does.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char32_t code_point_of(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

// The UTF-8 form of a Windows-1252 byte (1 to 3 bytes); returns its length.
std::size_t utf8_of(unsigned char byte, char (&out)[3]) {
  const char32_t cp = code_point_of(byte);
  if (cp < 0x80) {
    out[0] = static_cast<char>(cp);
    return 1;
  }
  if (cp < 0x800) {
    out[0] = static_cast<char>(0xC0 | (cp >> 6));
    out[1] = static_cast<char>(0x80 | (cp & 0x3F));
    return 2;
  }
  out[0] = static_cast<char>(0xE0 | (cp >> 12));
  out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  out[2] = static_cast<char>(0x80 | (cp & 0x3F));
  return 3;
}

// Windows-1252 byte for a code point; -1 when there is none.
int byte_of(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == cp) return 0x80 + i;
  }
  return -1;
}

bool is_continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes one UTF-8 sequence at text[pos]. On success returns true with the code point and its
// length. On failure returns false with the length of the longest malformed prefix (at least 1),
// so that one replacement stands for one broken sequence.
bool decode_utf8(std::string_view text, std::size_t pos, char32_t& cp, std::size_t& length) {
  const unsigned char lead = static_cast<unsigned char>(text[pos]);
  std::size_t needed;
  char32_t min_second = 0x80, max_second = 0xBF;
  if (lead < 0x80) {
    cp = lead;
    length = 1;
    return true;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    needed = 1;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    needed = 2;
    cp = lead & 0x0F;
    if (lead == 0xE0) min_second = 0xA0;  // overlong
    if (lead == 0xED) max_second = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    needed = 3;
    cp = lead & 0x07;
    if (lead == 0xF0) min_second = 0x90;  // overlong
    if (lead == 0xF4) max_second = 0x8F;  // beyond U+10FFFF
  } else {
    length = 1;
    return false;
  }
  length = 1;
  for (std::size_t i = 1; i <= needed; ++i) {
    if (pos + i >= text.size()) return false;
    const unsigned char c = static_cast<unsigned char>(text[pos + i]);
    const bool in_range = i == 1 ? (c >= min_second && c <= max_second) : is_continuation(c);
    if (!in_range) return false;
    cp = (cp << 6) | (c & 0x3F);
    length = i + 1;
  }
  return true;
}

}  // namespace

std::string cp1252_to_utf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  char utf8[3];
  for (char c : text) out.append(utf8, utf8_of(static_cast<unsigned char>(c), utf8));
  return out;
}

bool cp1252_to_utf8(const char* text, char* out, std::size_t size) {
  std::size_t used = 0;
  char utf8[3];
  for (; *text != '\0'; ++text) {
    const std::size_t n = utf8_of(static_cast<unsigned char>(*text), utf8);
    if (size - used <= n) return false;
    for (std::size_t i = 0; i < n; ++i) out[used++] = utf8[i];
  }
  if (size == used) return false;
  out[used] = '\0';
  return true;
}

namespace {

// Each stretch of text as its Windows-1252 byte, given to put in order.
template <typename Put>
void each_cp1252_byte(std::string_view text, char replacement, Put put) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp = 0;
    std::size_t length = 1;
    if (decode_utf8(text, pos, cp, length)) {
      const int byte = byte_of(cp);
      put(byte < 0 ? replacement : static_cast<char>(byte));
    } else {
      put(replacement);
    }
    pos += length;
  }
}

}  // namespace

bool is_utf8(std::string_view text) {
  char32_t cp = 0;
  std::size_t length = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += length)
    if (!decode_utf8(text, pos, cp, length)) return false;
  return true;
}

std::string utf8_to_cp1252(std::string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  each_cp1252_byte(text, replacement, [&out](char c) { out += c; });
  return out;
}

void utf8_to_cp1252_in_place(char* text, char replacement) {
  // A stretch never gives more than one byte, so the writing never overtakes the reading.
  char* out = text;
  each_cp1252_byte(std::string_view(text), replacement, [&out](char c) { *out++ = c; });
  *out = '\0';
}

std::u16string cp1252_to_utf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) out += static_cast<char16_t>(code_point_of(static_cast<unsigned char>(c)));
  return out;
}

std::string utf16_to_cp1252(std::u16string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    // A well-formed pair is one character (none has a Windows-1252 form): one replacement.
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
    const int byte = (unit >= 0xD800 && unit <= 0xDFFF) ? -1 : byte_of(unit);
    out += byte < 0 ? replacement : static_cast<char>(byte);
  }
  return out;
}

}  // namespace compat
