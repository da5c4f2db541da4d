// The commands mirrored into the spreadsheet after success, in the order the workbook knows them.
#pragma once
#include <string_view>

namespace tarnel {

constexpr int kTotalComandosEspelhados = 21;
extern const char* const kComandosEspelhados[kTotalComandosEspelhados];

// Position of the command in the list (first match), -1 when it is not mirrored.
int PosicaoEspelhado(std::string_view comando);

}  // namespace tarnel
