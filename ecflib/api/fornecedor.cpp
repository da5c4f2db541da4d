#include "fornecedor.h"

#include "lugares/lugares.h"

namespace plenvo {

ProcessFiscalCmdFn ProcessFiscalCmd(compat::ModuleHandle fornecedor) {
  return fornecedor != nullptr ? compat::resolve<ProcessFiscalCmdFn>(fornecedor, "ProcessFiscalCmd") : nullptr;
}

FiscalConnectionFn FiscalConnection(compat::ModuleHandle fornecedor) {
  return fornecedor != nullptr ? compat::resolve<FiscalConnectionFn>(fornecedor, "FiscalConnection") : nullptr;
}

FechaPortaFn FechaPorta(compat::ModuleHandle fornecedor) {
  return fornecedor != nullptr ? compat::resolve<FechaPortaFn>(fornecedor, "FechaPorta") : nullptr;
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
