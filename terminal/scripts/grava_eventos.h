// The command file's connection event lines: while recording, each connection and each disconnection
// outside start-up is written with the channel it concerns.
#pragma once
#include <functional>
#include <string>

#include "window/mainfrm.h"

namespace tarnel {

// Attaches the recorder to frm's connection events; AcrescentaLinhaArquivoComandos gets each
// time-stamped line.
void GravaEventosConexao(TfrmMain& frm, std::function<void(const std::string& linha)> AcrescentaLinhaArquivoComandos);

}  // namespace tarnel
