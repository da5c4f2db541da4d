// The X reading and the workbook: capture writes the printer's registers into the workbook as the
// start of a test; check compares them, after mirrored commands, with what the workbook computed.
#pragma once
#include <string>

#include "window/mainfrm.h"

namespace tarnel {

enum class ModoLeituraX { Captura, Conferencia };

// Walks the X-reading registers from primeiro (the start when empty) to ultimo (only with primeiro;
// the end otherwise), reading each through the register reader. Problems go to the link's error
// list, shown at the end; a clean capture clears the workbook's coupon area and restarts the items.
void LeituraXPlanilha(TfrmMain& frm, ModoLeituraX modo, const std::string& primeiro = "",
                      const std::string& ultimo = "");

// The actions ObtemLeituraX and ConfereLeituraX: the whole table.
void ObtemLeituraXExecute(TfrmMain& frm);
void ConfereLeituraXExecute(TfrmMain& frm);

}  // namespace tarnel
