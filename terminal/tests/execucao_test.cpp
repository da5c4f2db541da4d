// The execute path against a scripted driver: what is sent, in which order, what the transcript,
// the error fields and the returns show, and which follow-ups run.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "driver/execucao.h"
#include "quorbal/catalogo.h"
#include "readings/primeira_via_apos_comando.h"
#include "registers/le_registrador_apos_comando.h"
#include "spreadsheet/espelha_apos_comando.h"
#include "test_support/fixed_clock.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using test_support::TempFolder;
using teste::DriverRoteirizado;
using teste::InteracaoRoteirizada;
using Chamadas = std::vector<std::string>;

const char kCarimbo[] = "08/12/2003 14:05:09.042";

class Execucao : public ::testing::Test {
 protected:
  Execucao() : frm(interacao) {
    auto d = std::make_unique<DriverRoteirizado>();
    driver = d.get();
    frm.ModuloDriver = std::move(d);
    frm.HandleDriver = 3;
    // The follow-ups run as mirroring, register reading, first copy; they are attached here the
    // other way round, as the window (first copy) and then the start-up attach them.
    CapturaPrimeiraViaAposComando(frm, [this] { seguimentos.push_back("LeImpressaoExecute"); });
    LeRegistradorAposComando(frm, [this] { seguimentos.push_back("LeRegistradorExecute"); });
    EspelhaAposComando(frm, [this](int comando, int posicao) {
      seguimentos.push_back("EspelhaComando " + std::to_string(comando) + " " + std::to_string(posicao));
    });
    frm.Observa([this](Alteracao a) { alteracoes.push_back(a); });
  }

  // Selects a command and fills its parameters by name.
  void Prepara(const std::string& comando, std::initializer_list<std::pair<const char*, const char*>> campos = {}) {
    ASSERT_TRUE(frm.SelecionaComandoPorNome(comando));
    for (const auto& [nome, texto] : campos) ASSERT_TRUE(frm.DefineParametro(frm.lbComandosItemIndex, nome, texto));
  }

  std::string Retorno(const std::string& nome) {
    const int c = frm.lbComandosItemIndex;
    const quorbal::DescritorComando& d = quorbal::kCatalogo[c];
    return frm.Campos[c].retornos.at(quorbal::ProcuraCampo(d.retornos, d.total_retornos, nome));
  }

  std::string Linha(const std::string& seta, const std::string& registro) {
    return std::string(kCarimbo) + seta + registro;
  }

  test_support::FixedClock relogio{test_support::moment(2003, 12, 8, 14, 5, 9, 42)};
  InteracaoRoteirizada interacao;
  TfrmMain frm;
  DriverRoteirizado* driver = nullptr;
  std::vector<std::string> seguimentos;
  std::vector<Alteracao> alteracoes;
};

TEST_F(Execucao, SendsFilledFieldsInCatalogueOrderAndComposesTheLines) {
  Prepara("AbreCupomFiscal", {{"NomeConsumidor", "Jos\xE9"}, {"EnderecoConsumidor", "  "}});
  frm.TimeoutComando = 9;
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));

  // The empty IdConsumidor is not sent; the blank-only address goes as typed.
  EXPECT_EQ(driver->chamadas, (Chamadas{"LimpaParams", "AdicionaParam EnderecoConsumidor=[  ] 7",
                                        "AdicionaParam NomeConsumidor=[Jos\xE9] 7", "ListaParams", "ObtemNomeLog",
                                        "DefineTimeout 9", "ExecutaComando [AbreCupomFiscal]", "ObtemNomeErro",
                                        "ObtemCircunstancia", "ObtemCodErro", "ObtemRetornos"}));
  EXPECT_EQ(frm.Terminal.Linhas(),
            (Chamadas{Linha(" -> ", "{0;AbreCupomFiscal;EnderecoConsumidor=   NomeConsumidor=Jos\xE9;}"),
                      Linha(" <- ", "{0;0;;}")}));
  EXPECT_EQ(frm.Terminal.Texto(), frm.Terminal.Linhas()[0] + "\r\n" + frm.Terminal.Linhas()[1] + "\r\n");
  EXPECT_EQ(frm.ebNomeErro, "NoError");
  EXPECT_EQ(frm.ebCircunstancia, "");
  EXPECT_EQ(frm.CodigoErro, 0);
  EXPECT_EQ(frm.UltimoRetorno, "");
  EXPECT_EQ(seguimentos, (Chamadas{"LeRegistradorExecute", "LeImpressaoExecute"}));
  EXPECT_EQ(alteracoes.back(), Alteracao::FocoLista);
}

