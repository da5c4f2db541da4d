// The workbook link: connecting and disconnecting, the decimal texts, and the mirroring of each
// kind of command into the workbook's names.
#include "spreadsheet/ligacao_planilha.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "apoio/ligacao_memoria.h"
#include "compat/path.h"
#include "quorbal/catalogo.h"
#include "spreadsheet/comandos_espelhados.h"
#include "spreadsheet/converte_decimal.h"
#include "spreadsheet/espelha_comando.h"

namespace tarnel {
namespace {

using Textos = std::vector<std::string>;

TEST(ConverteDecimal, CasasCortadasOuCompletadas) {
  struct Caso {
    const char* texto;
    int d;
    double valor;
    const char* escrito;  // TextoDecimal of the value
  } casos[] = {
      {"12,5", 2, 12.5, "12,5"},
      {"1.234,567", 2, 1234.56, "1234,56"},
      {"100000,00", 2, 100000, "100000"},
      {"1.234", 2, 1234, "1234"},  // without a comma the digits are an integer
      {"-0,019", 2, -0.01, "-0,01"},
      {"2,5", 3, 2.5, "2,5"},
      {"0,0001", 4, 0.0001, "0,0001"},
      {"", 2, 0, "0"},
      {"-", 2, 0, "0"},
  };
  for (const Caso& c : casos) {
    EXPECT_DOUBLE_EQ(ConverteDecimal(c.texto, c.d), c.valor) << c.texto;
    EXPECT_EQ(TextoDecimal(ConverteDecimal(c.texto, c.d)), c.escrito) << c.texto;
  }
  // Digits beyond what 64 bits hold keep their weight instead of overflowing or shrinking the number.
  const struct {
    const char* texto;
    int d;
    double valor;
  } longos[] = {
      {"99999999999999999999999,99", 2, 1e23},
      {"1234567890123456789012", 2, 1234567890123456789012.0},
      {"-12.345.678.901.234.567.890,12", 2, -12345678901234567890.12},
      {"000000000000000000001,5", 2, 1.5},
  };
  for (const auto& c : longos) EXPECT_NEAR(ConverteDecimal(c.texto, c.d), c.valor, std::abs(c.valor) * 1e-15) << c.texto;
}

TEST(ConverteDecimal, Indicadores) {
  for (const char* sim : {"Y", "s", " t", "V", "1", "Sim"}) EXPECT_TRUE(IndicadorVerdadeiro(sim)) << sim;
  for (const char* nao : {"", " ", "N", "0", "F", "x"}) EXPECT_FALSE(IndicadorVerdadeiro(nao)) << nao;
}

class Ligacao : public ::testing::Test, public teste::JanelaComPlanilha {
 protected:
  std::string Caminho() const { return compat::current_folder() + compat::path_separator() + "PlanilhaECF.xls"; }
  LigacaoPlanilha& Link() { return tarnel::Ligacao(frm); }
};

TEST_F(Ligacao, ConectaEDesconecta) {
  ConexaoExcel(frm);
  ASSERT_TRUE(frm.PlanilhaConectada);
  EXPECT_TRUE(frm.ConexaoExcel.Checked);
  EXPECT_EQ(aberta->aberta, Caminho());
  EXPECT_FALSE(aberta->alertas);
  EXPECT_TRUE(aberta->visivel);
  EXPECT_EQ(Link().LimiteItens, 30);
  EXPECT_EQ(Link().ItemAtual, 1);
  EXPECT_EQ(Link().Referencia("DefineValor"), "'PlanilhaECF.xls'!DefineValor");
  EXPECT_EQ(Link().NomeMotor(), "mem\xF3ria");
  EXPECT_TRUE(interacao.mensagens.empty());

  teste::PlanilhaMemoria* planilha = aberta;
  ConexaoExcel(frm);
  EXPECT_FALSE(frm.PlanilhaConectada);
  EXPECT_FALSE(frm.ConexaoExcel.Checked);
  EXPECT_FALSE(Link().Conectada());
  (void)planilha;  // released with the link's application
}

// A workbook that cannot be saved is not closed: what was mirrored into it stays until a save works.
TEST_F(Ligacao, DesconexaoSemGravarMantemAPlanilhaAberta) {
  ConexaoExcel(frm);
  ASSERT_TRUE(frm.PlanilhaConectada);
  teste::PlanilhaMemoria* planilha = aberta;
  planilha->salva = false;
  ConexaoExcel(frm);
  EXPECT_TRUE(frm.PlanilhaConectada);
  EXPECT_TRUE(frm.ConexaoExcel.Checked);
  EXPECT_TRUE(Link().Conectada());
  EXPECT_TRUE(planilha->visivel);
  EXPECT_EQ(interacao.mensagens,
            Textos{"N\xE3o foi poss\xEDvel gravar a planilha; a conex\xE3o com ela continua aberta."});

  planilha->salva = true;
  ConexaoExcel(frm);
  EXPECT_FALSE(frm.PlanilhaConectada);
  EXPECT_FALSE(frm.ConexaoExcel.Checked);
  EXPECT_EQ(interacao.mensagens.size(), 1u);
}

TEST_F(Ligacao, FalhasDeConexaoDitasEmCaixa) {
  std::remove("PlanilhaECF.xls");
  ConexaoExcel(frm);
  abre = false;
  std::ofstream("PlanilhaECF.xls") << "x";
  ConexaoExcel(frm);
  EXPECT_EQ(interacao.mensagens, (Textos{"Planilha '" + Caminho() + "' n\xE3o encontrada!",
                                        "N\xE3o foi poss\xEDvel abrir '" + Caminho() + "'!\nfalha simulada"}));
  EXPECT_FALSE(frm.PlanilhaConectada);
  EXPECT_FALSE(Link().Conectada());
}

TEST_F(Ligacao, AcresceDeltaConectaESoma) {
  pasta.Celula("deltaCOO") = 2.0;
  AcresceDelta(frm, "COO", 3);
  EXPECT_TRUE(frm.PlanilhaConectada);
  EXPECT_EQ(pasta.Celula("deltaCOO"), ValorPlanilha(5.0));
  std::remove("PlanilhaECF.xls");
  ConexaoExcel(frm);
  AcresceDelta(frm, "COO", 1);  // cannot connect: nothing, and only the connection's own message
  EXPECT_EQ(pasta.Celula("deltaCOO"), ValorPlanilha(5.0));
  EXPECT_EQ(interacao.mensagens.size(), 1u);
}

// Mirroring: the command's fields typed, then the hook the execute path calls.
class Espelho : public Ligacao {
 protected:
  Espelho() {
    ConexaoExcel(frm);
    pasta.escritas.clear();
  }
  void Executa(quorbal::Comando comando, std::vector<std::pair<std::string, std::string>> parametros) {
    const int indice = quorbal::Posicao(comando);
    frm.LimpaCampos(indice);
    for (const auto& [nome, texto] : parametros) ASSERT_TRUE(frm.DefineParametro(indice, nome, texto)) << nome;
    EspelhaComando(frm, indice, PosicaoEspelhado(indice));
  }
  ValorPlanilha& C(const std::string& nome, int i = 0) { return pasta.Celula(nome, i); }
};

using quorbal::Comando;
using V = ValorPlanilha;

TEST_F(Espelho, RotulosDeAliquotaDaVenda) {
  C("AliquotaICMS", 3) = std::string("T");
  struct Caso {
    const char* codigo;
    const char* rotulo;
  } casos[] = {{"-2", "F1"}, {"-3", "I1"}, {"-4", "N1"}, {"-11", "FS1"}, {"-12", "IS1"},
               {"-13", "NS1"}, {"3", "T03"}, {"16", "??"}, {"-5", "??"}};
  int item = 0;
  for (const Caso& c : casos) {
    Executa(Comando::VendeItem, {{"CodAliquota", c.codigo}, {"Quantidade", "1,5"}, {"PrecoUnitario", "2,349"}});
    EXPECT_EQ(C("ItemAliquota", item), V(std::string(c.rotulo))) << c.codigo;
    EXPECT_EQ(C("Quantidade", item), V(1.5));
    EXPECT_EQ(C("PrecoUnitario", item), V(2.349));
    ++item;
  }
  EXPECT_EQ(Link().ItemAtual, item + 1);
}

TEST_F(Espelho, VendaPorPercentualEDepartamentoPorNome) {
  C("PercentualAliquota", 4) = 18.0;
  C("AliquotaICMS", 4) = std::string("S");
  C("PercentualAliquota", 5) = 18.0;
  C("AliquotaICMS", 5) = std::string("T");
  C("NomeDepartamento", 2) = std::string("Bebidas");
  Executa(Comando::VendeItem, {{"PercentualAliquota", "18,00"}, {"AliquotaICMS", "Y"}, {"NomeDepartamento", "Bebidas"}});
  EXPECT_EQ(C("ItemAliquota", 0), V(std::string("T05")));
  EXPECT_EQ(C("ItemDepartamento", 0), V(std::int32_t{2}));
  Executa(Comando::VendeItem, {{"PercentualAliquota", "7,00"}, {"AliquotaICMS", "N"}, {"CodDepartamento", "7"}});
  EXPECT_EQ(C("ItemAliquota", 1), V(std::string("??")));
  EXPECT_EQ(C("ItemDepartamento", 1), V(std::int32_t{7}));
}

TEST_F(Espelho, AjustesDeItemSemNumeroEOCancelamentoDoUltimo) {
  Executa(Comando::VendeItem, {{"CodAliquota", "-2"}, {"Quantidade", "1"}, {"PrecoUnitario", "10"}});
  Executa(Comando::VendeItem, {{"CodAliquota", "-2"}, {"Quantidade", "1"}, {"PrecoUnitario", "20"}});
  C("ItemValorTotal", 1) = 20.0;
  // Without NumItem: the last item sold (2); a percentage of its total, rounded by the workbook.
  Executa(Comando::AcresceItemFiscal, {{"ValorPercentual", "-12,34"}});
  EXPECT_EQ(C("ItemValorDesconto", 1), V(2.47));
  EXPECT_EQ(Link().Memoria.SinalUltimoAcrescimo, -1);
  Executa(Comando::AcresceItemFiscal, {{"ValorAcrescimo", "1,50"}, {"NumItem", "1"}});
  EXPECT_EQ(C("ItemValorAcrescimo", 0), V(1.5));
  // The cancellation without NumItem goes to the last adjusted item (1), whose increase is undone.
  Executa(Comando::AcresceItemFiscal, {{"Cancelar", "S"}});
  EXPECT_EQ(C("ItemValorCancelamentoAcrescimo", 0), V(1.5));
  Executa(Comando::AcresceItemFiscal, {{"Cancelar", "1"}, {"NumItem", "2"}});
  EXPECT_EQ(C("ItemValorDesconto", 1), V(std::string()));
}

TEST_F(Espelho, CancelamentoDeItem) {
  Executa(Comando::VendeItem, {{"CodAliquota", "-2"}, {"Quantidade", "3"}, {"PrecoUnitario", "0,333"}, {"CodDepartamento", "0"}});
  Executa(Comando::VendeItem, {{"CodAliquota", "-2"}, {"Quantidade", "3"}, {"PrecoUnitario", "0,125"}, {"CodDepartamento", "1"}});
  C("ItemValorAcrescimo", 1) = 0.5;
  Executa(Comando::CancelaItemFiscal, {});  // the last item, all of it, rounded (department 1)
  EXPECT_EQ(C("ItemValorCancelamentoAcrescimo", 1), V(0.5));
  EXPECT_EQ(C("ItemQuantidadeCancelamento", 1), V(3.0));
  EXPECT_EQ(C("ItemValorCancelamento", 1), V(0.38));  // 0.375 rounded by NBR 5891
  Executa(Comando::CancelaItemFiscal, {{"NumItem", "1"}, {"Quantidade", "2"}});  // department 0: cut
  EXPECT_EQ(C("ItemQuantidadeCancelamento", 0), V(2.0));
  EXPECT_EQ(C("ItemValorCancelamento", 0), V(0.66));
  EXPECT_EQ(C("ItemValorDesconto", 0), V(std::string()));

  // 0,70 x 3 is 2,0999999999999996 in binary: cut, it is still the 2,10 the printer cancels.
  Executa(Comando::VendeItem, {{"CodAliquota", "-2"}, {"Quantidade", "3"}, {"PrecoUnitario", "0,70"}, {"CodDepartamento", "0"}});
  Executa(Comando::CancelaItemFiscal, {});
  EXPECT_EQ(C("ItemValorCancelamento", 2), V(2.10));
}

// A quantity is typed with three decimals in the cancellation as in the sale: the workbook cancels
// what the printer cancels.
TEST_F(Espelho, CancelamentoDeQuantidadeFracionada) {
  Executa(Comando::VendeItem, {{"CodAliquota", "-2"}, {"Quantidade", "1,250"}, {"PrecoUnitario", "10,00"}, {"CodDepartamento", "1"}});
  Executa(Comando::CancelaItemFiscal, {{"NumItem", "1"}, {"Quantidade", "0,125"}});
  EXPECT_EQ(C("ItemQuantidadeCancelamento", 0), V(0.125));
  EXPECT_EQ(C("ItemValorCancelamento", 0), V(1.25));
}

TEST_F(Espelho, ItemNaoFiscalECancelamentoDeUmaUnidade) {
  C("NomeNaoFiscal", 4) = std::string("Recarga");
  Executa(Comando::EmiteItemNaoFiscal, {{"NomeNaoFiscal", "Recarga"}, {"Valor", "15,00"}});
  EXPECT_EQ(C("Quantidade", 0), V(std::int32_t{1}));
  EXPECT_EQ(C("ItemAliquota", 0), V(std::string("NF4")));
  EXPECT_EQ(C("PrecoUnitario", 0), V(15.0));
  // After a non-fiscal item the item number alone completes the cancellation: one unit.
  Executa(Comando::CancelaItemFiscal, {{"NumItem", "1"}, {"Quantidade", "5"}});
  EXPECT_EQ(C("ItemQuantidadeCancelamento", 0), V(1.0));
}

TEST_F(Espelho, PagamentosEEstorno) {
  C("TotalDocLiquido") = 30.0;
  C("NomeMeioPagamento", 2) = std::string("Cheque");
  Executa(Comando::PagaCupom, {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "10,00"}});
  Executa(Comando::PagaCupom, {{"NomeMeioPagamento", "Cheque"}, {"Valor", "12,50"}});
  Executa(Comando::PagaCupom, {{"CodMeioPagamento", "4"}, {"Valor", "1,00"}});
  Executa(Comando::PagaCupom, {{"NomeMeioPagamento", "Vale"}, {"Valor", "9,00"}});  // unknown: nothing
  EXPECT_EQ(C("TotalDocDinheiro"), V(10.0));
  EXPECT_EQ(C("TotalDocMeioPagamento", 2), V(12.5));
  EXPECT_EQ(C("TotalDocMeioPagamento", 4), V(1.0));
  Executa(Comando::EstornaMeioPagamento,
          {{"NomeMeioPagamentoOrig", "Dinheiro"}, {"CodMeioPagamentoDestino", "2"}, {"Valor", "4,00"}});
  EXPECT_EQ(C("TotalDocDinheiro"), V(6.0));
  EXPECT_EQ(C("TotalDocMeioPagamento", 2), V(16.5));
  EXPECT_EQ(C("deltaCOO"), V(1.0));
  EXPECT_EQ(C("deltaGNF"), V(1.0));
}

// A withdrawal's payments leave the means: the workbook says so by its "SinalMeios".
TEST_F(Espelho, PagamentoDeSangriaSaiDoMeio) {
  C("TotalDocLiquido") = 30.0;
  pasta.Define("SinalMeios", 1, -1.0);
  Executa(Comando::PagaCupom, {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "30,00"}});
  Executa(Comando::PagaCupom, {{"CodMeioPagamento", "1"}, {"Valor", "2,00"}});
  EXPECT_EQ(C("TotalDocDinheiro"), V(-30.0));
  EXPECT_EQ(C("TotalDocMeioPagamento", 1), V(-2.0));
}

