// A whole sales day with every register checked against figures computed by hand, then the Z and
// the next day.
#include "apoio.h"

namespace ecf::teste {
namespace {

class DiaDeVendas : public Bancada {
 protected:
  void Prepara() {
    Ok("DefineProprietario", {{"CNPJ", "12.345.678/0001-95"}, {"InscricaoEstadual", "123456789"},
                              {"InscricaoMunicipal", "999"}, {"Senha", "1234"}});
    EXPECT_EQ(Retorno(Ok("DefineDepartamento", {{"NomeDepartamento", "Mercearia"}}), "CodDepartamento"), "0");
    EXPECT_EQ(Retorno(Ok("DefineDepartamento", {{"NomeDepartamento", "Bebidas"}}), "CodDepartamento"), "1");
    EXPECT_EQ(Retorno(Ok("DefineNaoFiscal", {{"NomeNaoFiscal", "Suprimento"}, {"TipoNaoFiscal", "S"}}), "CodNaoFiscal"), "0");
    EXPECT_EQ(Retorno(Ok("DefineGerencial", {{"NomeGerencial", "Geral"}}), "CodGerencial"), "0");
    EXPECT_EQ(Retorno(Ok("DefineAliquota", {{"PercentualAliquota", "1200"}}), "CodAliquotaProgramavel"), "3");
  }

  // Coupon 1: 21,00 (18 %, 10 % off) + 11,98 (7 %, cancelled) + 12,99 (substitution) + 1,00 on
  // the subtotal, paid 50,00 in cash.
  void Cupom1() {
    Ok("AbreCupomFiscal");
    Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Arroz"}, {"Quantidade", "2"}, {"PrecoUnitario", "10,50"},
                     {"CodAliquota", "0"}, {"CodDepartamento", "0"}});
    Ok("VendeItem", {{"CodProduto", "002"}, {"NomeProduto", "Feijao"}, {"Quantidade", "1,5"}, {"PrecoUnitario", "7,99"},
                     {"CodAliquota", "1"}});
    Ok("VendeItem", {{"CodProduto", "003"}, {"NomeProduto", "Refrigerante"}, {"Quantidade", "3"},
                     {"PrecoUnitario", "4,333"}, {"CodAliquota", "-2"}, {"NomeDepartamento", "Bebidas"}});
    Ok("AcresceItemFiscal", {{"Cancelar", "N"}, {"NumItem", "1"}, {"ValorPercentual", "-10"}});
    Ok("CancelaItemFiscal", {{"NumItem", "2"}});
    Ok("AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "1,00"}});
    Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "50"}});
    Ok("EncerraDocumento", {{"TextoPromocional", "Obrigado"}});
  }

  // Coupon 2: 30,00 (ISSQN 5 %) + 2 x 8,75 (12 %, one cancelled), 5 % off the subtotal, paid 20,00
  // by card and 20,00 in cash.
  void Cupom2() {
    Ok("AbreCupomFiscal", {{"NomeConsumidor", "Maria"}});
    Ok("VendeItem", {{"CodProduto", "004"}, {"NomeProduto", "Servico"}, {"Quantidade", "1"}, {"PrecoUnitario", "30"},
                     {"CodAliquota", "2"}});
    Ok("VendeItem", {{"CodProduto", "005"}, {"NomeProduto", "Cafe"}, {"Quantidade", "2"}, {"PrecoUnitario", "8,75"},
                     {"PercentualAliquota", "1200"}, {"AliquotaICMS", "S"}});
    Ok("CancelaItemFiscal", {{"NumItem", "2"}, {"Quantidade", "1"}});
    Ok("AcresceSubtotal", {{"Cancelar", "N"}, {"ValorPercentual", "-5"}});
    Ok("PagaCupom", {{"CodMeioPagamento", "1"}, {"Valor", "20"}});
    Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "20"}});
    Ok("EncerraDocumento");
  }
};

