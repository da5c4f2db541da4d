// The fields of a replayed command or reply record, read as the player reads them: the first field
// is skipped, the second (command name or error code) ends at a ";" or a blank, and the items run to
// the first ";" or "}" outside double-quoted text.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tarnel {

// The second field of a record ("{0;name;..."): the first character is skipped, the first field ends
// at the first ";", blank or end, the second runs from there to the next ";", blank or end. False when
// the second field reaches the end of the text; otherwise depois is the index after its separator.
bool LeCampoRegistro(std::string_view registro, std::string& campo, std::size_t& depois);

// Index of the ";" or "}" that ends the items starting at inicio, outside double-quoted text (where a
// backslash takes the next character along); npos when the text ends first.
std::size_t FimItensRegistro(std::string_view registro, std::size_t inicio);

}  // namespace tarnel
