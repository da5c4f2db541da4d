// Mirroring: after a successful command of the mirrored list, its effect on the coupon's items,
// adjustments and payments and on the document counters is written into the workbook's names.
#pragma once
#include "window/mainfrm.h"

namespace tarnel {

// Mirrors catalogue entry comando, at position posicao of kComandosEspelhados, with the texts of its
// parameter fields. Nothing at all once more items were mirrored than the workbook holds.
void EspelhaComando(TfrmMain& frm, int comando, int posicao);

// The final step of a coupon's cancellation: the open or last coupon undone in the workbook.
void EspelhaCancelamentoCupom(TfrmMain& frm);

// Attaches the mirroring to the window's execute path.
void EspelhaComandosExecutados(TfrmMain& frm);

}  // namespace tarnel