TEST_F(DiaDeVendas, RegistradoresConferemComOCalculoAMao) {
  Prepara();
  EXPECT_EQ(Inteiro("COO"), "0");
  EXPECT_EQ(Inteiro("ContadorProprietarios"), "2");

  Cupom1();
  EXPECT_EQ(Moeda("TotalDocBruto"), "46,97");
  EXPECT_EQ(Moeda("TotalDocCancelamentoICMS"), "11,98");
  EXPECT_EQ(Moeda("TotalDocDescontos"), "2,10");
  EXPECT_EQ(Moeda("TotalDocAcrescimos"), "1,00");
  EXPECT_EQ(Moeda("TotalDocLiquido"), "32,89");
  // The 1,00 on the subtotal is shared 0,60 / 0,40 between 18,90 at 18 % and 12,99 in substitution.
  EXPECT_EQ(Moeda("TotalDocAliquota[0]"), "19,50");
  EXPECT_EQ(Moeda("TotalDocSubstituicaoTributariaICMS"), "13,39");
  EXPECT_EQ(Moeda("TotalDocDinheiro"), "50,00");
  EXPECT_EQ(Moeda("TotalDocMeioPagamento[0]"), "50,00");
  EXPECT_EQ(Moeda("TotalDocValorPago"), "50,00");
  EXPECT_EQ(Moeda("TotalDocTroco"), "17,11");
  EXPECT_EQ(Inteiro("ContadorDocUltimoItemVendido"), "1");

  Cupom2();
  EXPECT_EQ(Moeda("TotalDocLiquido"), "38,31");
  EXPECT_EQ(Moeda("TotalDocISSQN"), "30,00");
  EXPECT_EQ(Moeda("TotalDocTroco"), "1,69");
  EXPECT_EQ(Moeda("TotalDocMeioPagamento[1]"), "20,00");

  // Coupon 3, cancelled after closing.
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "006"}, {"NomeProduto", "Pao"}, {"Quantidade", "10"}, {"PrecoUnitario", "0,35"},
                   {"CodAliquota", "0"}});
  Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "3,50"}});
  Ok("EncerraDocumento");
  Ok("CancelaCupom");

  // Non-fiscal receipt, managerial report, voucher of coupon 2's card payment, X reading to the host.
  Ok("AbreCupomNaoFiscal");
  Ok("EmiteItemNaoFiscal", {{"NomeNaoFiscal", "Suprimento"}, {"Valor", "100"}});
  Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "100"}});
  Ok("EncerraDocumento");
  Ok("AbreGerencial", {{"CodGerencial", "0"}});
  // A report is closed, not cancelled: the refusal says only that.
  EXPECT_EQ(Exec("AbreCupomFiscal").circunstancia, "Há um relatório gerencial aberto (COO 6); encerre-o antes");
  Ok("ImprimeTexto", {{"TextoLivre", "Relatorio do dia"}});
  Ok("EncerraDocumento");
  Ok("AbreCreditoDebito", {{"COO", "2"}, {"CodMeioPagamento", "1"}});
  Ok("ImprimeTexto", {{"TextoLivre", "Via do cliente"}});
  Ok("EncerraDocumento");
  Ok("EmiteLeituraX", {{"Destino", "S"}});

  EXPECT_EQ(Inteiro("COO"), "8");
  EXPECT_EQ(Inteiro("CCF"), "4");
  EXPECT_EQ(Inteiro("GNF"), "3");
  EXPECT_EQ(Inteiro("GRG"), "1");
  EXPECT_EQ(Inteiro("CDC"), "1");
  EXPECT_EQ(Inteiro("CFC"), "1");
  EXPECT_EQ(Inteiro("NFC"), "0");
  EXPECT_EQ(Inteiro("CRZ"), "0");
  EXPECT_EQ(Inteiro("CON[0]"), "1");
  EXPECT_EQ(Inteiro("CER[0]"), "1");
  EXPECT_EQ(Inteiro("COOInicioDia"), "1");
  EXPECT_EQ(Indicador("DiaAberto"), "1");
  EXPECT_EQ(Retorno(Ok("LeData", {{"NomeData", "DataAbertura"}}), "ValorData"), "15/03/2024");

  EXPECT_EQ(Moeda("GT"), "97,97");
  EXPECT_EQ(Moeda("TotalDiaVendaBruta"), "97,97");
  EXPECT_EQ(Moeda("TotalDiaCancelamentosICMS"), "24,23");
  EXPECT_EQ(Moeda("TotalDiaCancelamentosISSQN"), "0,00");
  EXPECT_EQ(Moeda("TotalDiaCancelamentoItens"), "20,73");
  EXPECT_EQ(Moeda("TotalDiaDescontos"), "2,54");
  EXPECT_EQ(Moeda("TotalDiaDescontosItens"), "2,10");
  EXPECT_EQ(Moeda("TotalDiaAcrescimos"), "1,00");
  EXPECT_EQ(Moeda("TotalDiaAcrescimosItens"), "0,00");
  EXPECT_EQ(Moeda("TotalDiaVendaLiquida"), "71,20");
  EXPECT_EQ(Moeda("TotalDiaValorAliquota[0]"), "19,50");
  EXPECT_EQ(Moeda("TotalDiaValorAliquota[1]"), "0,00");
  EXPECT_EQ(Moeda("TotalDiaValorAliquota[2]"), "30,00");
  EXPECT_EQ(Moeda("TotalDiaValorAliquota[3]"), "8,31");
  EXPECT_EQ(Moeda("TotalDiaSubstituicaoTributariaICMS"), "13,39");
  EXPECT_EQ(Moeda("TotalDiaISSQN"), "30,00");
  EXPECT_EQ(Moeda("TotalDiaValorTributadoICMS"), "27,81");
  EXPECT_EQ(Moeda("TotalDiaValorTributadoISSQN"), "30,00");
  // 18 % of 19,50 = 3,51; 5 % of 30,00 = 1,50; 12 % of 8,31 = 0,9972 -> 1,00.
  EXPECT_EQ(Moeda("TotalDiaImpostoAliquota[0]"), "3,51");
  EXPECT_EQ(Moeda("TotalDiaImpostoAliquota[2]"), "1,50");
  EXPECT_EQ(Moeda("TotalDiaImpostoAliquota[3]"), "1,00");
  EXPECT_EQ(Moeda("TotalDiaImpostoICMS"), "4,51");
  EXPECT_EQ(Moeda("TotalDiaImpostoISSQN"), "1,50");
  EXPECT_EQ(Moeda("TotalDiaMeioPagamento[0]"), "170,00");
  EXPECT_EQ(Moeda("TotalDiaMeioPagamento[1]"), "20,00");
  EXPECT_EQ(Moeda("TotalDiaDinheiro"), "170,00");
  EXPECT_EQ(Moeda("TotalDiaTroco"), "18,80");
  EXPECT_EQ(Moeda("TotalDiaValorEmCaixa"), "151,20");
  EXPECT_EQ(Moeda("TotalDiaValorRecebido"), "190,00");
  EXPECT_EQ(Moeda("TotalDiaNaoFiscal[0]"), "100,00");
  EXPECT_EQ(Moeda("TotalDiaOperacoesNaoFiscais"), "100,00");
  EXPECT_EQ(Moeda("TotalDiaValorVendasDepartamento[0]"), "18,90");
  EXPECT_EQ(Moeda("TotalDiaValorVendasDepartamento[1]"), "12,99");
  EXPECT_EQ(Moeda("TotalDiaQuantidadeVendasDepartamento[0]"), "2,000");
  EXPECT_EQ(Moeda("TotalDiaQuantidadeVendasDepartamento[1]"), "3,000");
  EXPECT_EQ(Moeda("TotalDocBruto"), "0,00");  // the last document is the X reading

  relogio_.Ajusta(2024, 3, 15, 22, 0, 0);
  Ok("EmiteReducaoZ");
  EXPECT_EQ(Inteiro("COO"), "9");
  EXPECT_EQ(Inteiro("CRZ"), "1");
  EXPECT_EQ(Inteiro("COOReducao"), "9");
  EXPECT_EQ(Inteiro("CFC"), "0");
  EXPECT_EQ(Inteiro("CDC"), "0");
  EXPECT_EQ(Inteiro("CCF"), "4");
  EXPECT_EQ(Inteiro("GNF"), "3");
  EXPECT_EQ(Moeda("VendaBrutaReducao"), "97,97");
  EXPECT_EQ(Moeda("CancelamentosICMSReducao"), "24,23");
  EXPECT_EQ(Moeda("DescontosReducao"), "2,54");
  EXPECT_EQ(Moeda("OperacoesNaoFiscaisReducao"), "100,00");
  EXPECT_EQ(Moeda("TotalAliquota00Reducao"), "19,50");
  EXPECT_EQ(Moeda("TotalAliquota03Reducao"), "8,31");
  EXPECT_EQ(Moeda("Aliquota00Reducao"), "18,00");
  EXPECT_EQ(Moeda("Aliquota03Reducao"), "12,00");
  EXPECT_EQ(Indicador("Aliquota00ICMSReducao"), "1");
  EXPECT_EQ(Indicador("Aliquota02ICMSReducao"), "0");
  EXPECT_EQ(Retorno(Ok("LeData", {{"NomeData", "DataReducao"}}), "ValorData"), "15/03/2024");
  EXPECT_EQ(Retorno(Ok("LeHora", {{"NomeHora", "HoraReducao"}}), "ValorHora"), "22:00:00");
  EXPECT_EQ(Moeda("GT"), "97,97");
  EXPECT_EQ(Moeda("GTInicial"), "97,97");
  EXPECT_EQ(Moeda("TotalDiaVendaBruta"), "0,00");
  EXPECT_EQ(Moeda("TotalDiaMeioPagamento[0]"), "0,00");
  EXPECT_EQ(Indicador("DiaAberto"), "0");
  EXPECT_EQ(Indicador("DiaFechado"), "1");

  // The rest of the day is closed.
  Recusa("ErroDiaFechado", "AbreCupomFiscal");
  Recusa("ErroDiaFechado", "EmiteReducaoZ");

  // The next day starts clean.
  relogio_.Ajusta(2024, 3, 16, 9, 0, 0);
  EXPECT_EQ(Indicador("DiaFechado"), "0");
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Arroz"}, {"Quantidade", "1"}, {"PrecoUnitario", "10,50"},
                   {"CodAliquota", "0"}});
  EXPECT_EQ(Inteiro("COO"), "10");
  EXPECT_EQ(Inteiro("CCF"), "5");
  EXPECT_EQ(Inteiro("COOInicioDia"), "10");
  EXPECT_EQ(Moeda("TotalDiaVendaBruta"), "10,50");
  EXPECT_EQ(Moeda("GT"), "108,47");
  EXPECT_EQ(Moeda("TotalDiaCancelamentosICMS"), "0,00");
  EXPECT_EQ(Inteiro("CON[0]"), "1");  // operation counters run on across days
}

