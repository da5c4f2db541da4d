// Named arguments of a directive: name=value items found anywhere in its argument by a plain
// search, so that a text item whose value has no quotes takes the next quoted text of the line.
#pragma once
#include <cstdint>
#include <string>

namespace tarnel {

// The text between the first double quote after the first "=" after the first occurrence of nome
// and the next double quote; empty when the name, the "=" or a whole quoted text is missing.
std::string ItemTexto(const std::string& argumento, const std::string& nome);

// The text from the first non-blank after that "=" to the next blank or the end, as a decimal
// integer; -1 when the name or the "=" is missing or nothing follows. False (valor untouched) when
// the text is not a decimal integer of 32 bits.
bool ItemNumero(const std::string& argumento, const std::string& nome, std::int32_t& valor);

}  // namespace tarnel
