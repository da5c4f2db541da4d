// An open workbook seen through its defined names: the only view the workbook macros need. A name
// refers to a range; its cells are numbered from 0 in reading order (row by row).
#pragma once
#include <string>

#include "spreadsheet/valor_planilha.h"

namespace tarnel {

class PastaNomes {
 public:
  virtual ~PastaNomes() = default;

  // Number of cells of the range the name refers to; -1 when the workbook defines no such name.
  // Names are compared ignoring letter case, as spreadsheet applications do.
  virtual int TamanhoNome(const std::string& nome) const = 0;
  // Current value of cell i of the name, computed. False when the name or the cell does not exist, or
  // when the cell's formula cannot be computed: then erro names the sheet and cell and says why
  // (for example "Totais!C7: a função ROUND não é calculada pelo motor embutido").
  virtual bool LeCelula(const std::string& nome, int i, ValorPlanilha& valor, std::string& erro) = 0;
  // Writes a value into cell i (an empty text empties it); what depends on it is computed again
  // before the next read. False when the name or the cell does not exist.
  virtual bool EscreveCelula(const std::string& nome, int i, const ValorPlanilha& valor) = 0;
};

}  // namespace tarnel