TEST_F(DiaDeVendas, ZPendenteBloqueiaAteAReducao) {
  Prepara();
  Cupom1();
  relogio_.Ajusta(2024, 3, 16, 8, 0, 0);
  EXPECT_EQ(Inteiro("EstadoFiscal"), "8");
  Recusa("ErroZPendente", "AbreCupomFiscal");
  Recusa("ErroZPendente", "AbreGerencial");
  Ok("EmiteLeituraX");  // readings are still possible
  Ok("EmiteReducaoZ");
  // The Z closed the 15th; the 16th is open for business.
  EXPECT_EQ(Retorno(Ok("LeData", {{"NomeData", "DataReducao"}}), "ValorData"), "16/03/2024");
  Ok("AbreCupomFiscal");
  EXPECT_EQ(Retorno(Ok("LeData", {{"NomeData", "DataAbertura"}}), "ValorData"), "16/03/2024");
}

TEST_F(DiaDeVendas, ProntaParaVenderNoPrimeiroDia) {
  // A fresh printer sells at once with its own owner, header, aliquots and means of payment.
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "1"}, {"NomeProduto", "Teste"}, {"Quantidade", "3"}, {"PrecoUnitario", "1,99"},
                   {"CodAliquota", "0"}});
  Ok("PagaCupom", {{"NomeMeioPagamento", "Cartao"}, {"Valor", "5,97"}});
  Ok("EncerraDocumento");
  EXPECT_EQ(Moeda("TotalDiaMeioPagamento[1]"), "5,97");
  EXPECT_EQ(Moeda("TotalDiaImpostoAliquota[0]"), "1,07");  // 18 % of 5,97 = 1,0746
  Resposta a = Ok("LeAliquota", {{"CodAliquotaProgramavel", "1"}});
  EXPECT_EQ(Retorno(a, "PercentualAliquota"), "700");
  EXPECT_EQ(Retorno(a, "AliquotaICMS"), "Y");
  EXPECT_EQ(Retorno(Ok("LeAliquota", {{"CodAliquotaProgramavel", "2"}}), "AliquotaICMS"), "N");
  EXPECT_EQ(Retorno(Ok("LeMeioPagamento", {{"CodMeioPagamentoProgram", "0"}}), "NomeMeioPagamento"), "Dinheiro");
}

