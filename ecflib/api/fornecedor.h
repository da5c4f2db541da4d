// The vendor's fiscal library (Sulvanir.DLL; libsulvanir.so elsewhere), bound at run time.
#pragma once
#include "compat/module.h"

#if defined(_WIN32) && !defined(_WIN64)
#define PLENVO_CHAMADA_FORNECEDOR __stdcall
#else
#define PLENVO_CHAMADA_FORNECEDOR
#endif

namespace plenvo {

using FiscalConnectionFn = int(PLENVO_CHAMADA_FORNECEDOR*)(const char* dispositivo);
// frame (null: only collect more reply data), frame length, reply room, reply length wanted (in)
// and received (out), time-out in seconds, flag. >= 0: done; -100 and -102: communication
// failure; -101: nothing received in time.
using ProcessFiscalCmdFn = int(PLENVO_CHAMADA_FORNECEDOR*)(const char* quadro, int tamanho, char* resposta,
                                                           int* tamanho_resposta, int timeout, int flag);
using FechaPortaFn = int(PLENVO_CHAMADA_FORNECEDOR*)();

constexpr int kFornecedorFalha = -100;
constexpr int kFornecedorNadaRecebido = -101;
constexpr int kFornecedorFalha2 = -102;

// Loads the first candidate (lugares.h) that exports all three entry points; null when none does.
compat::ModuleHandle CarregaFornecedor();

// Looked up anew at each call, as the library may be replaced under us; null when missing.
ProcessFiscalCmdFn ProcessFiscalCmd(compat::ModuleHandle fornecedor);
FiscalConnectionFn FiscalConnection(compat::ModuleHandle fornecedor);
FechaPortaFn FechaPorta(compat::ModuleHandle fornecedor);

}  // namespace plenvo
