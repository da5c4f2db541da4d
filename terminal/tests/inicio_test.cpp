// The window's start-up and exit: the settings read and written in the registry (the file-backed
// hive of a private folder), the library, recording, connection and automatic reading restored.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "apoio/armazem_gravador.h"
#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "apoio/linhas_arquivo.h"
#include "apoio/pasta_memoria.h"
#include "compat/path.h"
#include "driver/conexao.h"
#include "inicio/inicia_tfrmmain.h"
#include "quorbal/catalogo.h"
#include "quorbal/registradores.h"
#include "registers/le_registrador.h"
#include "scripts/gravacao.h"
#include "spreadsheet/liga_planilha.h"
#include "spreadsheet/ligacao_planilha.h"
#include "test_support/fixed_clock.h"
#include "test_support/temp_folder.h"
#include "window/configuracao.h"
#include "window/mainfrm.h"
#include "window/versao.h"

namespace tarnel {
namespace {

using teste::DriverRoteirizado;
using Textos = std::vector<std::string>;

const char kArquivoInicial[] = "Comandos.RMT";

class Inicio : public ::testing::Test {
 protected:
  // A new window, as one run of the program makes it.
  std::unique_ptr<TfrmMain> NovaJanela() {
    auto frm = std::make_unique<TfrmMain>(interacao);
    frm->CarregaDriver = [this]() -> std::unique_ptr<Driver> {
      auto d = std::make_unique<DriverRoteirizado>();
      d->handle = handle;
      d->resultado_registrador = 0;
      d->comando_registrador = "LeInteiro";
      d->retornos = {{"ValorInteiro", "17"}};
      driver = d.get();
      return d;
    };
    return frm;
  }

  // A value saved by an earlier run of this version.
  void Salva(const std::string& nome, std::uint32_t valor) {
    ArmazemRegistro registro;
    ASSERT_EQ(registro.Abre(ChaveConfiguracao(VersaoDoPrograma())), 0);
    ASSERT_EQ(registro.EscreveInteiro(nome, valor), 0);
  }
  void Salva(const std::string& nome, const std::string& valor) {
    ArmazemRegistro registro;
    ASSERT_EQ(registro.Abre(ChaveConfiguracao(VersaoDoPrograma())), 0);
    ASSERT_EQ(registro.EscreveTexto(nome, valor), 0);
  }

  static int Cheque() { return quorbal::Posicao(quorbal::Comando::ImprimeCheque); }