TEST_F(DiaDeVendas, TudoCanceladoNoPagamentoCancelaOCupom) {
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "1"}, {"NomeProduto", "Teste"}, {"Quantidade", "1"}, {"PrecoUnitario", "5"},
                   {"CodAliquota", "0"}});
  Ok("CancelaItemFiscal");
  Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "5"}});
  EXPECT_EQ(Indicador("DocumentoAberto"), "0");
  EXPECT_EQ(Inteiro("CFC"), "1");
  EXPECT_EQ(Moeda("TotalDiaCancelamentosICMS"), "5,00");
  EXPECT_EQ(Moeda("TotalDiaMeioPagamento[0]"), "0,00");
}

TEST_F(DiaDeVendas, CancelamentoDoCupomAbertoEDeAcrescimos) {
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "1"}, {"NomeProduto", "A"}, {"Quantidade", "1"}, {"PrecoUnitario", "10"},
                   {"CodAliquota", "0"}});
  Ok("AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorAcrescimo", "0,50"}});
  Ok("AcresceItemFiscal", {{"Cancelar", "S"}});
  Ok("AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "-1"}});
  Ok("AcresceSubtotal", {{"Cancelar", "S"}});
  EXPECT_EQ(Moeda("TotalDocBruto"), "10,50");            // the increase counts in the gross sale...
  EXPECT_EQ(Moeda("TotalDocCancelamentoICMS"), "0,50");  // ...and its cancellation as a cancellation
  EXPECT_EQ(Moeda("TotalDocDescontos"), "0,00");         // a cancelled discount simply goes away
  EXPECT_EQ(Moeda("TotalDocLiquido"), "10,00");
  Ok("CancelaCupom");
  EXPECT_EQ(Inteiro("COO"), "1");  // cancelling the open coupon issues no new document
  EXPECT_EQ(Inteiro("CFC"), "1");
  EXPECT_EQ(Moeda("TotalDiaVendaBruta"), "10,50");
  EXPECT_EQ(Moeda("TotalDiaVendaLiquida"), "0,00");
  Recusa("ErroCMDOperacaoJaCancelada", "CancelaCupom");
}

