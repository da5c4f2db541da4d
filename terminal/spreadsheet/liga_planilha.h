// The workbook feature on a window: the link made with the application factory, and the mirroring
// attached to the execute path. Called once per window, at start-up.
#pragma once
#include "spreadsheet/escolha_motor.h"
#include "spreadsheet/planilha.h"
#include "window/mainfrm.h"

namespace tarnel {

void LigaPlanilha(TfrmMain& frm, FabricaPlanilha fabrica);
// With the engine chosen by the settings (EscolheMotorPlanilha).
void LigaPlanilha(TfrmMain& frm, const EscolhaPlanilha& escolha);

}  // namespace tarnel