TEST_F(Execucao, LastReplyModeSendsNoParametersAndRecordsAnEmptyList) {
  Prepara("AbreGaveta", {{"TempoAcionamentoGaveta", "100"}});
  ASSERT_TRUE(ExecutaUltimoRetorno(frm));
  EXPECT_FALSE(frm.ModoUltimoRetorno);
  EXPECT_EQ(driver->chamadas, (Chamadas{"ObtemNomeLog", "DefineTimeout 5", "ExecutaComando []", "ObtemNomeErro",
                                        "ObtemCircunstancia", "ObtemCodErro", "ObtemRetornos"}));
  EXPECT_EQ(frm.Terminal.Linhas()[0], Linha(" -> ", "{0;AbreGaveta;;}"));
}

TEST_F(Execucao, ErrorReplyFillsTheErrorFieldsAndComposesErrorItems) {
  Prepara("LeAliquota");
  frm.Campos[frm.lbComandosItemIndex].retornos[0] = "antigo";
  driver->cod_erro = 11006;
  driver->nome_erro = "ErroProtComandoInexistente";
  driver->circunstancia = "Comando \"X\" em C:\\ecf";
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));

  EXPECT_EQ(frm.CodigoErro, 11006);
  EXPECT_EQ(frm.ebNomeErro, "ErroProtComandoInexistente");
  EXPECT_EQ(frm.ebCircunstancia, "Comando \"X\" em C:\\ecf");
  // Quotes and backslashes inside the texts are escaped so that the record reads back whole.
  EXPECT_EQ(frm.UltimoRetorno,
            "NomeErro=\"ErroProtComandoInexistente\" Circunstancia=\"Comando \\\"X\\\" em C:\\\\ecf\"");
  EXPECT_EQ(frm.Terminal.Linhas()[1], Linha(" <- ", "{0;11006;" + frm.UltimoRetorno + ";}"));
  EXPECT_EQ(Retorno("AliquotaICMS"), "") << "returns are cleared before the reply";
  EXPECT_EQ(std::count(driver->chamadas.begin(), driver->chamadas.end(), "ObtemRetornos"), 0);
  // Register reading follows every command; the first copy only a successful one.
  EXPECT_EQ(seguimentos, (Chamadas{"LeRegistradorExecute"}));
}

