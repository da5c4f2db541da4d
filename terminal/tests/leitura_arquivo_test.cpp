// A reading to a file and the first-copy capture against a scripted driver: the pieces fetched and
// written, the retries and last-reply fetches, every message, and the state the window is left in.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_com_cancelamento.h"
#include "quorbal/catalogo.h"
#include "readings/leitura_arquivo.h"
#include "readings/primeira_via.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using quorbal::Comando;
using teste::InteracaoComCancelamento;
using test_support::read_bytes;
using test_support::TempFolder;
using test_support::write_bytes;

// One reply of the scripted printer: a piece of print data, or an error by its name.
struct Resposta {
  std::string texto;
  std::string erro;  // "" = success
};
Resposta Pedaco(std::string texto) { return {std::move(texto), ""}; }
Resposta Falha(std::string erro) { return {"", std::move(erro)}; }

class LeituraArquivo : public ::testing::Test {
 protected:
  LeituraArquivo() : frm(interacao) {
    auto d = std::make_unique<teste::DriverRoteirizado>();
    driver = d.get();
    frm.ModuloDriver = std::move(d);
    frm.HandleDriver = 3;
    frm.btExecutaEnabled = true;
    // Every command takes the next scripted reply; the reading command itself succeeds.
    driver->ao_executar = [this](const std::string& comando) {
      enviados.push_back(comando.empty() ? "<ultimo retorno>" : comando);
      Resposta r;
      if (comando.empty() || comando == quorbal::Descritor(Comando::LeImpressao).nome) {
        if (!respostas.empty()) {
          r = respostas.front();
          respostas.pop_front();
        }
      } else {
        r.erro = erro_leitura;
      }
      driver->cod_erro = r.erro.empty() ? 0 : 1;
      driver->nome_erro = r.erro.empty() ? "NoError" : r.erro;
      driver->retornos = {{"TextoImpressao", r.texto}};
    };
  }

  PedidoLeitura Pedido(Comando comando = Comando::EmiteLeituraMF) {
    PedidoLeitura p;
    p.comando = comando;
    p.arquivo = pasta.file("MF.TXT");
    return p;
  }
  std::string Parametro(Comando comando, const char* nome) { return TextoDigitado(frm, comando, nome); }

  TempFolder pasta{"tarnel-test"};
  InteracaoComCancelamento interacao;
  TfrmMain frm;
  teste::DriverRoteirizado* driver = nullptr;
  std::deque<Resposta> respostas;
  std::string erro_leitura;
  std::vector<std::string> enviados;
};

const std::string kLeImpressao = quorbal::Descritor(Comando::LeImpressao).nome;
const std::string kLeituraMF = quorbal::Descritor(Comando::EmiteLeituraMF).nome;

TEST_F(LeituraArquivo, WritesEveryPieceFiltersAndAnnounces) {
  respostas = {Pedaco("\x1B*ABC"), Pedaco(std::string(50, 'd') + "\n"), Pedaco("")};
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, Pedido()), ResultadoLeitura::Gerada);
  EXPECT_EQ(enviados, (std::vector<std::string>{kLeituraMF, kLeImpressao, kLeImpressao, kLeImpressao}));
  EXPECT_EQ(read_bytes(pasta.file("MF.TXT")), "\x1B*ABC" + std::string(50, 'd') + "\r\n");
  EXPECT_EQ(read_bytes(pasta.file("MF.TXT.fmt")), "\r\nABC" + std::string(46, 'd') + "\r\n" + "dddd\r\n");
  EXPECT_EQ(interacao.mensagens, (std::vector<std::string>{"Arquivo '" + pasta.file("MF.TXT") + "' gerado!"}));
  EXPECT_EQ(frm.lbComandosItemIndex, quorbal::Posicao(Comando::LeImpressao));
  EXPECT_FALSE(frm.ModoUltimoRetorno);
  EXPECT_EQ(interacao.progresso, (std::vector<std::int64_t>{0, 5, 56}));
  EXPECT_TRUE(interacao.ProgressoEncerrado());
  EXPECT_GE(interacao.eventos_processados, 3);
}