TEST_F(Espelho, PagamentoComLiquidoZeroCancelaOCupom) {
  C("TotalDocLiquido") = 0.0;
  C("TipoDoc") = std::string("CF");
  C("CupomAberto") = std::string("Sim");
  Executa(Comando::PagaCupom, {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "10,00"}});
  EXPECT_EQ(C("TotalDocDinheiro"), V(std::string()));
  EXPECT_EQ(C("CupomAberto"), V(std::string("Nao")));
  EXPECT_EQ(C("deltaCFC"), V(1.0));
  EXPECT_EQ(C("deltaCOO"), V(0.0));  // the coupon was still open
}

TEST_F(Espelho, CancelamentoDoCupomJaFechado) {
  Executa(Comando::AbreCupomFiscal, {});
  Executa(Comando::VendeItem, {{"CodAliquota", "-2"}, {"Quantidade", "2"}, {"PrecoUnitario", "5"}});
  C("ItemValorTotal", 0) = 10.0;
  C("ItemValorAcrescimo", 0) = 1.0;
  C("SubtotalAcrescimo") = 0.5;
  Executa(Comando::EncerraDocumento, {});
  Executa(Comando::CancelaCupom, {});
  EXPECT_EQ(C("deltaCOO"), V(2.0));
  EXPECT_EQ(C("deltaCCF"), V(2.0));
  EXPECT_EQ(C("deltaCFC"), V(1.0));
  EXPECT_EQ(C("ItemValorCancelamentoAcrescimo", 0), V(1.0));
  EXPECT_EQ(C("ItemValorCancelamento", 0), V(10.0));
  EXPECT_EQ(C("ItemQuantidadeCancelamento", 0), V(2.0));
  EXPECT_EQ(C("SubtotalCancelamentoAcrescimo"), V(0.5));
  EXPECT_EQ(C("CupomAberto"), V(std::string("Nao")));
}

