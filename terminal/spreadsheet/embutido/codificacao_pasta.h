// The workbook text as UTF-8, the encoding both engines read and the save writes. A file edited by
// hand may come in another one: Windows-1252 or ISO-8859-1 named in its XML declaration is
// converted; anything else is refused with the reason, rather than read into garbled values and
// written back as a file no spreadsheet program opens.
#pragma once
#include <string>
#include <string_view>

namespace tarnel {

// utf8 is xml itself, or convertido holding its conversion; false with erro (Windows-1252) when the
// text is in an encoding not read.
bool TextoUtf8(std::string_view xml, std::string& convertido, std::string_view& utf8, std::string& erro);

}  // namespace tarnel
