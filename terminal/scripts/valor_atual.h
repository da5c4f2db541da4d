// "$AdicionarValorArmazenado": the script's current value moved by a number, by its type: days on a
// date, seconds on a time, a sum on integers and on money written without separators.
#pragma once
#include <string>

namespace tarnel {

// Changes valor (of parameter type code tipo) by argumento. False, valor untouched, when valor
// cannot be read as the date, time or 64-bit integer its type asks for (or the money's number is
// none), and when a date would leave the years 1 to 9999. Types without arithmetic keep their value.
bool AdicionaValorAtual(std::string& valor, int tipo, const std::string& argumento);

}  // namespace tarnel
