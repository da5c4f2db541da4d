// The first copy (primeira via): after every successful command, what the printer printed is
// fetched with LeImpressao and appended to a text file on the PC, so the file accumulates a copy
// of everything printed. The settings are TfrmPrimeiraVia's (readings/primeiravia.h).
#pragma once
#include <string>

#include "window/mainfrm.h"

namespace tarnel {

struct ConfiguracaoPrimeiraVia {
  bool gravar = false;             // "Gravar Primeira Via"
  std::string arquivo = "Via1.TXT";  // "Arquivo Primeira Via": the file the pieces are appended to
};

// LeImpressaoExecute: with storage on, fetches every pending piece into the file (which must exist:
// the dialog creates it) and puts back the user's selection, error code, error texts and last reply.
// Three failed attempts end it with the printer's error; a file that cannot be written ends it with
// its name, leaving what was not fetched in the printer rather than draining it into nowhere.
void LeImpressaoExecute(TfrmMain& frm, const ConfiguracaoPrimeiraVia& configuracao);

}  // namespace tarnel
