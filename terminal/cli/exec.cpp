#include "console.h"
#include "driver/execucao.h"
#include "quorbal/catalogo.h"
#include "sessao_cli.h"
#include "subcomandos.h"

namespace tarnel::cli {

namespace {

// Fills the selected command's parameter fields; false with a message for a name it does not have.
bool PreencheParametros(TfrmMain& frm, const Pedido& pedido, std::ostream& mensagens) {
  const int indice = frm.lbComandosItemIndex;
  for (const auto& [nome, valor] : pedido.parametros) {
    if (!frm.DefineParametro(indice, nome, valor)) {
      EscreveLinha(mensagens, "O comando " + frm.lbComandosItems[indice] + " não tem o parâmetro " + nome);
      return false;
    }
  }
  return true;
}

void MostraCampos(const TfrmMain& frm, std::ostream& saida) {
  EscreveLinha(saida, "Erro: " + frm.ebNomeErro);
  EscreveLinha(saida, frm.ebCircunstancia.empty() ? "Circunstância:" : "Circunstância: " + frm.ebCircunstancia);
  const int indice = frm.lbComandosItemIndex;
  const quorbal::DescritorComando& comando = quorbal::kCatalogo[indice];
  for (std::uint32_t i = 0; i < comando.total_retornos; ++i)
    EscreveLinha(saida, std::string(comando.retornos[i].nome) + "=" + frm.Campos[indice].retornos[i]);
}

}  // namespace

int Exec(const Pedido& pedido, std::ostream& saida, std::ostream& mensagens) {
  SessaoCli sessao(mensagens);
  TfrmMain& frm = sessao.frm;
  if (!frm.SelecionaComandoPorNome(pedido.nome)) {
    EscreveLinha(mensagens, "Comando desconhecido: " + pedido.nome);
    return kSaidaFalha;
  }
  if (!PreencheParametros(frm, pedido, mensagens)) return kSaidaFalha;
  if (!sessao.Conecta(pedido)) return kSaidaFalha;
  if (!ExecutaComandoSelecionado(frm)) {
    EscreveLinha(mensagens, "A DLL não executou o comando " + frm.lbComandosItems[frm.lbComandosItemIndex] + ".");
    return kSaidaFalha;
  }
  sessao.MostraTerminal(saida);
  MostraCampos(frm, saida);
  return frm.CodigoErro == 0 ? kSaidaSucesso : kSaidaErroImpressora;
}

}  // namespace tarnel::cli
