// The main window's start-up and exit without a toolkit: what creating and destroying TfrmMain do
// besides drawing. The Qt window calls these once each; tarnel-cli and the tests can too.
#pragma once
#include "window/armazem_configuracao.h"
#include "window/mainfrm.h"

namespace tarnel {

// With Iniciando set: attaches the follow-ups (register reading after commands, the command file's
// event lines), restores the settings and loads the driver library, restores the recording state and
// the connection, switches automatic reading off without a connection and otherwise clicks its button
// twice (one reading at once). Call once per TfrmMain.
void IniciaTfrmMain(TfrmMain& frm, ArmazemConfiguracao& armazem);
void IniciaTfrmMain(TfrmMain& frm);  // settings from the registry

// Writes the exit line while recording, closes the channel, unloads the library and saves the
// settings ("ECF Conectado" telling whether a connection was open until then).
void EncerraTfrmMain(TfrmMain& frm, ArmazemConfiguracao& armazem);
void EncerraTfrmMain(TfrmMain& frm);

}  // namespace tarnel
