#include "exec.h"

#include "console.h"
#include "driver/conexao.h"
#include "driver/execucao.h"
#include "interacao_console.h"
#include "quorbal/catalogo.h"
#include "window/mainfrm.h"

namespace tarnel::cli {

namespace {

// Fills the selected command's parameter fields; false with a message for a name it does not have.
bool PreencheParametros(TfrmMain& frm, const PedidoExec& pedido, std::ostream& mensagens) {
  const int indice = frm.lbComandosItemIndex;
  for (const auto& [nome, valor] : pedido.parametros) {
    if (!frm.DefineParametro(indice, nome, valor)) {
      EscreveLinha(mensagens, "O comando " + frm.lbComandosItems[indice] + " não tem o parâmetro " + nome);
      return false;
    }
  }
  return true;
}

void MostraResultado(const TfrmMain& frm, std::ostream& saida) {
  for (const std::string& linha : frm.Terminal.Linhas()) EscreveLinha(saida, linha);
  EscreveLinha(saida, "Erro: " + frm.ebNomeErro);
  EscreveLinha(saida, frm.ebCircunstancia.empty() ? "Circunstância:" : "Circunstância: " + frm.ebCircunstancia);
  const int indice = frm.lbComandosItemIndex;
  const quorbal::DescritorComando& comando = quorbal::kCatalogo[indice];
  for (std::uint32_t i = 0; i < comando.total_retornos; ++i)
    EscreveLinha(saida, std::string(comando.retornos[i].nome) + "=" + frm.Campos[indice].retornos[i]);
}

}  // namespace

int ExecutaPedido(const PedidoExec& pedido, std::ostream& saida, std::ostream& mensagens) {
  InteracaoConsole interacao(mensagens);
  TfrmMain frm(interacao);
  if (!frm.SelecionaComandoPorNome(pedido.comando)) {
    EscreveLinha(mensagens, "Comando desconhecido: " + pedido.comando);
    return kSaidaFalha;
  }
  if (!PreencheParametros(frm, pedido, mensagens)) return kSaidaFalha;

  frm.cbCanalECF = pedido.canal;
  ConnectExecute(frm);
  if (!Conectado(frm)) return kSaidaFalha;  // the reason was shown as a message
  if (pedido.com_log) frm.ModuloDriver->SetaArquivoLog(pedido.log);

  const bool feito = ExecutaComandoSelecionado(frm);
  if (pedido.com_log) frm.ModuloDriver->SetaArquivoLog("");
  LiberaModuloDriver(frm);
  if (!feito) {
    EscreveLinha(mensagens, "A DLL não executou o comando " + pedido.comando + ".");
    return kSaidaFalha;
  }
  MostraResultado(frm, saida);
  return frm.CodigoErro == 0 ? kSaidaSucesso : kSaidaErroImpressora;
}

}  // namespace tarnel::cli
