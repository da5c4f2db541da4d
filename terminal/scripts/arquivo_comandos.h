// The command file as the terminal writes it: one line at a time, appended, ending in CR LF; a file
// that does not exist yet starts with the header line.
#pragma once
#include <string>

#include "window/mainfrm.h"

namespace tarnel {

extern const char kMensagemArquivoComandosNaoGravado[];  // "Arquivo de Registro de Comandos não pode ser gravado."

// "; Arquivo de Registro de Comandos do " + the program's description.
std::string LinhaCabecalhoArquivoComandos();

// Appends linha to frm.ArquivoComandos. A line that cannot be written is lost, after the message
// above, and false is returned; the program goes on. Callers decide whether recording calls for the line.
bool AcrescentaLinhaArquivoComandos(TfrmMain& frm, const std::string& linha);

}  // namespace tarnel
