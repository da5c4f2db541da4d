// A spreadsheet application whose macros are ours (macros_planilha.h), acting on the open workbook's
// defined names: both backends derive from it and add opening, saving and showing.
#pragma once
#include <string>
#include <vector>

#include "spreadsheet/macros_planilha.h"
#include "spreadsheet/planilha.h"

namespace tarnel {

class PlanilhaSobreNomes : public Planilha {
 public:
  // Runs the macro when the reference names the active workbook (ignoring letter case).
  ResultadoMacro ExecutaMacro(const std::string& referencia, const std::vector<ValorPlanilha>& argumentos) override;

 protected:
  // The active workbook's names; null while no workbook is open.
  virtual PastaNomes* PastaAtiva() = 0;

 private:
  EstadoMacros estado_;
};

}  // namespace tarnel
