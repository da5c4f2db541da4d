// The example workbook (examples/planilha/PlanilhaECF.txt, generated into the build folder) under the
// embedded engine and the workbook macros: a capture, a small sale written as the mirroring writes
// it, and the totals the workbook then computes, worked out by hand below.
#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <cstdint>
#include <string>

#include "spreadsheet/embutido/pasta_embutida.h"
#include "spreadsheet/macros_planilha.h"
#include "spreadsheet/registros_lx.h"

namespace tarnel {
namespace {

class PlanilhaECF : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string erro;
    pasta_ = PastaEmbutida::Carrega(PLANILHA_ECF, erro);
    ASSERT_NE(pasta_, nullptr) << erro;
  }
  ResultadoMacro Macro(const std::string& nome, std::vector<ValorPlanilha> argumentos = {}) {
    return ExecutaMacroPlanilha(*pasta_, estado_, nome, argumentos);
  }
  bool Define(const std::string& nome, ValorPlanilha valor) {
    ResultadoMacro r = Macro("DefineValor", {nome, std::move(valor)});
    return r.executada && std::get<bool>(r.valor);
  }
  // The value as the X-reading check sees it: its shortest decimal form (so 0.30000000000000004, a
  // sum of binary fractions, would show and fail).
  std::string Le(const std::string& nome) {
    ResultadoMacro r = Macro("ObtemValor", {nome});
    if (!r.erro.empty()) return r.erro;
    if (!std::get<bool>(Macro("StatusLeitura").valor)) return nome + ": não existe";
    if (const auto* texto = std::get_if<std::string>(&r.valor)) return "\"" + *texto + "\"";
    char numero[64];
    return std::string(numero, std::to_chars(numero, numero + sizeof numero, std::get<double>(r.valor)).ptr);
  }

  std::unique_ptr<PastaEmbutida> pasta_;
  EstadoMacros estado_;
};

TEST_F(PlanilhaECF, ConvencoesDaPasta) {
  EXPECT_EQ(std::get<std::int32_t>(Macro("MaxItensCupom").valor), 30);
  for (const char* nome : {"ItemAliquota", "Quantidade", "PrecoUnitario", "ItemDepartamento", "ItemValorTotal",
                           "ItemValorAcrescimo", "ItemValorDesconto", "ItemValorCancelamentoAcrescimo",
                           "ItemValorCancelamento", "ItemQuantidadeCancelamento"})
    EXPECT_EQ(pasta_->TamanhoNome(nome), 30) << nome;
  for (auto [nome, tamanho] : {std::pair{"AliquotaICMS", 16}, {"PercentualAliquota", 16}, {"NomeMeioPagamento", 15},
                               {"PermiteVinculado", 15}, {"NomeDepartamento", 20}, {"NomeNaoFiscal", 15},
                               {"TipoNaoFiscal", 15}, {"NomeGerencial", 20}, {"CERCupom", 20},
                               {"TotalDocMeioPagamento", 15}, {"PosTotalDiaValorAliquota", 16}, {"PosCON", 15}})
    EXPECT_EQ(pasta_->TamanhoNome(nome), tamanho) << nome;
  // Every name the clearing macro lists exists, so a capture ends by clearing the coupon area.
  EXPECT_EQ(std::get<bool>(Macro("LimpaAreaDadosCupom").valor), true);
  // A computed value keeps its formula when the capture writes the printer's figure to it.
  EXPECT_TRUE(Define("TotalDocLiquido", 5.0));
  EXPECT_EQ(Le("TotalDocLiquido"), "0");
}

// Every register of the X-reading table can be captured into the workbook and read back as the check
// reads it: "Pos" + name for entries up to 150, the name itself after.
TEST_F(PlanilhaECF, CadaRegistroDaLeituraXTemSeuNome) {
  for (int k = 0; k < kTotalRegistrosLX; ++k) {
    const std::string& nome = RegistroLX(k);
    EXPECT_TRUE(Define(nome, 0.0)) << nome;
    const std::string conferido = k <= kUltimoRegistroPos ? "Pos" + nome : nome;
    const std::string lido = Le(conferido);
    EXPECT_TRUE(!lido.empty() && (lido[0] == '0' || lido[0] == '-' || std::isdigit(static_cast<unsigned char>(lido[0]))))
        << conferido << ": " << lido;
  }
}

