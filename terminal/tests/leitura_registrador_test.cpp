// Reading a register through the execute path without disturbing the user's command.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "registers/le_registrador_apos_comando.h"
#include "registers/leitura_registrador.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using teste::DriverRoteirizado;

class LeituraRegistrador : public ::testing::Test {
 protected:
  LeituraRegistrador() : frm(interacao) {
    auto d = std::make_unique<DriverRoteirizado>();
    driver = d.get();
    frm.ModuloDriver = std::move(d);
    frm.btExecutaEnabled = true;
    LeRegistradorAposComando(frm, [this] { ++leituras_seguintes; });
    // The user's own command and its outcome.
    frm.SelecionaComandoPorNome("AbreGaveta");
    frm.CodigoErro = 8000;
    frm.ebNomeErro = "ErroCMDForaDeSequencia";
    frm.ebCircunstancia = "do usuario";
  }

  void EsperaUsuarioIntacto() {
    EXPECT_EQ(frm.lbComandosItems[frm.lbComandosItemIndex], "AbreGaveta");
    EXPECT_EQ(frm.ComandoMostrado, frm.lbComandosItemIndex);
    EXPECT_EQ(frm.CodigoErro, 8000);
    EXPECT_EQ(frm.ebNomeErro, "ErroCMDForaDeSequencia");
    EXPECT_EQ(frm.ebCircunstancia, "do usuario");
  }

  teste::InteracaoRoteirizada interacao;
  TfrmMain frm;
  DriverRoteirizado* driver = nullptr;
  int leituras_seguintes = 0;
};

TEST_F(LeituraRegistrador, RefusalsShowTheirTextsInTheErrorLook) {
  const char* textos[] = {"Registrador inexiste para esta versão de protocolo!",
                          "O comando para leitura deste registrador não possui parâmetro!",
                          "O comando para leitura deste registrador não possui parâmetro [Nome...]!",
                          "Não existe comando compatível com a leitura do tipo deste registrador!"};
  for (int r = -1; r >= -4; --r) {
    driver->resultado_registrador = r;
    const auto valor = LeValorRegistrador(frm, "Xyz");
    ASSERT_TRUE(valor.has_value());
    EXPECT_EQ(valor->texto, textos[-r - 1]);
    EXPECT_TRUE(valor->erro);
  }
  driver->resultado_registrador = -9;
  EXPECT_EQ(LeValorRegistrador(frm, "Xyz")->texto, "");
  EsperaUsuarioIntacto();
}

TEST_F(LeituraRegistrador, ValueIsTheFirstReturnAndTheUserKeepsTheirCommand) {
  driver->resultado_registrador = 0;
  driver->comando_registrador = "LeInteiro";
  driver->retornos = {{"ValorInteiro", "42"}};
  const auto valor = LeValorRegistrador(frm, "COO");
  ASSERT_TRUE(valor.has_value());
  EXPECT_EQ(valor->texto, "42");
  EXPECT_FALSE(valor->erro);
  EXPECT_EQ(frm.Campos[frm.IndiceComando("LeInteiro")].parametros[0], "COO");
  EXPECT_NE(std::find(driver->chamadas.begin(), driver->chamadas.end(), "AdicionaParam NomeInteiro=[COO] 7"),
            driver->chamadas.end());
  EXPECT_EQ(leituras_seguintes, 0) << "a reading does not start another";
  EsperaUsuarioIntacto();
}

TEST_F(LeituraRegistrador, PrinterErrorGoesToTheLabelNotToTheUsersFields) {
  driver->resultado_registrador = 0;
  driver->comando_registrador = "LeMoeda";
  driver->cod_erro = 11011;
  driver->nome_erro = "ErroProtNomeRegistrador";
  driver->circunstancia = "GT?";
  const auto valor = LeValorRegistrador(frm, "GT");
  ASSERT_TRUE(valor.has_value());
  EXPECT_EQ(valor->texto, "Erro=ErroProtNomeRegistrador Circunstancia=GT?");
  EXPECT_TRUE(valor->erro);
  EsperaUsuarioIntacto();
}

TEST_F(LeituraRegistrador, ACommandTheLibraryDidNotCarryOutShowsTheErrorCodeStillHeld) {
  driver->resultado_registrador = 0;
  driver->comando_registrador = "LeInteiro";
  driver->resultado_executa = 0;
  const auto valor = LeValorRegistrador(frm, "COO");
  ASSERT_TRUE(valor.has_value());
  EXPECT_EQ(valor->texto, "Erro= Circunstancia=");
  EXPECT_TRUE(valor->erro);
  EsperaUsuarioIntacto();

  frm.CodigoErro = 0;
  EXPECT_EQ(LeValorRegistrador(frm, "COO")->texto, "");
  EXPECT_FALSE(LeValorRegistrador(frm, "COO")->erro);
}

TEST_F(LeituraRegistrador, WithoutConnectionTheReadingCommandStaysSelectedAndFilled) {
  frm.btExecutaEnabled = false;
  driver->resultado_registrador = 0;
  driver->comando_registrador = "LeTexto";
  EXPECT_FALSE(LeValorRegistrador(frm, "Cliche").has_value());
  EXPECT_EQ(frm.lbComandosItems[frm.lbComandosItemIndex], "LeTexto");
  EXPECT_EQ(frm.Campos[frm.lbComandosItemIndex].parametros[0], "Cliche");
  EXPECT_EQ(std::count(driver->chamadas.begin(), driver->chamadas.end(), "ExecutaComando [LeTexto]"), 0);
}

}  // namespace
}  // namespace tarnel