// Shares of a subtotal discount over buckets of R$ 100 million: the product adjustment x bucket
// passes 64 bits, the shares do not. So does the day's tax on them.
TEST_F(DiaDeVendas, RateioDeValoresAltos) {
  Ok("AbreCupomFiscal");
  for (const char* aliquota : {"0", "1"})
    Ok("VendeItem", {{"CodProduto", "1"}, {"NomeProduto", "Lote"}, {"Quantidade", "1"},
                     {"PrecoUnitario", "100.000.000"}, {"CodAliquota", aliquota}});
  Ok("AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "-10.000.000"}});
  EXPECT_EQ(Moeda("TotalDocAliquota[0]"), "95000000,00");
  EXPECT_EQ(Moeda("TotalDocAliquota[1]"), "95000000,00");
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "190.000.000"}});
  EXPECT_EQ(Moeda("TotalDiaImpostoAliquota[0]"), "17100000,00");
  EXPECT_EQ(Moeda("TotalDiaImpostoAliquota[1]"), "6650000,00");
}

TEST_F(DiaDeVendas, NaoFiscalDeSaidaRetiraDoCaixa) {
  Ok("DefineNaoFiscal", {{"NomeNaoFiscal", "Sangria"}, {"TipoNaoFiscal", "N"}});
  Ok("AbreCupomNaoFiscal");
  Ok("EmiteItemNaoFiscal", {{"CodNaoFiscal", "0"}, {"Valor", "30"}});
  Recusa("ErroCMDValorInvalido", "PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "31"}});
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "30"}});
  Ok("EncerraDocumento");
  EXPECT_EQ(Moeda("TotalDiaMeioPagamento[0]"), "-30,00");
  EXPECT_EQ(Moeda("TotalDiaValorEmCaixa"), "-30,00");
  EXPECT_EQ(Moeda("TotalDiaValorRecebido"), "0,00");
  EXPECT_EQ(Moeda("TotalDiaNaoFiscal[0]"), "30,00");
  EXPECT_EQ(Moeda("TotalDiaVendaBruta"), "0,00");
  // The receipt can be cancelled as the last document: NFC counts it.
  Ok("CancelaCupom");
  EXPECT_EQ(Inteiro("NFC"), "1");
  EXPECT_EQ(Inteiro("GNF"), "2");
  EXPECT_EQ(Moeda("TotalDiaNaoFiscal[0]"), "0,00");
  EXPECT_EQ(Moeda("TotalDiaCancelamentosNaoFiscais"), "30,00");
}