TEST_F(PlanilhaECF, VendaCapturadaEEspelhadaDaOsTotaisDaImpressora) {
  // Totalizers (as ConfiguraTotalizadores writes them): two ICMS aliquots, an ISSQN one and two more
  // ICMS ones whose taxes fall on an exact half cent.
  const struct {
    const char* tipo;
    double percentual, dia;
  } aliquotas[] = {{"T", 18, 50}, {"T", 7, 0}, {"S", 5, 0}, {"T", 2, 16.25}, {"T", 2, 16.75}};
  for (int k = 0; k < 5; ++k) {
    const std::string i = "[" + std::to_string(k) + "]";
    ASSERT_TRUE(Define("AliquotaICMS" + i, std::string(aliquotas[k].tipo)));
    ASSERT_TRUE(Define("PercentualAliquota" + i, aliquotas[k].percentual));
    ASSERT_TRUE(Define("TotalDiaValorAliquota" + i, aliquotas[k].dia));  // captured
  }
  ASSERT_TRUE(Define("NomeMeioPagamento[0]", std::string("Dinheiro")));
  ASSERT_TRUE(Define("NomeMeioPagamento[1]", std::string("Cartao")));
  // The capture.
  for (auto [nome, valor] : {std::pair{"GT", 1000.0}, {"TotalDiaVendaBruta", 100.0}, {"TotalDiaVendaLiquida", 80.0},
                             {"TotalDiaMeioPagamento[0]", 30.0}, {"TotalDiaDinheiro", 30.0}, {"COO", 10.0},
                             {"CCF", 5.0}, {"TotalDiaQuantidadeVendasDepartamento[1]", 2.5}, {"TotalDocDinheiro", 9.0}})
    ASSERT_TRUE(Define(nome, valor)) << nome;
  ASSERT_EQ(std::get<bool>(Macro("LimpaAreaDadosCupom").valor), true);

  // The sale as mirrored: 1,5 x 3,333 (cut to 4,99) with a 0,99 discount; 2 x 10,10 with a 0,80
  // increase; 1 x 7,00 on ISSQN; 2,51 off the subtotal; 20,00 cash and 15,00 by card.
  for (auto [nome, valor] : {std::pair{"TipoDoc", ValorPlanilha(std::string("CF"))}, {"deltaCOO", 1.0},
                             {"deltaCCF", 1.0}, {"ItemAliquota[0]", std::string("T00")}, {"Quantidade[0]", 1.5},
                             {"PrecoUnitario[0]", 3.333}, {"ItemDepartamento[0]", 1.0},
                             {"ItemAliquota[1]", std::string("T01")}, {"Quantidade[1]", 2.0},
                             {"PrecoUnitario[1]", 10.1}, {"ItemDepartamento[1]", -1.0},
                             {"ItemAliquota[2]", std::string("S02")}, {"Quantidade[2]", 1.0},
                             {"PrecoUnitario[2]", 7.0}, {"ItemValorDesconto[0]", 0.99},
                             {"ItemValorAcrescimo[1]", 0.8}, {"SubtotalDesconto", -2.51},
                             {"TotalDocDinheiro", 20.0}, {"TotalDocMeioPagamento[1]", 15.0}})
    ASSERT_TRUE(Define(nome, valor)) << nome;

  // Nets: T00 4,00, T01 21,00, S02 7,00. The subtotal's -2,51 on the ICMS buckets (25,00): T00 gets
  // -251 x 400 / 2500 = -40,16 cut to -40 cents, T01 -210,84 cut to -210, and the cent the cuts leave
  // goes to the largest, T01: 3,60 and 18,89.
  const struct {
    const char* nome;
    const char* valor;
  } esperados[] = {
      {"ItemValorTotal[0]", "4.99"},
      {"PosTotalDiaVendaBruta", "132.99"},  // 100 + 4,99 + 20,20 + 0,80 + 7,00
      {"PosGT", "1032.99"},
      {"PosTotalDiaDescontos", "3.5"},       // 0,99 + 2,51
      {"PosTotalDiaVendaLiquida", "109.49"},  // 80 + 32,99 - 3,50
      {"PosTotalDiaAcrescimos", "0.8"},
      {"TotalDocAliquota[0]", "3.6"},
      {"TotalDocAliquota[1]", "18.89"},
      {"PosTotalDiaValorAliquota[0]", "53.6"},
      {"PosTotalDiaValorAliquota[1]", "18.89"},
      {"PosTotalDiaValorAliquota[2]", "7"},
      {"PosTotalDiaISSQN", "7"},
      {"TotalDiaImpostoAliquota[0]", "9.65"},  // 53,60 x 18 % = 9,648
      {"TotalDiaImpostoAliquota[1]", "1.32"},  // 18,89 x 7 % = 1,3223
      {"TotalDiaImpostoAliquota[2]", "0.35"},
      {"TotalDiaImpostoAliquota[3]", "0.32"},  // 16,25 x 2 % = 0,325: the half goes to the even cent
      {"TotalDiaImpostoAliquota[4]", "0.34"},  // 16,75 x 2 % = 0,335
      {"TotalDiaImpostoICMS", "11.63"},
      {"TotalDiaImpostoISSQN", "0.35"},
      {"TotalDiaValorTributadoICMS", "105.49"},  // 53,60 + 18,89 + 16,25 + 16,75
      {"TotalDocLiquido", "29.49"},
      {"TotalDocValorPago", "35"},
      {"TotalDocTroco", "5.51"},
      {"PosTotalDiaTroco", "5.51"},
      {"PosTotalDiaDinheiro", "50"},
      {"PosTotalDiaMeioPagamento[0]", "50"},
      {"PosTotalDiaMeioPagamento[1]", "15"},
      {"PosTotalDiaValorVendasDepartamento[1]", "4"},
      {"PosTotalDiaQuantidadeVendasDepartamento[1]", "4"},
      {"PosCOO", "11"},
      {"PosCCF", "6"},
      {"VendaLiquidaICMS", "25"},
  };
  for (const auto& e : esperados) EXPECT_EQ(Le(e.nome), e.valor) << e.nome;
}

