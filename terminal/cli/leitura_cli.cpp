#include "leitura_cli.h"

#include <string>

#include "compat/whole_file.h"
#include "console.h"
#include "mostra.h"
#include "readings/filtra_impressao.h"
#include "readings/leitura_arquivo.h"
#include "sessao_cli.h"

namespace tarnel::cli {

namespace {

// The person of a reading without a window: errors to mensagens, the announcement to saida, the
// progress as one line (bytes fetched so far).
class InteracaoLeitura : public InteracaoConsole {
 public:
  InteracaoLeitura(bool terminal, std::ostream& saida, std::ostream& mensagens)
      : InteracaoConsole(mensagens), saida_(saida), progresso_(mensagens, terminal) {}

  void Mensagem(const std::string& texto, Icone icone, const std::string& titulo) override {
    FimProgresso();
    if (icone == Icone::Informacao)
      EscreveLinha(saida_, texto);
    else
      InteracaoConsole::Mensagem(texto, icone, titulo);
  }
  void Progresso(const std::string& titulo, std::int64_t feito, std::int64_t) override {
    progresso_.Mostra(titulo + ": " + std::to_string(feito) + " bytes");
  }
  void FimProgresso() override { progresso_.Apaga(); }

 private:
  std::ostream& saida_;
  LinhaProgresso progresso_;
};

PedidoLeitura MontaPedido(const PedidoLeituraCli& cli, const TfrmMain& frm) {
  PedidoLeitura pedido = cli.tipo == TipoLeitura::MF    ? PedidoLeituraMF(frm)
                         : cli.tipo == TipoLeitura::MFD ? PedidoLeituraMFD(frm)
                                                        : PedidoLeituraX(frm);
  if (!cli.saida.empty()) pedido.arquivo = cli.saida;
  if (cli.faixa == FaixaLeitura::Data) {
    pedido.inicio = pedido.fim = -1;
    pedido.data_inicial = cli.inicio;
    pedido.data_final = cli.fim;
  } else if (cli.faixa != FaixaLeitura::Padrao) {
    pedido.inicio = std::stoi(cli.inicio);  // the command line checked both are whole numbers
    pedido.fim = std::stoi(cli.fim);
  }
  return pedido;
}

}  // namespace

int LeituraArquivo(const PedidoLeituraCli& cli, bool terminal, std::ostream& saida, std::ostream& mensagens) {
  InteracaoLeitura interacao(terminal, Anuncio(cli.saida, saida, mensagens), mensagens);
  SessaoCli sessao(interacao);
  Pedido conexao;
  conexao.canal = cli.canal;
  if (!sessao.Conecta(conexao)) return kSaidaFalha;

  const PedidoLeitura pedido = MontaPedido(cli, sessao.frm);
  if (EmiteLeituraParaArquivo(sessao.frm, pedido) != ResultadoLeitura::Gerada) {
    MostraRecusa(sessao.frm, mensagens);
    return kSaidaErroImpressora;
  }
  if (cli.filtrada) {
    // Read whole without stream exceptions: a copy that opens but cannot be read (a folder) is told.
    std::string texto, motivo;
    if (!compat::read_file(ArquivoFiltrado(pedido.arquivo), texto, motivo)) {
      EscreveLinha(mensagens, "Erro ao acessar o arquivo '" + ArquivoFiltrado(pedido.arquivo) + "'");
      return kSaidaErroImpressora;
    }
    // The file's CR LF become the console's line ends (a Windows console stream adds its own CR).
    std::string linhas;
    for (std::size_t i = 0; i < texto.size(); ++i)
      if (texto[i] != '\r' || i + 1 >= texto.size() || texto[i + 1] != '\n') linhas += texto[i];
    EscreveTexto(saida, linhas);
  }
  return kSaidaSucesso;
}

}  // namespace tarnel::cli