// The reading command's entries as the request fills them, for each kind of reading.
TEST_F(LeituraArquivo, FillsTheParametersTheReadingCommandHas) {
  frm.DefineParametro(quorbal::Posicao(Comando::EmiteLeituraFitaDetalhe), "DataFinal", "31/12/2025");
  frm.DefineParametro(quorbal::Posicao(Comando::EmiteLeituraFitaDetalhe), "Proprietario", "9");
  PedidoLeitura mfd = Pedido(Comando::EmiteLeituraFitaDetalhe);
  mfd.inicio = 12;
  mfd.fim = -1;
  mfd.data_inicial = "  01/12/2025 ";
  mfd.proprietario = -2;
  EmiteLeituraParaArquivo(frm, mfd);
  EXPECT_EQ(Parametro(Comando::EmiteLeituraFitaDetalhe, "Destino"), "S");
  EXPECT_EQ(Parametro(Comando::EmiteLeituraFitaDetalhe, "COOInicial"), "12");
  EXPECT_EQ(Parametro(Comando::EmiteLeituraFitaDetalhe, "COOFinal"), "");
  EXPECT_EQ(Parametro(Comando::EmiteLeituraFitaDetalhe, "DataInicial"), "01/12/2025");
  EXPECT_EQ(Parametro(Comando::EmiteLeituraFitaDetalhe, "DataFinal"), "31/12/2025");  // untouched
  EXPECT_EQ(Parametro(Comando::EmiteLeituraFitaDetalhe, "Proprietario"), "");

  PedidoLeitura mf = Pedido(Comando::EmiteLeituraMF);
  mf.inicio = 3;
  mf.fim = 40;
  mf.proprietario = 2;  // the fiscal-memory reading has no owner
  EmiteLeituraParaArquivo(frm, mf);
  EXPECT_EQ(Parametro(Comando::EmiteLeituraMF, "ReducaoInicial"), "3");
  EXPECT_EQ(Parametro(Comando::EmiteLeituraMF, "ReducaoFinal"), "40");
  EXPECT_EQ(Parametro(Comando::EmiteLeituraMF, "LeituraSimplificada"), "f");
  EXPECT_EQ(Parametro(Comando::EmiteLeituraMF, "DataInicial"), "");
}

TEST_F(LeituraArquivo, TimeOutsAreRetriedAsLastReplyFetchesAndOtherFailuresResendTheCommand) {
  respostas = {Falha("ErroProtTimeout"), Falha("ErroProtTimeout"), Pedaco("uma vez"),
               Falha("ErroQualquer"), Pedaco("duas"), Pedaco("")};
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, Pedido()), ResultadoLeitura::Gerada);
  EXPECT_EQ(enviados, (std::vector<std::string>{kLeituraMF, kLeImpressao, "<ultimo retorno>", "<ultimo retorno>",
                                                kLeImpressao, kLeImpressao, kLeImpressao}));
  EXPECT_EQ(read_bytes(pasta.file("MF.TXT")), "uma vezduas");
  EXPECT_FALSE(frm.ModoUltimoRetorno);
}

// Three failed attempts stop the reading with what was written so far and no copy; a time-out
// as the last failure does not leave the user's next command turned into a last-reply fetch.
TEST_F(LeituraArquivo, ThreeFailuresStopWithThePartialFile) {
  write_bytes(pasta.file("MF.TXT.fmt"), "anterior");
  respostas = {Pedaco("parte"), Falha("ErroX"), Falha("ErroProtTimeout"), Falha("ErroProtTimeout")};
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, Pedido()), ResultadoLeitura::Falhou);
  EXPECT_EQ(interacao.mensagens, (std::vector<std::string>{"Erro ao obter dados de impressão"}));
  EXPECT_EQ(read_bytes(pasta.file("MF.TXT")), "parte");
  EXPECT_EQ(read_bytes(pasta.file("MF.TXT.fmt")), "anterior");
  EXPECT_FALSE(frm.ModoUltimoRetorno);
  EXPECT_TRUE(interacao.ProgressoEncerrado());
}

// The reading is written, its readable copy cannot be: an error naming the copy, not "gerado".
TEST_F(LeituraArquivo, ACopyThatCannotBeWrittenIsAFailure) {
  std::filesystem::create_directory(pasta.file("MF.TXT.fmt"));
  respostas = {Pedaco("parte"), Pedaco("")};
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, Pedido()), ResultadoLeitura::Falhou);
  EXPECT_EQ(interacao.mensagens, (std::vector<std::string>{"Erro ao acessar o arquivo '" + pasta.file("MF.TXT.fmt") + "'"}));
  EXPECT_EQ(read_bytes(pasta.file("MF.TXT")), "parte");
}

