// The registers of the X reading the workbook keeps, in the order they are captured and checked.
#pragma once
#include <string>

namespace tarnel {

constexpr int kTotalRegistrosLX = 219;
// Entries up to this one are checked against the workbook's "Pos" + name (the value after the
// mirrored commands); the later ones, the open document's, against the name itself.
constexpr int kUltimoRegistroPos = 150;

// Name of entry k ("GT", "TotalDiaValorAliquota[3]", ...).
const std::string& RegistroLX(int k);

}  // namespace tarnel
