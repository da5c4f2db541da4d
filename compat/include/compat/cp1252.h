// Windows-1252 <-> UTF-8. Core texts are Windows-1252 bytes; the console and the GUI convert at
// their edges with these.
#pragma once
#include <string>
#include <string_view>

namespace compat {

std::string cp1252_to_utf8(std::string_view text);

// Characters without a Windows-1252 form become replacement, and so does each malformed stretch of
// UTF-8 (a cut or overlong sequence, a surrogate, a stray byte), one replacement per stretch.
std::string utf8_to_cp1252(std::string_view text, char replacement = '?');

// Windows-1252 <-> UTF-16, for texts that cross as BSTR or wide strings. Every byte has a UTF-16
// form; a surrogate pair (a character beyond U+FFFF) or a lone surrogate becomes one replacement, and
// so does each character without a Windows-1252 form.
std::u16string cp1252_to_utf16(std::string_view text);
std::string utf16_to_cp1252(std::u16string_view text, char replacement = '?');

}  // namespace compat
