// The register reader's controls: the automatic-reading button with its hints and command-file lines,
// the register box and the index field of an indexed register.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "apoio/linhas_arquivo.h"
#include "registers/le_registrador.h"
#include "registers/leitura_registrador.h"
#include "scripts/grava_eventos.h"
#include "test_support/fixed_clock.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using teste::DriverRoteirizado;
using Textos = std::vector<std::string>;

class LeRegistrador : public ::testing::Test {
 protected:
  LeRegistrador() : frm(interacao) {
    auto d = std::make_unique<DriverRoteirizado>();
    driver = d.get();
    frm.ModuloDriver = std::move(d);
    frm.btExecutaEnabled = true;
    frm.ArquivoComandos = pasta.file("Comandos.RMT");
    GravaEventosLeituraAutomatica(frm);
    driver->resultado_registrador = 0;
    driver->comando_registrador = "LeInteiro";
    driver->retornos = {{"ValorInteiro", "17"}};
  }

  Textos Leituras() const {
    Textos lidas;
    for (const std::string& chamada : driver->chamadas)
      if (chamada.rfind("LeRegistrador ", 0) == 0) lidas.push_back(chamada.substr(14));
    return lidas;
  }

  test_support::FixedClock relogio{test_support::moment(2024, 3, 5, 9, 8, 7, 6)};
  test_support::TempFolder pasta{"tarnel-registrador"};
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm;
  DriverRoteirizado* driver = nullptr;
};

TEST_F(LeRegistrador, ClickSwitchesTheHintAndWritesTheLineOnlyWhileRecordingOutsideStartUp) {
  struct Caso {
    bool gravando, iniciando;
    Textos linhas;
  };
  const Caso casos[] = {
      {true, false,
       {"; 05/03/2024 09:08:07.006 - Leitura de Registrador Autom\xE1tico ligado",
        "; 05/03/2024 09:08:07.006 - Leitura de Registrador Autom\xE1tico desligado"}},
      {false, false, {}},
      {true, true, {}},
  };
  for (const Caso& caso : casos) {
    std::remove(frm.ArquivoComandos.c_str());
    frm.GravandoComandos = caso.gravando;
    frm.Iniciando = caso.iniciando;
    btLeRegistradorAutomaticoClick(frm);
    EXPECT_TRUE(frm.LeRegistrador.Checked);
    EXPECT_TRUE(frm.btLeRegistradorAutomaticoDown);
    EXPECT_EQ(frm.btLeRegistradorAutomaticoHint, "Desativar Leitura Autom\xE1tica");
    btLeRegistradorAutomaticoClick(frm);
    EXPECT_FALSE(frm.LeRegistrador.Checked);
    EXPECT_FALSE(frm.btLeRegistradorAutomaticoDown);
    EXPECT_EQ(frm.btLeRegistradorAutomaticoHint, "Ativar Leitura Autom\xE1tica");
    EXPECT_EQ(teste::LinhasDeEvento(frm.ArquivoComandos), caso.linhas) << caso.gravando << caso.iniciando;
  }
}

TEST_F(LeRegistrador, SwitchingOnReadsAtOnceAndSwitchingOffReadsNothing) {
  frm.cbNomeRegistrador = "COO";
  btLeRegistradorAutomaticoClick(frm);
  EXPECT_EQ(Leituras(), Textos{"COO"});
  EXPECT_EQ(frm.lbValorRegistrador.texto, "17");
  EXPECT_FALSE(frm.lbValorRegistrador.erro);
  btLeRegistradorAutomaticoClick(frm);
  LeRegistradorExecute(frm);
  EXPECT_EQ(Leituras(), Textos{"COO"});
  EXPECT_EQ(frm.lbValorRegistrador.texto, "17") << "switching off leaves the last value";
}

TEST_F(LeRegistrador, TypingIntoTheBoxReadsEveryKeystrokeOnlyWhileAutomatic) {
  frm.lbValorRegistrador = {"antigo", true};
  cbNomeRegistradorChange(frm, "C");
  EXPECT_TRUE(Leituras().empty());
  EXPECT_EQ(frm.lbValorRegistrador.texto, "");
  EXPECT_FALSE(frm.lbValorRegistrador.erro);
  EXPECT_EQ(frm.cbNomeRegistradorItemIndex, -1);

  frm.LeRegistrador.Checked = true;
  driver->resultado_registrador = -1;
  cbNomeRegistradorChange(frm, "CO");
  EXPECT_EQ(frm.lbValorRegistrador.texto, "Registrador inexiste para esta vers\xE3o de protocolo!");
  EXPECT_TRUE(frm.lbValorRegistrador.erro);
  driver->resultado_registrador = 0;
  cbNomeRegistradorChange(frm, "coo");
  EXPECT_EQ(Leituras(), (Textos{"CO", "coo"}));
  EXPECT_EQ(frm.cbNomeRegistradorItems[frm.cbNomeRegistradorItemIndex], "COO");
  EXPECT_EQ(frm.lbValorRegistrador.texto, "17");
}

TEST_F(LeRegistrador, AnIndexedRegisterIsReadWithTheIndexField) {
  EXPECT_TRUE(RegistradorIndexado("TotalDiaValorAliquota"));
  EXPECT_TRUE(RegistradorIndexado("cer"));
  EXPECT_FALSE(RegistradorIndexado("COO"));
  EXPECT_FALSE(RegistradorIndexado("CER[0]"));
  EXPECT_FALSE(RegistradorIndexado(""));

  frm.LeRegistrador.Checked = true;
  cbNomeRegistradorChange(frm, "CER");
  ebIndiceRegistradorChange(frm, "3");
  cbNomeRegistradorChange(frm, "COO");
  EXPECT_EQ(Leituras(), (Textos{"CER[0]", "CER[3]", "COO"}));
  EXPECT_EQ(frm.Campos[frm.IndiceComando("LeInteiro")].parametros[0], "COO");
}

}  // namespace
}  // namespace tarnel
