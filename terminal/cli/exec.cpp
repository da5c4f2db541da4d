#include "console.h"
#include "driver/execucao.h"
#include "mostra.h"
#include "sessao_cli.h"
#include "subcomandos.h"

namespace tarnel::cli {

int Exec(const Pedido& pedido, std::ostream& saida, std::ostream& mensagens) {
  SessaoCli sessao(mensagens);
  TfrmMain& frm = sessao.frm;
  if (!frm.SelecionaComandoPorNome(pedido.nome)) {
    EscreveLinha(mensagens, "Comando desconhecido: " + pedido.nome);
    return kSaidaFalha;
  }
  const int indice = frm.lbComandosItemIndex;
  std::string erro;
  if (!PreencheParametros(frm, indice, pedido.parametros, erro)) {
    EscreveLinha(mensagens, erro);
    return kSaidaFalha;
  }
  if (!sessao.Conecta(pedido)) return kSaidaFalha;
  if (!ExecutaComandoSelecionado(frm)) {
    EscreveLinha(mensagens, MensagemNaoExecutado(frm.lbComandosItems[indice]));
    return kSaidaFalha;
  }
  MostraExecucao(frm, indice, saida);
  return frm.CodigoErro == 0 ? kSaidaSucesso : kSaidaErroImpressora;
}

}  // namespace tarnel::cli
