#include <ostream>
#include <string>

#include "console.h"
#include "sessao_cli.h"
#include "spreadsheet/configura_totalizadores.h"
#include "spreadsheet/leitura_x_planilha.h"
#include "spreadsheet/ligacao_planilha.h"
#include "subcomandos.h"

namespace tarnel::cli {
namespace {

// The console's answers, but the error list is the subcommand's result: its lines go to the
// standard output, one per line, and are counted for the exit status. An error message counts too:
// the operation did not do all it was asked (a capture whose clearing failed leaves the coupon area
// as it was).
class InteracaoPlanilha : public InteracaoConsole {
 public:
  InteracaoPlanilha(std::ostream& saida, std::ostream& mensagens) : InteracaoConsole(mensagens), saida_(saida) {}
  void MostraErros(const TfrmErros& erros) override {
    for (const std::string& linha : erros.lbErros) EscreveLinha(saida_, linha);
    falhas += static_cast<int>(erros.lbErros.size());
  }
  void Mensagem(const std::string& texto, Icone icone, const std::string& titulo) override {
    InteracaoConsole::Mensagem(texto, icone, titulo);
    falhas += icone == Icone::Erro;
  }
  int falhas = 0;

 private:
  std::ostream& saida_;
};

}  // namespace

int Planilha(const Pedido& pedido, std::ostream& saida, std::ostream& mensagens) {
  InteracaoPlanilha interacao(saida, mensagens);
  SessaoCli sessao(interacao);
  if (!sessao.Conecta(pedido)) return kSaidaFalha;
  TfrmMain& frm = sessao.frm;
  if (!ConectaSeNecessario(frm)) return kSaidaFalha;  // the link said why
  if (pedido.nome == "totalizadores")
    ConfiguraTotalizadores(frm);
  else if (pedido.nome == "gravar-lx")
    ObtemLeituraXExecute(frm);
  else
    ConfereLeituraXExecute(frm);
  ConexaoExcel(frm);  // saves the workbook and closes the link
  if (Ligacao(frm).Conectada()) return kSaidaFalha;  // not saved: the link said why
  return interacao.falhas > 0 ? kSaidaErroImpressora : kSaidaSucesso;
}

}  // namespace tarnel::cli
