// "Leitura Binária da MFD": the printer's memory cartridges, read through the memory window, into
// LEITURA.MFD in the current folder.
#pragma once
#include <string>

#include "readings/arquivo_mfd.h"
#include "window/mainfrm.h"

namespace tarnel {

constexpr char kArquivoMFD[] = "LEITURA.MFD";

// Reads the cartridges into their images; false (the person told why) when a reading failed.
bool LeImagensMFD(TfrmMain& frm, ImagensMFD& imagens);

// The action: the driver's log is off while it runs and the transcript is cleared at the end.
bool LeituraMFDBinariaExecute(TfrmMain& frm);

}  // namespace tarnel