TEST_F(LeituraArquivo, AFailedReadingCommandStopsBeforeAnyFetch) {
  erro_leitura = "ErroCMDForaDeSequencia";
  write_bytes(pasta.file("MF.TXT"), "antigo");
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, Pedido()), ResultadoLeitura::Falhou);
  EXPECT_EQ(interacao.mensagens, (std::vector<std::string>{"Erro ao enviar comando '" + kLeituraMF + "'"}));
  EXPECT_EQ(enviados, (std::vector<std::string>{kLeituraMF}));
  EXPECT_EQ(read_bytes(pasta.file("MF.TXT")), "antigo");
}

// Without the library nothing is carried out: an error, not an endless loop over stale fields.
TEST_F(LeituraArquivo, NoLibraryIsAFailureNotASuccess) {
  frm.ModuloDriver.reset();
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, Pedido()), ResultadoLeitura::Falhou);
  EXPECT_EQ(interacao.mensagens, (std::vector<std::string>{"Erro ao enviar comando '" + kLeituraMF + "'"}));
}

// An empty reading rewrites the file empty: the announcement never covers an older reading's text.
TEST_F(LeituraArquivo, AnEmptyReadingLeavesAnEmptyFileAndCopy) {
  write_bytes(pasta.file("MF.TXT"), "leitura de ontem");
  respostas = {Pedaco("")};
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, Pedido()), ResultadoLeitura::Gerada);
  EXPECT_EQ(read_bytes(pasta.file("MF.TXT")), "");
  EXPECT_EQ(read_bytes(pasta.file("MF.TXT.fmt")), "");
  EXPECT_EQ(interacao.mensagens.size(), 1u);
}

TEST_F(LeituraArquivo, AnUnwritableFileStopsWithItsName) {
  PedidoLeitura p = Pedido();
  p.arquivo = pasta.file("nao/existe/MF.TXT");
  respostas = {Pedaco("x")};
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, p), ResultadoLeitura::Falhou);
  EXPECT_EQ(interacao.mensagens, (std::vector<std::string>{"Erro ao acessar o arquivo '" + p.arquivo + "'"}));
}

TEST_F(LeituraArquivo, ACancelBetweenPiecesKeepsWhatWasWrittenAndSaysNothing) {
  interacao.cancela_na_vez = 2;
  respostas = {Pedaco("um"), Pedaco("dois"), Pedaco("")};
  PedidoLeitura p = Pedido();
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, p), ResultadoLeitura::Cancelada);
  EXPECT_EQ(read_bytes(pasta.file("MF.TXT")), "um");
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_TRUE(interacao.ProgressoEncerrado());
}

// The menu entries' requests from the entries typed in the catalogue, with their defaults.
TEST_F(LeituraArquivo, MenuRequestsTakeTypedEntriesOrDefaults) {
  const int mf = quorbal::Posicao(Comando::EmiteLeituraMF);
  const int mfd = quorbal::Posicao(Comando::EmiteLeituraFitaDetalhe);
  PedidoLeitura p = PedidoLeituraMF(frm);
  EXPECT_EQ(p.arquivo, "MF.TXT");
  EXPECT_EQ(p.inicio, 1);
  EXPECT_EQ(p.fim, 9999);
  frm.DefineParametro(mf, "ReducaoInicial", " 7");
  frm.DefineParametro(mf, "DataFinal", "02/01/2026");
  p = PedidoLeituraMF(frm);
  EXPECT_EQ(p.inicio, 7);
  EXPECT_EQ(p.fim, 9999);
  EXPECT_EQ(p.data_final, "02/01/2026");

  frm.DefineParametro(mfd, "COOInicial", "20");
  frm.DefineParametro(mfd, "COOFinal", "30");
  p = PedidoLeituraMFD(frm);
  EXPECT_EQ(p.inicio, 20);
  EXPECT_EQ(p.fim, 30);
  frm.DefineParametro(mfd, "DataInicial", "01/01/2026");
  p = PedidoLeituraMFD(frm);
  EXPECT_EQ(p.inicio, -1);
  EXPECT_EQ(p.fim, -1);

  frm.DefineArquivoComandos(pasta.file("roteiros/Dia.RMT"));
  p = PedidoLeituraX(frm);
  EXPECT_EQ(p.arquivo, pasta.file("roteiros/LX.TXT"));
  EXPECT_EQ(p.inicio, -1);
  EXPECT_EQ(p.proprietario, -1);
  EXPECT_TRUE(p.anuncia);
}