  test_support::TempFolder pasta{"tarnel-inicio", test_support::TempFolder::enter | test_support::TempFolder::user_folders};
  test_support::FixedClock relogio{test_support::moment(2024, 3, 5, 9, 8, 7, 6)};
  teste::InteracaoRoteirizada interacao;
  teste::ArmazemGravador armazem;
  DriverRoteirizado* driver = nullptr;
  std::int32_t handle = 4;
};

TEST(Configuracao, KeyFollowsMajorAndMinorOnly) {
  EXPECT_EQ(ChaveConfiguracao({1, 0, 2, 0}), "Software\\KVT\\Vavizuru vo Ruzeduvi Vers\xE3o 1.0");
  EXPECT_EQ(ChaveConfiguracao({1, 0, 7, 9}), ChaveConfiguracao({1, 0, 2, 0}));
  EXPECT_EQ(ChaveConfiguracao({2, 13, 0, 0}), "Software\\KVT\\Vavizuru vo Ruzeduvi Vers\xE3o 2.13");
}

TEST_F(Inicio, FirstRunWritesTheFiveWindowValuesAtOnceAndStartsRecordingDisconnected) {
  auto frm = NovaJanela();
  IniciaTfrmMain(*frm, armazem);

  EXPECT_EQ(armazem.chaves, Textos{ChaveConfiguracao(VersaoDoPrograma())});
  EXPECT_EQ(armazem.escritas, (Textos{"Estado da Tela=int:0", "Largura da Tela=int:800", "Altura da Tela=int:510",
                                      "Topo da Tela=int:19", "Posi\xE7\xE3o da Tela=int:0"}));
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_FALSE(frm->Iniciando);
  EXPECT_EQ(frm->TimeoutComando, 5);
  EXPECT_EQ(frm->TamanhoTerminal, 48);
  EXPECT_EQ(frm->LarguraComandos, 305);
  EXPECT_EQ(frm->cbCanalECF, "Emul");
  EXPECT_EQ(frm->CanalConectado, "");
  EXPECT_EQ(frm->ArquivoComandos, kArquivoInicial);
  EXPECT_EQ(frm->cbNomeArquivoItems, Textos{"Comandos"});
  EXPECT_EQ(frm->cbNomeArquivo, "Comandos");
  EXPECT_EQ(frm->cbNomeRegistradorItemIndex, -1);
  EXPECT_EQ(frm->Caption, DescricaoDoPrograma() + " (Gravando)");
  // The design states of the first start.
  EXPECT_FALSE(Conectado(*frm));
  EXPECT_FALSE(frm->btExecutaEnabled);
  EXPECT_FALSE(frm->SelecionaArquivoComandos.Enabled);
  EXPECT_FALSE(frm->ExecutaArquivoComandos.Enabled);
  EXPECT_TRUE(frm->GravaComandos.Checked);
  EXPECT_TRUE(frm->GravandoComandos);
  EXPECT_FALSE(frm->LeRegistrador.Checked);
  ASSERT_NE(driver, nullptr);
  EXPECT_EQ(driver->chamadas, Textos{"SetaArquivoLog Comandos.RMT"});
}

TEST_F(Inicio, ExitWritesEveryValueInItsOrderAndTheNextRunRestoresThem) {
  auto frm = NovaJanela();
  IniciaTfrmMain(*frm, armazem);
  cbCanalECFChange(*frm, "COM2");
  ConnectExecute(*frm);
  frm->Geometria = {2, 1024, 700, 5, 7};
  frm->TamanhoTerminal = 0;
  frm->LarguraComandos = 0;
  frm->TimeoutComando = 12;
  frm->ArquivoComandos = pasta.file("Teste.RMT");
  cbNomeRegistradorChange(*frm, "COO");
  btLeRegistradorAutomaticoClick(*frm);
  const quorbal::DescritorComando& cheque = quorbal::kCatalogo[Cheque()];
  Textos escritas_cheque;
  for (std::uint32_t i = 0; i < cheque.total_parametros; ++i) {
    const std::string texto = "texto \xE9 " + std::to_string(i);
    frm->Campos[Cheque()].parametros[i] = texto;
    escritas_cheque.push_back("IC" + std::string(cheque.parametros[i].nome) + "=text:" + texto);
  }
  armazem.escritas.clear();
  EncerraTfrmMain(*frm, armazem);

  Textos esperadas = {"Estado da Tela=int:2",
                      "Largura da Tela=int:1024",
                      "Altura da Tela=int:700",
                      "Topo da Tela=int:5",
                      "Posi\xE7\xE3o da Tela=int:7",
                      "Tamanho do Terminal=int:0",
                      "Largura dos Comandos=int:0",
                      "ECF Conectado=int:1",
                      "Canal do ECF=text:COM2",
                      "Arquivo de Comandos=text:" + pasta.file("Teste.RMT"),
                      "Grava\xE7\xE3o de Comandos Ativada=int:1",
                      "Leitura Registrador Ap\xF3s Comando=int:1",
                      "Registrador Selecionado=int:" + std::to_string(quorbal::Indice(quorbal::Registrador::COO)),
                      "Timeout Execu\xE7\xE3o Comando=int:12"};
  esperadas.insert(esperadas.end(), escritas_cheque.begin(), escritas_cheque.end());
  EXPECT_EQ(armazem.escritas, esperadas);
  EXPECT_EQ(frm->ModuloDriver, nullptr);
  EXPECT_EQ(teste::LinhasDeEvento(pasta.file("Teste.RMT")),
            (Textos{"; 05/03/2024 09:08:07.006 - Leitura de Registrador Autom\xE1tico ligado",
                    "; 05/03/2024 09:08:07.006 - Sa\xED" "da do software " + DescricaoDoPrograma()}));

  frm = NovaJanela();
  armazem.escritas.clear();
  IniciaTfrmMain(*frm, armazem);
  EXPECT_TRUE(armazem.escritas.empty());
  EXPECT_EQ(frm->Geometria.estado, 2);
  EXPECT_EQ(frm->Geometria.largura, 1024);
  EXPECT_EQ(frm->Geometria.altura, 700);
  EXPECT_EQ(frm->Geometria.topo, 5);
  EXPECT_EQ(frm->Geometria.esquerda, 7);
  EXPECT_EQ(frm->TamanhoTerminal, 35);
  EXPECT_EQ(frm->LarguraComandos, 385);
  EXPECT_EQ(frm->TimeoutComando, 12);
  EXPECT_EQ(frm->cbNomeArquivoItems, Textos{"Teste"});
  EXPECT_EQ(frm->cbNomeRegistrador, "COO");
  for (std::uint32_t i = 0; i < cheque.total_parametros; ++i)
    EXPECT_EQ(frm->Campos[Cheque()].parametros[i], "texto \xE9 " + std::to_string(i));
  // The connection opened again on the saved channel; the first toggle only reset the state. Then the
  // reading button clicked twice: one reading at once.
  EXPECT_TRUE(Conectado(*frm));
  EXPECT_EQ(frm->cbCanalECF, "COM2");
  EXPECT_EQ(driver->chamadas.front(), "SetaArquivoLog " + pasta.file("Teste.RMT"));
  EXPECT_EQ(driver->chamadas[1], "IniciaDriver COM2");
  EXPECT_EQ(std::count(driver->chamadas.begin(), driver->chamadas.end(), "LeRegistrador COO"), 1);
  EXPECT_TRUE(frm->LeRegistrador.Checked);
  EXPECT_EQ(frm->btLeRegistradorAutomaticoHint, "Desativar Leitura Autom\xE1tica");
  EXPECT_EQ(frm->lbValorRegistrador.texto, "17");
  // During start-up only the connection is written.
  EXPECT_EQ(teste::LinhasDeEvento(pasta.file("Teste.RMT")).back(),
            "; 05/03/2024 09:08:07.006 - Nova conex\xE3o com o ECF da porta COM2");
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(Inicio, AChannelTypedButNeverConnectedIsNotSaved) {
  auto frm = NovaJanela();
  IniciaTfrmMain(*frm, armazem);
  cbCanalECFChange(*frm, "COM3");
  armazem.escritas.clear();
  EncerraTfrmMain(*frm, armazem);
  EXPECT_EQ(armazem.escritas[7], "ECF Conectado=int:0");
  EXPECT_EQ(armazem.escritas[8], "Canal do ECF=text:");
}

// The program's end closes the workbook link as its menu item does: the workbook is saved, and a
// save that fails is told instead of passing unnoticed.
TEST_F(Inicio, TheEndSavesTheWorkbookAndTellsWhenItCannot) {
  std::ofstream(kArquivoPlanilha) << "pasta de teste";
  for (const bool salva : {true, false}) {
    teste::PastaMemoria planilha;
    planilha.Define("MaxItensCupom", 1, 30.0);
    auto frm = NovaJanela();
    IniciaTfrmMain(*frm, armazem);
    LigaPlanilha(*frm, [&] {
      auto p = std::make_unique<teste::PlanilhaMemoria>(planilha);
      p->salva = salva;
      return p;
    });
    ConexaoExcel(*frm);
    ASSERT_TRUE(frm->PlanilhaConectada);
    interacao.mensagens.clear();
    EncerraTfrmMain(*frm, armazem);
    if (salva) {
      EXPECT_FALSE(frm->PlanilhaConectada);  // saved and closed
      EXPECT_TRUE(interacao.mensagens.empty());
    } else {
      EXPECT_EQ(interacao.mensagens,
                Textos{"N\xE3o foi poss\xEDvel gravar a planilha; a conex\xE3o com ela continua aberta."});
    }
  }
}

TEST_F(Inicio, ARunThatNeverConnectedLeavesTheNextOneTheDesignChannel) {
  {
    auto primeira = NovaJanela();
    IniciaTfrmMain(*primeira, armazem);
    EncerraTfrmMain(*primeira, armazem);
  }
  auto frm = NovaJanela();
  IniciaTfrmMain(*frm, armazem);
  // No channel was ever opened, so none is restored: the box keeps "Emul" and a click connects there.
  EXPECT_EQ(frm->cbCanalECF, "Emul");
  EXPECT_EQ(frm->CanalConectado, "");
  ConnectExecute(*frm);
  ASSERT_NE(driver, nullptr);
  EXPECT_EQ(driver->chamadas.back(), "IniciaDriver Emul");
  EXPECT_EQ(frm->CanalConectado, "Emul");
}

TEST_F(Inicio, ASavedConnectionThatFailsIsReportedOnceAndAutomaticReadingIsOff) {
  Salva("ECF Conectado", 1);
  Salva("Canal do ECF", "COM9");
  Salva("Leitura Registrador Ap\xF3s Comando", 1);
  handle = -1;
  auto frm = NovaJanela();
  IniciaTfrmMain(*frm, armazem);
  EXPECT_EQ(interacao.mensagens, Textos{"Canal COM9 n\xE3o pode ser aberto pela DLL."});
  EXPECT_FALSE(Conectado(*frm));
  EXPECT_FALSE(frm->LeRegistrador.Checked);
  EXPECT_EQ(std::count_if(driver->chamadas.begin(), driver->chamadas.end(),
                          [](const std::string& c) { return c.rfind("LeRegistrador", 0) == 0; }),
            0);
  EXPECT_EQ(std::count(driver->chamadas.begin(), driver->chamadas.end(), "EncerraDriver 4"), 0);
}

TEST_F(Inicio, RecordingSavedOffStopsWithoutALine) {
  Salva("Grava\xE7\xE3o de Comandos Ativada", 0);
  auto frm = NovaJanela();
  IniciaTfrmMain(*frm, armazem);
  EXPECT_EQ(driver->chamadas, Textos{"SetaArquivoLog "});
  EXPECT_FALSE(frm->GravandoComandos);
  EXPECT_FALSE(frm->GravaComandos.Checked);
  EXPECT_TRUE(frm->ExecutaArquivoComandos.Enabled);
  EXPECT_TRUE(frm->SelecionaArquivoComandos.Enabled);
  EXPECT_EQ(frm->Caption, DescricaoDoPrograma());
  EncerraTfrmMain(*frm, armazem);
  EXPECT_FALSE(compat::file_exists(kArquivoInicial)) << "nothing is recorded";
}

// While the library logs into the command file the name box is closed, so a name typed at start-up
// cannot send the terminal's own lines to another file than the library's; stopping opens it.
TEST_F(Inicio, TheFileNameBoxIsClosedWhileTheRestoredRecordingRuns) {
  const struct {
    int salvo;  // -1: nothing saved (first run)
    bool aberta;
  } casos[] = {{-1, false}, {1, false}, {0, true}};
  for (const auto& caso : casos) {
    if (caso.salvo >= 0) Salva("Grava\xE7\xE3o de Comandos Ativada", static_cast<std::uint32_t>(caso.salvo));
    auto frm = NovaJanela();
    IniciaTfrmMain(*frm, armazem);
    EXPECT_EQ(frm->cbNomeArquivoEnabled, caso.aberta) << caso.salvo;
    ParaGravacaoExecute(*frm);
    EXPECT_TRUE(frm->cbNomeArquivoEnabled) << caso.salvo;
  }
}

TEST_F(Inicio, ASelectionOutsideTheListCountsAsNone) {
  Salva("Registrador Selecionado", 205);
  auto frm = NovaJanela();
  IniciaTfrmMain(*frm, armazem);
  EXPECT_EQ(frm->cbNomeRegistradorItemIndex, -1);
  EXPECT_EQ(frm->cbNomeRegistrador, "");
  armazem.escritas.clear();
  EncerraTfrmMain(*frm, armazem);
  EXPECT_EQ(armazem.escritas[12], "Registrador Selecionado=int:-1");
}

TEST_F(Inicio, AnotherMinorVersionKeepsItsOwnSettings) {
  ArmazemRegistro outra;
  ASSERT_EQ(outra.Abre(ChaveConfiguracao({VersaoDoPrograma().major, VersaoDoPrograma().minor + 1, 0, 0})), 0);
  ASSERT_EQ(outra.EscreveInteiro("Timeout Execu\xE7\xE3o Comando", 77), 0);
  ASSERT_EQ(outra.EscreveInteiro("Largura da Tela", 640), 0);
  outra.Fecha();
  auto frm = NovaJanela();
  IniciaTfrmMain(*frm, armazem);
  EXPECT_EQ(frm->TimeoutComando, 5);
  EXPECT_EQ(frm->Geometria.largura, 800);
  EXPECT_EQ(armazem.escritas.size(), 5u) << "a first run for this version";
}

TEST_F(Inicio, AStoreThatCannotBeUsedIsReportedOnceAndTheWindowKeepsItsDefaults) {
  armazem.falha = compat::kRegistryAccessDenied;
  auto frm = NovaJanela();
  IniciaTfrmMain(*frm, armazem);
  ASSERT_EQ(interacao.mensagens.size(), 1u);
  EXPECT_EQ(interacao.mensagens[0].rfind("As configura\xE7\xF5\x65s do programa n\xE3o puderam ser lidas", 0), 0u)
      << interacao.mensagens[0];
  EXPECT_EQ(frm->Geometria.largura, 800);
  EXPECT_EQ(frm->TimeoutComando, 5);
  EXPECT_TRUE(frm->GravandoComandos);

  interacao.mensagens.clear();
  EncerraTfrmMain(*frm, armazem);
  ASSERT_EQ(interacao.mensagens.size(), 1u);
  EXPECT_EQ(interacao.mensagens[0].rfind("As configura\xE7\xF5\x65s do programa n\xE3o puderam ser gravadas", 0), 0u)
      << interacao.mensagens[0];
}

}  // namespace
}  // namespace tarnel
