// Value formats of the protocol as texts: money in Brazilian form, indicators, dates and times.
// All amounts are exact integers scaled by a power of ten; nothing here uses floating point.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "quorbal/arredondamento.h"

namespace ecf {

// 10^n for 0 <= n <= 18.
std::int64_t Potencia10(int n);

// A money text: optional "-", digits with "." thousands separators (ignored) and at most one ","
// before the decimals. Bare digits are whole units. The result is in units of 10^-decimais; false
// when the text is not a number, has more decimals than allowed, or does not fit.
bool LeMoeda(std::string_view texto, int decimais, std::int64_t& valor);

// Amount in units of 10^-decimais as "1234,56" (no thousands separators, "-" when negative).
std::string FormataMoeda(std::int64_t valor, int decimais);

// Plain decimal integer, optional sign, within [minimo, maximo].
bool LeInteiro(std::string_view texto, std::int64_t minimo, std::int64_t maximo, std::int64_t& valor);

// Indicator: Y/N, S/N, T/F, V/F, 1/0 in either case.
bool LeIndicador(std::string_view texto, bool& valor);
inline const char* FormataIndicador(bool valor) { return valor ? "Y" : "N"; }

// Dates are kept as yyyymmdd integers, times as seconds of the day.
bool DataValida(int ano, int mes, int dia);
bool LeData(std::string_view texto, std::int32_t& data);  // dd/mm/yyyy
bool LeHora(std::string_view texto, std::int32_t& hora);  // hh:mm:ss
std::string FormataData(std::int32_t data);                 // dd/mm/yyyy
std::string FormataHora(std::int32_t hora);                 // hh:mm:ss

// The rounding rules live with the protocol vocabulary, shared with the terminal.
using quorbal::MultiplicaDivideNBR5891;
using quorbal::MultiplicaDivideTrunca;

}  // namespace ecf