TEST_F(DiaDeVendas, EstornoDeMeioDePagamento) {
  Prepara();
  Cupom1();
  Ok("EstornaMeioPagamento", {{"NomeMeioPagamentoOrig", "Dinheiro"}, {"CodMeioPagamentoDestino", "1"}, {"Valor", "10"}});
  EXPECT_EQ(Moeda("TotalDiaMeioPagamento[0]"), "40,00");
  EXPECT_EQ(Moeda("TotalDiaMeioPagamento[1]"), "10,00");
  EXPECT_EQ(Moeda("TotalDiaValorRecebido"), "50,00");
  EXPECT_EQ(Inteiro("COO"), "2");
  EXPECT_EQ(Inteiro("GNF"), "1");
  // The change (17,11) left the drawer in cash: 50,00 - 10,00 - 17,11 is what cash still holds.
  Recusa("ErroCMDValorEstornoInvalido", "EstornaMeioPagamento",
         {{"CodMeioPagamentoOrigem", "0"}, {"CodMeioPagamentoDestino", "1"}, {"Valor", "22,90"}});
  Ok("EstornaMeioPagamento", {{"CodMeioPagamentoOrigem", "0"}, {"CodMeioPagamentoDestino", "1"}, {"Valor", "22,89"}});
  EXPECT_EQ(Moeda("TotalDiaValorEmCaixa"), "0,00");
  EXPECT_EQ(Moeda("TotalDiaMeioPagamento[1]"), "32,89");  // the coupon's total
  Recusa("ErroCMDMeiosPagamentoOrigemDestinoIguais", "EstornaMeioPagamento",
         {{"CodMeioPagamentoOrigem", "0"}, {"NomeMeioPagamentoDest", "Dinheiro"}, {"Valor", "1"}});
}

}  // namespace
}  // namespace ecf::teste
