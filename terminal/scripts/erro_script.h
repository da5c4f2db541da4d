// A fault of the script itself, told to the person in a box titled "Erro de Script" and to the
// replay's listener with the line it stands on.
#pragma once
#include <string>

#include "scripts/script.h"
#include "window/mainfrm.h"

namespace tarnel {

extern const char kTituloErroScript[];  // "Erro de Script"

void ReportaErroScript(TfrmMain& frm, const EstadoScript& estado, const std::string& texto, Icone icone);

}  // namespace tarnel
