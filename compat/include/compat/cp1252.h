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

}  // namespace compat
