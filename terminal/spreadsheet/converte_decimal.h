// The decimal texts of the printer's fields and registers ("1.234,56") as numbers and back, as the
// workbook link compares and writes them.
#pragma once
#include <string>

#include "spreadsheet/valor_planilha.h"

namespace tarnel {

// The text with d decimals: the digits after the last "," padded with zeros or cut (not rounded) to
// d; without a "," the digits are an integer. "." separators are ignored, a leading "-" kept, an
// empty text gives 0. The result is exact to 4 decimal places.
double ConverteDecimal(const std::string& texto, int d);

// x in its shortest decimal form with the decimal comma ("12,5", "100000", "-0,01").
std::string TextoDecimal(double x);

// NumeroMostrado(x) (x as a spreadsheet shows it, without the binary noise of a computation:
// 10 - 9,9 is 0,0999999999999996, shown "0,1") in its shortest decimal form with the decimal comma.
std::string TextoDecimalMostrado(double x);

// A workbook value as a number (a text read as ConverteDecimal would with its own decimals; an empty
// cell is 0) and as a text (numbers in their shortest form with a decimal point, as the workbook's
// own texts are compared).
double NumeroPlanilha(const ValorPlanilha& valor);
std::string TextoPlanilha(const ValorPlanilha& valor);

// An indicator's text: its trimmed first character, upper-cased, is one of Y, S, T, V, 1.
bool IndicadorVerdadeiro(const std::string& texto);

}  // namespace tarnel
