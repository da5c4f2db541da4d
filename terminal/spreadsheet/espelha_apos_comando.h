// Workbook mirroring as a follow-up of the execute path: after a successful command of the mirrored
// list, while the workbook is linked (PlanilhaConectada).
#pragma once
#include <functional>

#include "window/mainfrm.h"

namespace tarnel {

// Attaches the mirroring to frm's executed commands; EspelhaComando gets the catalogue index and the
// command's position in kComandosEspelhados.
void EspelhaAposComando(TfrmMain& frm, std::function<void(int comando, int posicao)> EspelhaComando);

}  // namespace tarnel