TEST_F(Execucao, ReturnsGoToTheirFieldsByName) {
  Prepara("LeAliquota");
  driver->texto_retornos = "PercentualAliquota=18,00 AliquotaICMS=1";
  driver->retornos = {{"PercentualAliquota", "18,00"}, {"Ignorado", "x", -1}, {"AliquotaICMS", "1"}};
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(frm.UltimoRetorno, "PercentualAliquota=18,00 AliquotaICMS=1");
  EXPECT_EQ(frm.Terminal.Linhas()[1], Linha(" <- ", "{0;0;PercentualAliquota=18,00 AliquotaICMS=1;}"));
  EXPECT_EQ(Retorno("PercentualAliquota"), "18,00");
  EXPECT_EQ(Retorno("AliquotaICMS"), "1") << "a return the library refuses is skipped, not the end";
  EXPECT_EQ(Retorno("DescricaoAliquota"), "");
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(Execucao, UndeclaredReturnStopsTheLoopWithAMessage) {
  Prepara("LeAliquota");
  driver->retornos = {{"AliquotaICMS", "1"}, {"Desconhecido", "2"}, {"PercentualAliquota", "3"}};
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(interacao.mensagens, (Chamadas{"Foi retornado um dado desconhecido com o nome \"Desconhecido\""}));
  EXPECT_EQ(Retorno("AliquotaICMS"), "1");
  EXPECT_EQ(Retorno("PercentualAliquota"), "") << "later returns stay unfilled";
  EXPECT_EQ(driver->chamadas.back(), "Retorno 2");
}

TEST_F(Execucao, NothingDoneKeepsTheLastReplyButEmptiesTheErrorName) {
  Prepara("AbreGaveta");
  frm.CodigoErro = 77;
  frm.UltimoRetorno = "anterior";
  frm.ebNomeErro = "velho";
  driver->resultado_executa = 0;
  EXPECT_FALSE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(frm.Terminal.Texto(), "");
  EXPECT_EQ(frm.CodigoErro, 77);
  EXPECT_EQ(frm.UltimoRetorno, "anterior");
  EXPECT_EQ(frm.ebNomeErro, "") << "the error fields were emptied before the wait";
  EXPECT_TRUE(seguimentos.empty());
  EXPECT_EQ(driver->chamadas.back(), "ExecutaComando [AbreGaveta]");
}

TEST_F(Execucao, WithoutTheLibraryNothingIsDone) {
  Prepara("AbreGaveta");
  frm.ModuloDriver.reset();
  EXPECT_FALSE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(frm.Terminal.Texto(), "");
  EXPECT_TRUE(seguimentos.empty());
}

TEST_F(Execucao, DestinoSMeansTheHostAndSkipsTheFirstCopy) {
  struct Caso {
    const char* comando;
    const char* destino;
    bool primeira_via;
  };
  const Caso casos[] = {
      {"EmiteLeituraMF", "S", false},          {"EmiteLeituraMF", "s", false},
      {"EmiteLeituraFitaDetalhe", "s", false}, {"EmiteLeituraMF", "N", true},
      {"EmiteLeituraMF", "S ", true},          {"EmiteLeituraX", "S", true},
  };
  for (const Caso& caso : casos) {
    seguimentos.clear();
    frm.LimpaCampos(frm.IndiceComando(caso.comando));
    Prepara(caso.comando, {{"Destino", caso.destino}});
    ASSERT_TRUE(ExecutaComandoSelecionado(frm));
    const Chamadas esperado = caso.primeira_via ? Chamadas{"LeRegistradorExecute", "LeImpressaoExecute"}
                                                : Chamadas{"LeRegistradorExecute"};
    EXPECT_EQ(seguimentos, esperado) << caso.comando << " Destino=" << caso.destino;
  }
}

TEST_F(Execucao, NoFollowUpAfterLeImpressaoNorWithinARegisterReading) {
  Prepara("LeImpressao");
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_TRUE(seguimentos.empty());

  Prepara("AbreGaveta");
  frm.LendoRegistrador = true;
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_TRUE(seguimentos.empty());
}

TEST_F(Execucao, MirroringOnlyAfterSuccessWhileTheSpreadsheetIsLinked) {
  Prepara("DefineProprietario");
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(std::count(seguimentos.begin(), seguimentos.end(), "EspelhaComando 22 20"), 0);

  frm.PlanilhaConectada = true;
  seguimentos.clear();
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(seguimentos, (Chamadas{"EspelhaComando 22 20", "LeRegistradorExecute", "LeImpressaoExecute"}));

  seguimentos.clear();
  Prepara("VendeItem");
  driver->cod_erro = 8000;
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(seguimentos, (Chamadas{"LeRegistradorExecute"}));

  seguimentos.clear();
  driver->cod_erro = 0;
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(seguimentos.front(), "EspelhaComando 67 0");

  seguimentos.clear();
  Prepara("AbreGaveta");
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(seguimentos, (Chamadas{"LeRegistradorExecute", "LeImpressaoExecute"}));
}

TEST_F(Execucao, FocusReturnsToTheListUnlessStarting) {
  Prepara("AbreGaveta");
  frm.Iniciando = true;
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(std::count(alteracoes.begin(), alteracoes.end(), Alteracao::FocoLista), 0);
}

// The library's log file around a command.
class ExecucaoComLog : public Execucao {
 protected:
  void SetUp() override {
    driver->nome_log = pasta.file("Comandos.RMT");
    driver->ao_executar = [this](const std::string&) {
      if (!acrescimo.empty()) std::ofstream(driver->nome_log, std::ios::binary | std::ios::app) << acrescimo;
    };
  }
  void Escreve(const std::string& conteudo) { test_support::write_bytes(driver->nome_log, conteudo); }

  TempFolder pasta{"tarnel-test", TempFolder::enter | TempFolder::user_folders};
  std::string acrescimo;
};

TEST_F(ExecucaoComLog, GrowingLogIsTheOnlyTranscriptText) {
  Escreve("; cabecalho\r\n");
  acrescimo = "linha do comando\r\nlinha da resposta\r\n";
  Prepara("AbreGaveta");
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(frm.Terminal.Linhas(), (Chamadas{"linha do comando", "linha da resposta"}));
  EXPECT_EQ(frm.ebNomeErro, "NoError");
}

TEST_F(ExecucaoComLog, LogThatDidNotGrowLeavesTheLinesToBeComposed) {
  Escreve("; cabecalho\r\n");
  Prepara("AbreGaveta");
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(frm.Terminal.Linhas(), (Chamadas{Linha(" -> ", "{0;AbreGaveta;;}"), Linha(" <- ", "{0;0;;}")}));
}

TEST_F(ExecucaoComLog, LogMissingOrEmptyBeforeTheCommandGivesTheErrorLine) {
  acrescimo = "linha do comando\r\nlinha da resposta\r\n";
  Prepara("AbreGaveta");
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  const std::string erro = "Erro ao acessar arquivo de log " + driver->nome_log;
  EXPECT_EQ(frm.Terminal.Linhas(), (Chamadas{erro}));

  frm.Terminal.Limpa();
  Escreve("");
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(frm.Terminal.Linhas(), (Chamadas{erro}));
  EXPECT_EQ(frm.CodigoErro, 0) << "the reply is still taken";
}

TEST_F(ExecucaoComLog, LongExcerptIsCutAt4196Bytes) {
  Escreve("; cabecalho\r\n");
  acrescimo = std::string(4201, 'a') + "\r\n";
  Prepara("AbreGaveta");
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(frm.Terminal.Linhas(), (Chamadas{std::string(4196, 'a')}));

  frm.Terminal.Limpa();
  acrescimo = std::string(4200, 'b') + "\r\n";
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(frm.Terminal.Linhas(), (Chamadas{std::string(4200, 'b')}));
}

}  // namespace
}  // namespace tarnel
