// The execute path: the one way a command reaches the printer. It sends the command selected in
// lbComandos with its filled parameters, writes the command and reply to the transcript, fills the
// error and return fields, and tells the model's AposComando observers what was done.
#pragma once
#include <string>
#include <vector>

#include "quorbal/registro.h"
#include "window/mainfrm.h"

namespace tarnel {

// Runs the path for the selected command ("E&xecuta Comando"). False when nothing was done: no
// library loaded (then nothing changes), or the library reported nothing to do (then only the error
// name and circumstance fields, emptied before the command went out, are left empty; the transcript,
// the error code, the returns and the observers are untouched).
bool ExecutaComandoSelecionado(TfrmMain& frm);

// The same path for a command a feature sends on its own behalf (a register reading, the memory
// reader's commands, a reading to a file): no register reading or first-copy capture follows it,
// since either would send commands of its own and replace the reply fields or the print data the
// feature is about to read. Mirroring still follows, as after any command.
bool ExecutaSemSeguimento(TfrmMain& frm);

// Parameter names, texts and type codes, in the order given.
using ParametrosAvulsos = std::vector<quorbal::Item>;

// The same path for a command name the catalogue does not hold (tarnel-cli's shell sends what the
// technician typed, and the printer answers with its own refusal). Non-empty texts are sent as typed
// with their type codes; there are no return fields to fill.
bool ExecutaComandoAvulso(TfrmMain& frm, const std::string& nome, const ParametrosAvulsos& parametros);

// "Último &Retorno": the path in last-reply mode, asking the library for its last reply again.
bool ExecutaUltimoRetorno(TfrmMain& frm);

// The message shown for a return the command does not declare.
std::string MensagemDadoDesconhecido(const std::string& nome);

}  // namespace tarnel
