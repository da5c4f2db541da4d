// The workbook feature on a window: the link made with the application factory, and the mirroring
// attached to the execute path. Called once per window, at start-up.
#pragma once
#include "spreadsheet/planilha.h"
#include "window/mainfrm.h"

namespace tarnel {

void LigaPlanilha(TfrmMain& frm, FabricaPlanilha fabrica);

}  // namespace tarnel
