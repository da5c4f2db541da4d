// Recording of the command file: the window caption that tells it, and stopping it.
#pragma once
#include "window/mainfrm.h"

namespace tarnel {

// The program's description, followed by " (Gravando)" while recording.
void AtualizaCaption(TfrmMain& frm);

// "&Pára Gravação de Comandos" (always enabled; runs whether or not recording is on): the library's
// log is switched off, the actions and the file box return to their not-recording state, and outside
// start-up the suspension is written into the command file.
void ParaGravacaoExecute(TfrmMain& frm);

}  // namespace tarnel
