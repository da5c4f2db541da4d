// Totalizer configuration: the printer's programmed aliquots, means of payment, departments,
// non-fiscal totalizers and managerial reports copied into the workbook, so that the mirroring can
// resolve names and aliquot labels.
#pragma once
#include "window/mainfrm.h"

namespace tarnel {

// The action ConfiguraTotalizadores: reads every code of every totalizer through the execute path and
// writes the returns into the workbook; problems go to the link's error list, shown at the end.
void ConfiguraTotalizadores(TfrmMain& frm);

}  // namespace tarnel
