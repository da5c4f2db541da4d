// Windows-1252 <-> UTF-8. Core texts are Windows-1252 bytes; the console and the GUI convert at
// their edges with these.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace compat {

std::string cp1252_to_utf8(std::string_view text);
// The same into a caller's buffer, for code that must not allocate: false (and out unusable) when
// the text and its terminating zero do not fit in size bytes.
bool cp1252_to_utf8(const char* text, char* out, std::size_t size);

// Characters without a Windows-1252 form become replacement, and so does each malformed stretch of
// UTF-8 (a cut or overlong sequence, a surrogate, a stray byte), one replacement per stretch.
std::string utf8_to_cp1252(std::string_view text, char replacement = '?');
// The same over a zero-terminated text in place, for code that must not allocate.
void utf8_to_cp1252_in_place(char* text, char replacement = '?');
// True when the bytes are well-formed UTF-8 (none of the malformed stretches above).
bool is_utf8(std::string_view text);

// Windows-1252 <-> UTF-16, for texts that cross as BSTR or wide strings. Every byte has a UTF-16
// form; a surrogate pair (a character beyond U+FFFF) or a lone surrogate becomes one replacement, and
// so does each character without a Windows-1252 form.
std::u16string cp1252_to_utf16(std::string_view text);
std::string utf16_to_cp1252(std::u16string_view text, char replacement = '?');

}  // namespace compat
