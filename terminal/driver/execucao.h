// The execute path: the one way a command reaches the printer. It sends the command selected in
// lbComandos with its filled parameters, writes the command and reply to the transcript, fills the
// error and return fields, and runs the follow-up actions.
#pragma once

#include "window/mainfrm.h"

namespace tarnel {

// Runs the path for the selected command ("E&xecuta Comando"). False when nothing was done: no
// library loaded, or the library reported nothing to do; then no field or state changes.
bool ExecutaComandoSelecionado(TfrmMain& frm);

// "Último &Retorno": the path in last-reply mode, asking the library for its last reply again.
bool ExecutaUltimoRetorno(TfrmMain& frm);

// The message shown for a return the command does not declare.
std::string MensagemDadoDesconhecido(const std::string& nome);

}  // namespace tarnel
