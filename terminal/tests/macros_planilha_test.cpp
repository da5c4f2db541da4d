#include "spreadsheet/macros_planilha.h"

#include <gtest/gtest.h>

#include "apoio/pasta_memoria.h"

namespace tarnel {
namespace {

using teste::PastaMemoria;
using teste::PlanilhaMemoria;

TEST(MacrosPlanilha, DuasCasasPelasRegrasDaImpressora) {
  struct Caso {
    double x, nbr, trunca;
  } casos[] = {
      {1.005, 1.00, 1.00},     // exactly one half after an even digit stays
      {1.015, 1.02, 1.01},     // after an odd digit goes up
      {1.0051, 1.01, 1.00},    // more than one half goes up
      {0.29, 0.29, 0.29},      // 0.29 * 100 is 28.999... in binary: the decimal form is kept
      {-2.675, -2.68, -2.67},  // negative amounts mirror the positive ones
      {12.3456, 12.35, 12.34},
      {100000, 100000, 100000},
      // Products as the mirroring computes them carry binary noise; the amounts are the decimal ones.
      {0.7 * 3, 2.10, 2.10},            // 2.0999999999999996
      {0.7 * 1.5, 1.05, 1.05},          // 1.0499999999999998
      {1.15 * 7, 8.05, 8.05},           // 8.049999999999999
      {10.05 * 10 * 0.01, 1.00, 1.00},  // 1.0050000000000001: one half exactly, after an even digit
      {1.1 * 7, 7.70, 7.70},            // 7.700000000000001
      {123456789012345.67, 123456789012345.67, 123456789012345.67},  // large amounts keep their cents
  };
  for (const Caso& c : casos) {
    EXPECT_DOUBLE_EQ(ArredondaNBR5891(c.x), c.nbr) << c.x;
    EXPECT_DOUBLE_EQ(TruncaDuasCasas(c.x), c.trunca) << c.x;
  }
}

TEST(MacrosPlanilha, NomesDeValoresEReferencias) {
  std::string base, pasta, macro;
  int indice = -1;
  EXPECT_TRUE(SeparaNomeValor("TotalDocAliquota[3]", base, indice));
  EXPECT_EQ(base, "TotalDocAliquota");
  EXPECT_EQ(indice, 3);
  EXPECT_TRUE(SeparaNomeValor("COO", base, indice));
  EXPECT_EQ(indice, 0);
  for (const char* ruim : {"COO[", "COO[]", "COO[-1]", "COO[1x]", "[1]", "COO[1]x", ""})
    EXPECT_FALSE(SeparaNomeValor(ruim, base, indice)) << ruim;
  EXPECT_TRUE(SeparaReferenciaMacro("'PlanilhaECF.xls'!DefineValor", pasta, macro));
  EXPECT_EQ(pasta, "PlanilhaECF.xls");
  EXPECT_EQ(macro, "DefineValor");
  EXPECT_FALSE(SeparaReferenciaMacro("PlanilhaECF.xls!DefineValor", pasta, macro));
}

class Macros : public ::testing::Test {
 protected:
  Macros() : planilha(pasta) {
    pasta.Define("MaxItensCupom", 1, 30.0);
    pasta.Define("Quantidade", 3);
    pasta.Define("COO", 1, 7.0);
    pasta.Define("deltaCOO", 1, 2.0);
    pasta.Define("AreaDadosCupom", 2);
    pasta.Celula("AreaDadosCupom", 0) = std::string("Quantidade");
    pasta.Celula("AreaDadosCupom", 1) = std::string("deltaCOO");
    planilha.AbrePasta("PlanilhaECF.xls");
  }
  ResultadoMacro Roda(const std::string& macro, std::vector<ValorPlanilha> argumentos = {}) {
    return planilha.ExecutaMacro("'PlanilhaECF.xls'!" + macro, argumentos);
  }
  PastaMemoria pasta;
  PlanilhaMemoria planilha;
};

TEST_F(Macros, ValoresLidosEEscritosPorNome) {
  EXPECT_EQ(std::get<std::int32_t>(Roda("MaxItensCupom").valor), 30);
  EXPECT_EQ(std::get<bool>(Roda("DefineValor", {std::string("Quantidade[2]"), 1.5}).valor), true);
  EXPECT_EQ(std::get<double>(pasta.Celula("Quantidade", 2)), 1.5);
  // Past the end of the range, or a name the workbook lacks: false, nothing written.
  EXPECT_EQ(std::get<bool>(Roda("DefineValor", {std::string("Quantidade[3]"), 1.0}).valor), false);
  EXPECT_EQ(std::get<bool>(Roda("DefineValor", {std::string("Inexiste"), 1.0}).valor), false);
  EXPECT_EQ(pasta.escritas.size(), 1u);

  EXPECT_EQ(std::get<double>(Roda("ObtemValor", {std::string("coo")}).valor), 7.0);
  EXPECT_EQ(std::get<bool>(Roda("StatusLeitura").valor), true);
  EXPECT_TRUE(ValorVazio(Roda("ObtemValor", {std::string("Inexiste[1]")}).valor));
  EXPECT_EQ(std::get<bool>(Roda("StatusLeitura").valor), false);

  pasta.erros["COO[0]"] = "Totais!B2: a função ROUND não é calculada pelo motor embutido";
  ResultadoMacro falha = Roda("ObtemValor", {std::string("COO")});
  EXPECT_EQ(falha.erro, "Totais!B2: a função ROUND não é calculada pelo motor embutido");
  EXPECT_EQ(std::get<bool>(Roda("StatusLeitura").valor), false);
}

TEST_F(Macros, LimpaAreaEsvaziaCadaNomeListado) {
  pasta.Celula("Quantidade", 1) = 4.0;
  EXPECT_EQ(std::get<bool>(Roda("LimpaAreaDadosCupom").valor), true);
  EXPECT_TRUE(ValorVazio(pasta.Celula("Quantidade", 1)));
  EXPECT_TRUE(ValorVazio(pasta.Celula("deltaCOO")));
  EXPECT_EQ(std::get<double>(pasta.Celula("COO")), 7.0);
  // A listed name the workbook lacks makes the macro answer false.
  pasta.Celula("AreaDadosCupom", 1) = std::string("SemNome");
  EXPECT_EQ(std::get<bool>(Roda("LimpaAreaDadosCupom").valor), false);
}

TEST_F(Macros, NomeCalculadoGuardaSuaFormula) {
  pasta.Define("NomesCalculados", 1, std::string("TotalDocLiquido"));
  pasta.Define("TotalDocLiquido", 1, 12.5);  // what its formula gives
  EXPECT_EQ(std::get<bool>(Roda("DefineValor", {std::string("totaldocliquido"), 99.0}).valor), true);
  EXPECT_EQ(std::get<double>(pasta.Celula("TotalDocLiquido")), 12.5);
  EXPECT_TRUE(pasta.escritas.empty());
  // Past its range it does not exist, listed or not.
  EXPECT_EQ(std::get<bool>(Roda("DefineValor", {std::string("TotalDocLiquido[1]"), 1.0}).valor), false);
}

TEST_F(Macros, MacroDesconhecidaOuOutraPasta) {
  EXPECT_FALSE(Roda("Inexiste").executada);
  EXPECT_FALSE(planilha.ExecutaMacro("'Outra.xls'!ObtemValor", {std::string("COO")}).executada);
  EXPECT_TRUE(planilha.ExecutaMacro("'planilhaecf.XLS'!ObtemValor", {std::string("COO")}).executada);
  EXPECT_DOUBLE_EQ(std::get<double>(Roda("NBR5891", {2.675}).valor), 2.68);
  EXPECT_DOUBLE_EQ(std::get<double>(Roda("Trunca", {std::int32_t{3}}).valor), 3.0);
}

}  // namespace
}  // namespace tarnel
