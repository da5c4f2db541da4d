// Recording of the command file: choosing and naming the file, starting and stopping the recording,
// the window caption that tells it.
#pragma once
#include <string>

#include "window/interacao.h"
#include "window/mainfrm.h"

namespace tarnel {

extern const char kMensagemNomeArquivoVazio[];  // "Nome de arquivo deve ser informado!"

// The program's description, followed by " (Gravando)" while recording.
void AtualizaCaption(TfrmMain& frm);

// "&Grava Arquivo de Comandos": starts recording into the file named in cbNomeArquivo (a new file
// gets its header, then the "Reiniciadas" line; the library logs into it from then on), or stops it
// through ParaGravacaoExecute when it is on. A blank name shows the message above and records nothing.
// True when recording started and its line reached the file; after the message, recording stays on
// either way, as the window has it.
bool GravaComandosExecute(TfrmMain& frm);

// "&Pára Gravação de Comandos" (always enabled; runs whether or not recording is on): the library's
// log is switched off, the actions and the file box return to their not-recording state, and outside
// start-up the suspension is written into the command file.
void ParaGravacaoExecute(TfrmMain& frm);

// cbNomeArquivo losing the focus: a typed name becomes a new entry and, as any name other than the
// current file's, names the command file, in the current file's folder with the extension "RMT".
// A blank name changes nothing. The run of command files calls it before each file.
void cbNomeArquivoExit(TfrmMain& frm);

// True when cbNomeArquivo holds nothing once blanks (and control characters) at its ends are trimmed.
bool cbNomeArquivoVazio(const TfrmMain& frm);

// A name typed into cbNomeArquivo (no entry selected any more), and an entry picked from its list.
void cbNomeArquivoDigitado(TfrmMain& frm, const std::string& texto);
void cbNomeArquivoEscolhido(TfrmMain& frm, int indice);

// What dlgAbreLog asks for: command files, several at once, starting from the current one.
PedidoArquivo PedidoAbreLog(const TfrmMain& frm);

// "Seleciona Arquivo de &Comandos": the chosen files' base names fill cbNomeArquivo (the last file
// reported first) and the first entry's file becomes the command file. Cancelling changes nothing.
void SelecionaArquivoComandosExecute(TfrmMain& frm);

}  // namespace tarnel
