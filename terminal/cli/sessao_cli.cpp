#include "sessao_cli.h"

#include "console.h"
#include "driver/conexao.h"

namespace tarnel::cli {

SessaoCli::~SessaoCli() {
  if (frm.ModuloDriver) frm.ModuloDriver->SetaArquivoLog("");
  LiberaModuloDriver(frm);
}

bool SessaoCli::Conecta(const Pedido& pedido) {
  frm.cbCanalECF = pedido.canal;
  ConnectExecute(frm);
  if (!Conectado(frm)) return false;
  if (pedido.com_log) frm.ModuloDriver->SetaArquivoLog(pedido.log);
  return true;
}

void SessaoCli::MostraTerminal(std::ostream& saida) const {
  for (const std::string& linha : frm.Terminal.Linhas()) EscreveLinha(saida, linha);
}

}  // namespace tarnel::cli
