#include "fornecedor.h"

#include "lugares/lugares.h"

namespace plenvo {

SULVANIR_ProcessFiscalCmd_fn* ProcessFiscalCmd(compat::ModuleHandle fornecedor) {
  return fornecedor != nullptr ? compat::resolve<SULVANIR_ProcessFiscalCmd_fn*>(fornecedor, "ProcessFiscalCmd")
                               : nullptr;
}

SULVANIR_FiscalConnection_fn* FiscalConnection(compat::ModuleHandle fornecedor) {
  return fornecedor != nullptr ? compat::resolve<SULVANIR_FiscalConnection_fn*>(fornecedor, "FiscalConnection")
                               : nullptr;
}

SULVANIR_FechaPorta_fn* FechaPorta(compat::ModuleHandle fornecedor) {
  return fornecedor != nullptr ? compat::resolve<SULVANIR_FechaPorta_fn*>(fornecedor, "FechaPorta") : nullptr;
}

compat::ModuleHandle CarregaFornecedor() {
  for (const std::string& arquivo : CandidatosBibliotecaFornecedor()) {
    compat::ModuleHandle modulo = compat::load_module(arquivo);
    if (modulo == nullptr) continue;
    // A library without all three entry points counts as not loaded.
    if (FiscalConnection(modulo) != nullptr && ProcessFiscalCmd(modulo) != nullptr && FechaPorta(modulo) != nullptr)
      return modulo;
    compat::unload_module(modulo);
  }
  return nullptr;
}

}  // namespace plenvo
