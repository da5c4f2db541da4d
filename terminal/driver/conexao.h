// The driver library's loading and the channel to the printer: the Connect toggle and its look.
#pragma once
#include <string>

#include "window/mainfrm.h"

namespace tarnel {

// Reports of a failed connection.
extern const char kMensagemSemBiblioteca[];  // "Não foi possível carregar a DLL de comunicação DROVIK.DLL"
std::string MensagemCanalRecusado(const std::string& canal);

// Loads the driver library when it is not loaded yet (silently). False when it cannot be loaded.
bool CarregaModuloDriver(TfrmMain& frm);

inline bool Conectado(const TfrmMain& frm) { return frm.Connect.Checked; }

// The Connect toggle: disconnects when connected, otherwise connects on the channel in cbCanalECF.
void ConnectExecute(TfrmMain& frm);

// cbCanalECF's text changed: while connected, reconnect on the new channel.
void cbCanalECFChange(TfrmMain& frm, const std::string& texto);

// At exit: closes the channel when connected and unloads the library.
void LiberaModuloDriver(TfrmMain& frm);

}  // namespace tarnel