TEST_F(Espelho, SubtotalSobreALiquidaOuOSubtotalNaoFiscal) {
  C("VendaLiquidaICMS") = 100.0;
  C("SubTotalCupom") = 40.0;
  Executa(Comando::AcresceSubtotal, {{"ValorPercentual", "-5,00"}});
  EXPECT_EQ(C("SubtotalDesconto"), V(-5.0));
  Executa(Comando::AcresceSubtotal, {{"Cancelar", "S"}});
  EXPECT_EQ(C("SubtotalDesconto"), V(std::string()));
  Executa(Comando::EmiteItemNaoFiscal, {{"CodNaoFiscal", "0"}, {"Valor", "40,00"}});
  Executa(Comando::AcresceSubtotal, {{"ValorPercentual", "2,50"}});
  EXPECT_EQ(C("SubtotalAcrescimo"), V(1.0));
  Executa(Comando::AcresceSubtotal, {{"Cancelar", "S"}});
  EXPECT_EQ(C("SubtotalCancelamentoAcrescimo"), V(1.0));
}

TEST_F(Espelho, ContadoresDosDocumentos) {
  struct Caso {
    Comando comando;
    std::vector<std::pair<std::string, std::string>> parametros;
    Textos contadores;  // deltas that go up by one
  } casos[] = {
      {Comando::EmiteLeituraMF, {{"Destino", "s"}}, {}},
      {Comando::EmiteLeituraMF, {}, {"COO"}},
      {Comando::EmiteLeituraFitaDetalhe, {{"Destino", "I"}}, {"COO"}},
      {Comando::EmiteLeituraX, {}, {"COO"}},
      {Comando::EmiteReducaoZ, {}, {"COO", "CRZ"}},
      {Comando::AbreCreditoDebito, {}, {"COO", "GNF", "CDC"}},
      {Comando::EstornaCreditoDebito, {}, {"COO", "GNF", "CDC"}},
      {Comando::AbreCupomNaoFiscal, {}, {"COO", "GNF"}},
      {Comando::AbreGerencial, {{"CodGerencial", "3"}}, {"COO", "GNF", "GRG"}},
  };
  for (const Caso& c : casos) {
    for (const char* contador : {"COO", "CRZ", "GNF", "CDC", "GRG"}) C(std::string("delta") + contador) = 0.0;
    Executa(c.comando, c.parametros);
    for (const char* contador : {"COO", "CRZ", "GNF", "CDC", "GRG"}) {
      const bool sobe = std::find(c.contadores.begin(), c.contadores.end(), contador) != c.contadores.end();
      EXPECT_EQ(C(std::string("delta") + contador), V(sobe ? 1.0 : 0.0))
          << quorbal::Descritor(c.comando).nome << " " << contador;
    }
  }
  EXPECT_EQ(C("CERCupom", 3), V(1.0));
  EXPECT_EQ(C("CFC"), V(std::int32_t{0}));  // the Z reading zeroes the day's cancellation counters
  EXPECT_EQ(C("TipoDoc"), V(std::string("CNF")));
}

