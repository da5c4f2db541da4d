// Which workbook engine the link uses: the setting (LeMotorPlanilha, "embutido" by default) unless
// the environment variable TARNEL_PLANILHA names one, for tests and labs. Engines: "embutido" (the
// embedded engine: liborcus and libixion, or on Windows the engine of our own in proprio/) and
// "excel" (Excel through OLE Automation; Windows only).
#pragma once
#include <string>

#include "spreadsheet/planilha.h"

namespace tarnel {

extern const char kVariavelMotorPlanilha[];  // "TARNEL_PLANILHA"

struct EscolhaPlanilha {
  std::string motor;        // the engine asked for, as written
  FabricaPlanilha fabrica;  // gives null when motivo is not empty
  std::string motivo;       // why that engine cannot be used here; empty when it can
};

// ajuste: the setting's value. Names compare ignoring letter case and surrounding blanks.
EscolhaPlanilha EscolheMotorPlanilha(const std::string& ajuste);

}  // namespace tarnel