// The first copy: the same scripted printer, the capture appending to an existing file.
class PrimeiraVia : public LeituraArquivo {
 protected:
  PrimeiraVia() {
    configuracao.gravar = true;
    configuracao.arquivo = pasta.file("Via1.TXT");
    write_bytes(configuracao.arquivo, "antes\r\n");
    // The user's last command: a refused sale, with its error and reply.
    frm.SelecionaComando(quorbal::Posicao(Comando::VendeItem));
    frm.CodigoErro = 12;
    frm.ebNomeErro = "ErroCMDForaDeSequencia";
    frm.ebCircunstancia = "Sem cupom";
    frm.UltimoRetorno = "Circunstancia=\"Sem cupom\"";
  }
  void EsperaEstadoDoUsuario() {
    EXPECT_EQ(frm.lbComandosItemIndex, quorbal::Posicao(Comando::VendeItem));
    EXPECT_EQ(frm.CodigoErro, 12);
    EXPECT_EQ(frm.ebNomeErro, "ErroCMDForaDeSequencia");
    EXPECT_EQ(frm.ebCircunstancia, "Sem cupom");
    EXPECT_EQ(frm.UltimoRetorno, "Circunstancia=\"Sem cupom\"");
    EXPECT_FALSE(frm.ModoUltimoRetorno);
  }
  ConfiguracaoPrimeiraVia configuracao;
};

TEST_F(PrimeiraVia, AppendsEveryPieceAndPutsTheUsersStateBack) {
  respostas = {Pedaco("CUPOM\x1B*"), Falha("ErroProtTimeout"), Pedaco("FIM\n"), Pedaco("")};
  LeImpressaoExecute(frm, configuracao);
  EXPECT_EQ(read_bytes(configuracao.arquivo), "antes\r\nCUPOM\x1B*FIM\r\n");
  EXPECT_EQ(enviados, (std::vector<std::string>{kLeImpressao, kLeImpressao, "<ultimo retorno>", kLeImpressao}));
  EXPECT_TRUE(interacao.mensagens.empty());
  EsperaEstadoDoUsuario();
}

TEST_F(PrimeiraVia, OffOrWithoutAConnectionNothingIsSent) {
  configuracao.gravar = false;
  LeImpressaoExecute(frm, configuracao);
  EXPECT_TRUE(enviados.empty());
  EXPECT_EQ(frm.lbComandosItemIndex, quorbal::Posicao(Comando::VendeItem));

  configuracao.gravar = true;
  frm.btExecutaEnabled = false;
  LeImpressaoExecute(frm, configuracao);
  EXPECT_TRUE(enviados.empty());
  EsperaEstadoDoUsuario();
}

TEST_F(PrimeiraVia, AnEmptyFirstPieceLeavesFileAndWindowAsTheyWere) {
  respostas = {Pedaco("")};
  LeImpressaoExecute(frm, configuracao);
  EXPECT_EQ(read_bytes(configuracao.arquivo), "antes\r\n");
  EXPECT_TRUE(interacao.mensagens.empty());
  EsperaEstadoDoUsuario();
}

TEST_F(PrimeiraVia, ThreeFailuresEndItWithThePrintersError) {
  respostas = {Falha("ErroProtTimeout"), Falha("ErroProtTimeout"), Falha("ErroProtTimeout")};
  driver->circunstancia = "sem resposta";
  LeImpressaoExecute(frm, configuracao);
  EXPECT_EQ(interacao.mensagens, (std::vector<std::string>{"Erro=ErroProtTimeout Circunstancia=sem resposta"}));
  EXPECT_EQ(interacao.titulos, (std::vector<std::string>{"Erro " + kLeImpressao}));
  EXPECT_EQ(read_bytes(configuracao.arquivo), "antes\r\n");
  EsperaEstadoDoUsuario();
}

// The capture never creates the file; one it cannot write stops it after one box, so the rest of
// the print data stays in the printer instead of being fetched and lost piece after piece.
TEST_F(PrimeiraVia, AFileThatCannotBeWrittenStopsTheCaptureWithItsName) {
  configuracao.arquivo = pasta.file("sumiu.TXT");
  respostas = {Pedaco("um"), Pedaco("dois"), Pedaco("")};
  LeImpressaoExecute(frm, configuracao);
  EXPECT_EQ(interacao.mensagens,
            (std::vector<std::string>{"Erro na grava\xE7\xE3o do arquivo '" + configuracao.arquivo + "'"}));
  EXPECT_EQ(enviados, (std::vector<std::string>{kLeImpressao}));
  EXPECT_FALSE(std::ifstream(configuracao.arquivo).good());
  EsperaEstadoDoUsuario();
}

}  // namespace
}  // namespace tarnel