TEST_F(Espelho, AlemDoLimiteDeItensNadaEEspelhado) {
  pasta.Celula("MaxItensCupom") = 2.0;
  ConexaoExcel(frm);
  ConexaoExcel(frm);
  for (int i = 0; i < 2; ++i)
    Executa(Comando::VendeItem, {{"CodAliquota", "-2"}, {"Quantidade", "1"}, {"PrecoUnitario", "1"}});
  pasta.escritas.clear();
  Executa(Comando::VendeItem, {{"CodAliquota", "-2"}, {"Quantidade", "1"}, {"PrecoUnitario", "1"}});
  Executa(Comando::EmiteLeituraX, {});
  EXPECT_EQ(pasta.escritas, Textos{});
  EXPECT_EQ(Link().ItemAtual, 3);
}

// A workbook that keeps documents apart lists what a new document moves and empties: the previous
// document's value goes into its "Ant" accumulator, the document's data is emptied and items are
// numbered from 1 again; at a Z what carries on takes its value after the commands and the day's
// totals go to 0. Without the lists, nothing of that happens.
TEST_F(Espelho, NovoDocumentoAcumulaOAnteriorEAReducaoZeraODia) {
  auto vende = [this] { Executa(Comando::VendeItem, {{"CodAliquota", "-2"}, {"Quantidade", "2"}, {"PrecoUnitario", "1"}}); };
  vende();
  Executa(Comando::AbreCupomFiscal, {});
  EXPECT_EQ(Link().ItemAtual, 2);
  EXPECT_EQ(C("Quantidade", 0), V(2.0));

  pasta.Define("AcumulaDocumento", 2, std::string());
  C("AcumulaDocumento", 0) = std::string("BrutaC");
  pasta.Define("BrutaC", 1, 250.0);
  pasta.Define("AntBrutaC", 1, 100.0);
  pasta.Define("AreaDocumento", 1, std::string("Quantidade"));
  pasta.Define("MantemNaReducao", 1, std::string("GT"));
  pasta.Define("ZeraNaReducao", 2, std::string("TotalDiaVendaBruta"));
  C("ZeraNaReducao", 1) = std::string("AntBrutaC");
  Executa(Comando::AbreCupomFiscal, {});
  EXPECT_EQ(C("AntBrutaC"), V(350.0));
  EXPECT_EQ(C("Quantidade", 0), V(std::string()));
  EXPECT_EQ(Link().ItemAtual, 1);
  vende();
  EXPECT_EQ(C("Quantidade", 0), V(2.0));

  C("PosGT") = 99.5;
  C("TotalDiaVendaBruta") = 12.0;
  Executa(Comando::EmiteReducaoZ, {});
  EXPECT_EQ(C("GT"), V(99.5));
  EXPECT_EQ(C("TotalDiaVendaBruta"), V(0.0));
  EXPECT_EQ(C("AntBrutaC"), V(0.0));
  EXPECT_EQ(C("Quantidade", 0), V(std::string()));
}

TEST_F(Espelho, ProprietarioZeraContadoresETotais) {
  C("COO") = 9.0;
  C("deltaCFD") = 4.0;
  Executa(Comando::DefineProprietario, {});
  EXPECT_EQ(C("COO"), V(0.0));
  EXPECT_EQ(C("deltaCFD"), V(0.0));
  EXPECT_EQ(pasta.escritas.size(), 21u);
}

}  // namespace
}  // namespace tarnel
