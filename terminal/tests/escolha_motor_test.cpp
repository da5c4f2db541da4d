// Which workbook engine the link gets: the setting, the environment variable over it, and a clear
// reason where the engine asked for is not part of this build.
#include "spreadsheet/escolha_motor.h"

#include <gtest/gtest.h>

#include "apoio/interacao_roteirizada.h"
#include "test_support/temp_folder.h"
#include "window/configuracao.h"
#include "window/versao.h"

namespace tarnel {
namespace {

class EscolhaMotor : public ::testing::Test {
 protected:
  test_support::TempFolder pasta{"escolha_motor", test_support::TempFolder::user_folders};
  void SetUp() override { pasta.unset_env(kVariavelMotorPlanilha); }
};

TEST_F(EscolhaMotor, AjusteLidoDaConfiguracaoComPadraoEmbutido) {
  teste::InteracaoRoteirizada interacao;
  ArmazemRegistro registro;
  const std::string chave = ChaveConfiguracao(VersaoDoPrograma());
  {
    SessaoConfiguracao sessao(registro, interacao);
    sessao.Abre(chave, false);
    EXPECT_EQ(LeMotorPlanilha(sessao), "embutido");
  }
  ASSERT_EQ(registro.Abre(chave), 0);
  ASSERT_EQ(registro.EscreveTexto("Motor da Planilha", "excel"), 0);
  registro.Fecha();
  SessaoConfiguracao sessao(registro, interacao);
  sessao.Abre(chave, false);
  EXPECT_EQ(LeMotorPlanilha(sessao), "excel");
}

TEST_F(EscolhaMotor, VariavelDeAmbienteVenceOAjuste) {
  struct Caso {
    const char* ajuste;
    const char* variavel;  // null: not set
    const char* motor;
  } casos[] = {
      {"embutido", nullptr, "embutido"}, {"excel", "embutido", "embutido"}, {"embutido", "Excel", "Excel"},
      {" EMBUTIDO ", nullptr, "EMBUTIDO"}, {"excel", "", "excel"},  // an empty variable counts as unset
  };
  for (const Caso& c : casos) {
    if (c.variavel != nullptr)
      pasta.set_env(kVariavelMotorPlanilha, c.variavel);
    else
      pasta.unset_env(kVariavelMotorPlanilha);
    EXPECT_EQ(EscolheMotorPlanilha(c.ajuste).motor, c.motor) << c.ajuste << " / " << (c.variavel ? c.variavel : "-");
  }
}

TEST_F(EscolhaMotor, MotorForaDestaVersaoDaFabricaNulaComMotivo) {
  const EscolhaPlanilha desconhecido = EscolheMotorPlanilha("calc");
  EXPECT_EQ(desconhecido.motivo, "Motor de planilha 'calc' desconhecido: use \"embutido\" ou \"excel\".");
  EXPECT_EQ(desconhecido.fabrica(), nullptr);
#ifndef _WIN32
  const EscolhaPlanilha ausente = EscolheMotorPlanilha("excel");
  EXPECT_EQ(ausente.motivo, "O Excel s\xF3 \xE9 usado no Windows; use o motor embutido (motor \"embutido\").");
  EXPECT_EQ(ausente.fabrica(), nullptr);
#else
  EXPECT_EQ(EscolheMotorPlanilha("excel").motivo, "");  // making an Excel instance needs Excel
#endif
  // The embedded engine is in every build, Windows too.
  const EscolhaPlanilha escolha = EscolheMotorPlanilha("embutido");
  EXPECT_EQ(escolha.motivo, "");
  auto planilha = escolha.fabrica();
  ASSERT_NE(planilha, nullptr);
  EXPECT_EQ(planilha->NomeMotor(), "motor embutido");
  EXPECT_EQ(planilha->ContaPastas(), 0);
}

}  // namespace
}  // namespace tarnel
