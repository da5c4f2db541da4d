// What the window would show, printed on the console: the transcript lines, the error fields, the
// return fields, the register value. One home for exec, registrador and the shell.
#pragma once
#include <ostream>

#include "registers/leitura_registrador.h"
#include "window/mainfrm.h"

namespace tarnel::cli {

// The transcript's lines.
void MostraTerminal(const TfrmMain& frm, std::ostream& saida);

// The transcript's lines, "Erro: " + ebNomeErro, "Circunstância: " + ebCircunstancia, then each
// return of catalogue entry comando as NAME=VALUE (none for -1, a command outside the catalogue).
void MostraExecucao(const TfrmMain& frm, int comando, std::ostream& saida);

// After an operation that failed: the printer's refusal of its last command, "Erro: " + ebNomeErro
// and "Circunstância: " + ebCircunstancia, when the error fields hold one; nothing otherwise (a file
// that could not be written has said so itself).
void MostraRecusa(const TfrmMain& frm, std::ostream& saida);

// The transcript's lines, then "Valor: " + value or "Erro: " + the refusal or printer error.
void MostraLeituraRegistrador(const TfrmMain& frm, const ValorRegistrador& valor, std::ostream& saida);

}  // namespace tarnel::cli
