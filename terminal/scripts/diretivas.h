// Directive lines ("$" + keyword + argument) of a script, interpreted where they stand.
#pragma once
#include <string>

#include "scripts/script.h"
#include "window/mainfrm.h"

namespace tarnel {

// Interprets one directive line (with its "$"). Only "$Parar" stops the file; a number that cannot
// be converted ends the run.
Seguimento ProcessaDiretiva(TfrmMain& frm, EstadoScript& estado, const std::string& linha);

}  // namespace tarnel