// Cancellations and a non-fiscal document, from a capture of zeros; the expected figures are the ones
// the emulated printer reads after the same commands.
TEST_F(PlanilhaECF, CancelamentosEDocumentoNaoFiscal) {
  ASSERT_TRUE(Define("AliquotaICMS[0]", std::string("T")));
  ASSERT_TRUE(Define("AliquotaICMS[1]", std::string("T")));
  ASSERT_TRUE(Define("NomeMeioPagamento[0]", std::string("Dinheiro")));
  ASSERT_TRUE(Define("NomeNaoFiscal[0]", std::string("Suprimento")));
  // 3 x 3,20 with a 0,50 increase, then cancelled whole (its increase with it); 2 x 8,49, one of them
  // cancelled; 10,00 cash.
  for (auto [nome, valor] : {std::pair{"TipoDoc", ValorPlanilha(std::string("CF"))},
                             {"ItemAliquota[0]", std::string("T00")}, {"Quantidade[0]", 3.0},
                             {"PrecoUnitario[0]", 3.2}, {"ItemAliquota[1]", std::string("T01")},
                             {"Quantidade[1]", 2.0}, {"PrecoUnitario[1]", 8.49}, {"ItemValorAcrescimo[0]", 0.5},
                             {"ItemValorCancelamentoAcrescimo[0]", 0.5}, {"ItemQuantidadeCancelamento[0]", 3.0},
                             {"ItemValorCancelamento[0]", 9.6}, {"ItemQuantidadeCancelamento[1]", 1.0},
                             {"ItemValorCancelamento[1]", 8.49}, {"TotalDocDinheiro", 10.0}})
    ASSERT_TRUE(Define(nome, valor)) << nome;
  const struct {
    const char* nome;
    const char* valor;
  } cupom[] = {
      {"PosTotalDiaVendaBruta", "27.08"},         // 9,60 + 0,50 + 16,98
      {"PosTotalDiaCancelamentosICMS", "18.59"},  // 9,60 + 0,50 + 8,49
      {"PosTotalDiaVendaLiquida", "8.49"},
      {"PosTotalDiaAcrescimos", "0.5"},
      {"PosTotalDiaValorAliquota[0]", "0"},
      {"PosTotalDiaValorAliquota[1]", "8.49"},
      {"PosTotalDiaTroco", "1.51"},
      {"TotalDocLiquido", "8.49"},
  };
  for (const auto& e : cupom) EXPECT_EQ(Le(e.nome), e.valor) << e.nome;

  // A 25,00 non-fiscal item of totalizer 0, paid in cash.
  for (auto [nome, valor] : {std::pair{"TipoDoc", ValorPlanilha(std::string("CNF"))},
                             {"ItemAliquota[2]", std::string("NF0")}, {"Quantidade[2]", std::int32_t{1}},
                             {"PrecoUnitario[2]", 25.0}, {"TotalDocDinheiro", 35.0}})
    ASSERT_TRUE(Define(nome, valor)) << nome;
  const struct {
    const char* nome;
    const char* valor;
  } nao_fiscal[] = {
      {"PosCON[0]", "1"},
      {"PosTotalDiaNaoFiscal[0]", "25"},
      {"PosTotalDiaOperacoesNaoFiscais", "25"},
      {"PosTotalDiaDinheiro", "35"},
      {"PosTotalDiaVendaBruta", "27.08"},  // non-fiscal items are no sale
      {"TotalDocLiquido", "25"},
  };
  for (const auto& e : nao_fiscal) EXPECT_EQ(Le(e.nome), e.valor) << e.nome;
}

}  // namespace
}  // namespace tarnel
