// The key of the LEITURA.MFD dump. The analysis station deciphers with the same eight words
// (docs/formato_mfd.md lists them): change them there too, or old dumps become unreadable.
#pragma once
#include "readings/gost.h"

namespace tarnel {

// A fresh copy of the key for one dump; the caller wipes it (ApagaChave) when the file is done.
Gost28147::Chave ChaveMFD();

}  // namespace tarnel
