// The command file's event lines the model's events call for, written while recording: each
// connection and each disconnection outside start-up with the channel it concerns, and automatic
// register reading switched on or off outside start-up.
#pragma once
#include "window/mainfrm.h"

namespace tarnel {

// Attaches the writers to frm's connection and automatic-reading events.
void GravaEventosConexao(TfrmMain& frm);
void GravaEventosLeituraAutomatica(TfrmMain& frm);

}  // namespace tarnel
