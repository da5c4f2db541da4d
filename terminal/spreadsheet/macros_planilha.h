// The workbook macros the link relies on (MaxItensCupom, DefineValor, ObtemValor, StatusLeitura,
// LimpaAreaDadosCupom, NBR5891, Trunca), written once in C++ over the workbook's defined names so
// that every backend gives them the same meaning and no macro code lives in the workbook file.
//
// Conventions of the workbook:
// - A value name "Base[i]" is cell i of the range named Base; a bare name is cell 0.
// - The name "MaxItensCupom" holds the number of items one coupon area holds.
// - The name "AreaDadosCupom" is a range of texts, each the name of a range that LimpaAreaDadosCupom
//   empties cell by cell (the coupon's data and the counters' increments).
// - The name "NomesCalculados", when defined, is a range of texts naming values the workbook computes
//   with formulas: DefineValor answers true for them without writing, so the formulas stay.
#pragma once
#include <string>
#include <vector>

#include "spreadsheet/pasta_nomes.h"
#include "spreadsheet/planilha.h"

namespace tarnel {

// The state the macros keep between calls: whether the last ObtemValor found its name.
struct EstadoMacros {
  bool ultima_leitura_encontrada = false;
};

// Runs the macro called nome (without the workbook part) on pasta. A name not in the list gives
// executada false.
ResultadoMacro ExecutaMacroPlanilha(PastaNomes& pasta, EstadoMacros& estado, const std::string& nome,
                                    const std::vector<ValorPlanilha>& argumentos);

// Splits "'Pasta'!Macro" into its parts; false when the text has another form.
bool SeparaReferenciaMacro(const std::string& referencia, std::string& pasta, std::string& macro);

// Splits a value name "Base[i]" (or a bare "Base", i = 0); false for a malformed index.
bool SeparaNomeValor(const std::string& nome, std::string& base, int& indice);

// x without the binary noise of a computation, as a spreadsheet shows it: to 15 significant digits,
// but always to at least 4 decimals (the places the figures carry) and at most 10 (0,0999999999999996
// is 0,1). 0.7 * 3 (2,0999999999999996) is 2,1; 1000,509 stays.
double NumeroMostrado(double x);

// An amount cut to two decimals by the printer's rules, working on the decimal form of
// NumeroMostrado(x) (so that 1.005 is the decimal 1,005 and not the binary number nearest to it,
// and 0.7 * 3 is 2,1 and not 2,0999999999999996).
double ArredondaNBR5891(double x);
double TruncaDuasCasas(double x);

}  // namespace tarnel
