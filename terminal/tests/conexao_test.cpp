// The Connect toggle: loading, refusals, the action's look, channel changes and the event lines.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "driver/conexao.h"
#include "scripts/grava_eventos.h"
#include "test_support/fixed_clock.h"
#include "test_support/temp_folder.h"
#include "apoio/linhas_arquivo.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using teste::DriverRoteirizado;
using teste::InteracaoRoteirizada;
using Textos = std::vector<std::string>;

class Conexao : public ::testing::Test {
 protected:
  Conexao() : frm(interacao) {
    frm.CarregaDriver = [this]() -> std::unique_ptr<Driver> {
      ++carregamentos;
      if (!biblioteca_existe) return nullptr;
      auto d = std::make_unique<DriverRoteirizado>();
      d->handle = handle;
      driver = d.get();
      return d;
    };
    frm.ArquivoComandos = pasta.file("Comandos.RMT");
    GravaEventosConexao(frm);
  }

  // The event lines the command file holds, after its header.
  Textos Arquivo() const { return teste::LinhasDeEvento(frm.ArquivoComandos); }

  test_support::FixedClock relogio{test_support::moment(2024, 3, 5, 9, 8, 7, 6)};
  InteracaoRoteirizada interacao;
  TfrmMain frm;
  DriverRoteirizado* driver = nullptr;
  bool biblioteca_existe = true;
  std::int32_t handle = 4;
  int carregamentos = 0;
  test_support::TempFolder pasta{"tarnel-conexao"};
};

TEST_F(Conexao, StartsDisconnectedWithTheDesignCaption) {
  EXPECT_FALSE(Conectado(frm));
  EXPECT_EQ(frm.Connect.Caption, "&Conectar com o ECF");
  EXPECT_EQ(frm.Connect.Hint, "Conectar-se com o ECF");
  EXPECT_FALSE(frm.btExecutaEnabled);
  EXPECT_EQ(frm.cbCanalECF, "Emul");
  EXPECT_EQ(frm.cbCanalECFItems, (Textos{"Emul", "USB", "COM1", "COM2", "COM3", "COM4"}));
}

TEST_F(Conexao, MissingLibraryIsReportedAndTriedAgainNextTime) {
  biblioteca_existe = false;
  ConnectExecute(frm);
  EXPECT_EQ(interacao.mensagens, (Textos{"Não foi possível carregar a DLL de comunicação DROVIK.DLL"}));
  EXPECT_FALSE(Conectado(frm));
  EXPECT_FALSE(frm.btExecutaEnabled);
  biblioteca_existe = true;
  ConnectExecute(frm);
  EXPECT_TRUE(Conectado(frm));
  EXPECT_EQ(carregamentos, 2);
}

TEST_F(Conexao, RefusedChannelIsReportedAsTyped) {
  handle = -1;
  frm.cbCanalECF = "com9 ";
  ConnectExecute(frm);
  EXPECT_EQ(interacao.mensagens, (Textos{"Canal com9  não pode ser aberto pela DLL."}));
  EXPECT_EQ(driver->chamadas, (Textos{"IniciaDriver com9 "}));
  EXPECT_FALSE(Conectado(frm));
  EXPECT_EQ(frm.HandleDriver, -1);
  EXPECT_EQ(frm.Connect.Caption, "&Conectar com o ECF");
}

TEST_F(Conexao, ConnectAndDisconnectChangeTheLookAndWriteEventLines) {
  frm.GravandoComandos = true;
  ConnectExecute(frm);
  EXPECT_TRUE(Conectado(frm));
  EXPECT_TRUE(frm.btExecutaEnabled);
  EXPECT_EQ(frm.HandleDriver, 4);
  EXPECT_EQ(frm.CanalConectado, "Emul");
  EXPECT_EQ(frm.Connect.Caption, "&Desconectar do ECF");
  EXPECT_EQ(frm.Connect.Hint, "Desconectar-se do ECF");
  EXPECT_EQ(frm.Connect.ImageIndex, 0);

  frm.cbCanalECF = "COM2";  // typed while connected but not yet committed
  ConnectExecute(frm);
  EXPECT_FALSE(Conectado(frm));
  EXPECT_FALSE(frm.btExecutaEnabled);
  EXPECT_EQ(frm.Connect.Caption, "&Conectar ao ECF");
  EXPECT_EQ(frm.Connect.ImageIndex, 1);
  EXPECT_EQ(driver->chamadas, (Textos{"IniciaDriver Emul", "EncerraDriver 4"}));
  // The closed connection's channel is written, then the box's text becomes the last channel.
  EXPECT_EQ(Arquivo(), (Textos{"; 05/03/2024 09:08:07.006 - Nova conexão com o ECF da porta Emul",
                               "; 05/03/2024 09:08:07.006 - Desconexão com o ECF da porta Emul"}));
  EXPECT_EQ(frm.CanalConectado, "COM2");
  EXPECT_EQ(carregamentos, 1) << "the library stays loaded across connections";
}

TEST_F(Conexao, DuringStartUpDisconnectingNeitherClosesNorWrites) {
  frm.GravandoComandos = true;
  ConnectExecute(frm);
  const Textos antes = Arquivo();
  frm.Iniciando = true;
  ConnectExecute(frm);
  EXPECT_FALSE(Conectado(frm));
  EXPECT_EQ(driver->chamadas, (Textos{"IniciaDriver Emul"}));
  EXPECT_EQ(Arquivo(), antes);
}

TEST_F(Conexao, LastChannelFollowsTheBoxOnlyOnARecordedDisconnectionOutsideStartUp) {
  struct Caso {
    bool gravando, iniciando;
    const char* canal_conectado;
  };
  const Caso casos[] = {{true, false, "COM2"}, {false, false, "Emul"}, {true, true, "Emul"}};
  for (const Caso& caso : casos) {
    frm.cbCanalECF = "Emul";
    frm.Iniciando = false;
    ConnectExecute(frm);
    frm.cbCanalECF = "COM2";
    frm.GravandoComandos = caso.gravando;
    frm.Iniciando = caso.iniciando;
    ConnectExecute(frm);
    EXPECT_FALSE(Conectado(frm));
    EXPECT_EQ(frm.CanalConectado, caso.canal_conectado) << caso.gravando << caso.iniciando;
  }
}

TEST_F(Conexao, ChannelChangeReconnectsOnlyWhileConnected) {
  cbCanalECFChange(frm, "COM1");
  EXPECT_EQ(carregamentos, 0);
  EXPECT_FALSE(Conectado(frm));

  ConnectExecute(frm);
  cbCanalECFChange(frm, "COM3");
  EXPECT_EQ(driver->chamadas, (Textos{"IniciaDriver COM1", "EncerraDriver 4", "IniciaDriver COM3"}));
  EXPECT_TRUE(Conectado(frm));
  EXPECT_EQ(frm.CanalConectado, "COM3");
  EXPECT_TRUE(Arquivo().empty()) << "nothing is written while not recording";
}

TEST_F(Conexao, ReleasingClosesTheChannelAndUnloads) {
  ConnectExecute(frm);
  Textos chamadas;
  driver->ao_descarregar = [&](const Textos& recebidas) { chamadas = recebidas; };
  LiberaModuloDriver(frm);
  EXPECT_EQ(frm.ModuloDriver, nullptr);
  EXPECT_EQ(chamadas, (Textos{"IniciaDriver Emul", "EncerraDriver 4"}));
  EXPECT_FALSE(Conectado(frm));
}

}  // namespace
}  // namespace tarnel
