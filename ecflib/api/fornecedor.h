// The vendor's fiscal library (Sulvanir.DLL; libsulvanir.so elsewhere), bound at run time to the
// entry points of its contract.
#pragma once
#include "compat/module.h"
#include "sulvanir.h"

namespace plenvo {

// -100 and -102 both mean the exchange failed on the way.
inline bool FalhaDeComunicacao(int retorno) {
  return retorno == SULVANIR_FALHA_COMUNICACAO || retorno == SULVANIR_FALHA_COMUNICACAO_2;
}

// Loads the first candidate (lugares.h) that exports all three entry points; null when none does.
compat::ModuleHandle CarregaFornecedor();

// Looked up anew at each call, as the library may be replaced under us; null when missing.
SULVANIR_ProcessFiscalCmd_fn* ProcessFiscalCmd(compat::ModuleHandle fornecedor);
SULVANIR_FiscalConnection_fn* FiscalConnection(compat::ModuleHandle fornecedor);
SULVANIR_FechaPorta_fn* FechaPorta(compat::ModuleHandle fornecedor);

}  // namespace plenvo
