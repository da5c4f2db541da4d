// Every refusal of the fiscal commands: the error name of the protocol table, a circumstance, and
// the state exactly as before (Bancada::Recusa checks the context file bytes).
#include "apoio.h"

namespace ecf::teste {
namespace {

class Recusas : public Bancada {
 protected:
  void Vende(const char* preco = "10", const char* quantidade = "1", const char* aliquota = "0") {
    Ok("VendeItem", {{"CodProduto", "1"}, {"NomeProduto", "Item"}, {"Quantidade", quantidade},
                     {"PrecoUnitario", preco}, {"CodAliquota", aliquota}});
  }
  void CupomPago() {
    Ok("AbreCupomFiscal");
    Vende();
    Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "10"}});
  }
};

TEST_F(Recusas, ForaDeSequencia) {
  Recusa("ErroCMDForaDeSequencia", "VendeItem",
         {{"CodProduto", "1"}, {"NomeProduto", "A"}, {"Quantidade", "1"}, {"PrecoUnitario", "1"}, {"CodAliquota", "0"}});
  Recusa("ErroCMDForaDeSequencia", "PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "1"}});
  Recusa("ErroCMDForaDeSequencia", "EncerraDocumento");
  Recusa("ErroCMDForaDeSequencia", "AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "1"}});
  Recusa("ErroCMDForaDeSequencia", "IdentificaConsumidor", {{"NomeConsumidor", "X"}});
  Recusa("ErroCMDForaDeSequencia", "ImprimeTexto", {{"TextoLivre", "x"}});
  Recusa("ErroCMDForaDeSequencia", "EmiteItemNaoFiscal", {{"CodNaoFiscal", "0"}, {"Valor", "1"}});
  Recusa("ErroCMDForaDeSequencia", "EmiteViaCreditoDebito");
  Recusa("ErroCMDCancelamentoInvalido", "CancelaCupom");
  Ok("AbreCupomFiscal");
  Recusa("ErroCMDForaDeSequencia", "AbreCupomFiscal");
  Recusa("ErroCMDForaDeSequencia", "AbreGerencial");
  Recusa("ErroCMDForaDeSequencia", "EmiteLeituraX");
  Recusa("ErroCMDForaDeSequencia", "EmiteReducaoZ");
  Recusa("ErroCMDForaDeSequencia", "ImprimeTexto", {{"TextoLivre", "x"}});
  Recusa("ErroCMDForaDeSequencia", "EmiteItemNaoFiscal", {{"CodNaoFiscal", "0"}, {"Valor", "1"}});
  Recusa("ErroCMDForaDeSequencia", "EncerraDocumento");  // no items yet
  Recusa("ErroCMDCupomTotalizadoEmZero", "PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "1"}});
  Vende();
  Recusa("ErroCMDPagamentoIncompleto", "EncerraDocumento");
  Ok("IdentificaConsumidor", {{"NomeConsumidor", "Antes"}});
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "5"}});
  Recusa("ErroCMDPagamentoIncompleto", "EncerraDocumento");
  Recusa("ErroCMDForaDeSequencia", "IdentificaConsumidor", {{"NomeConsumidor", "Entre pagamentos"}});
  Recusa("ErroCMDForaDeSequencia", "VendeItem",
         {{"CodProduto", "1"}, {"NomeProduto", "A"}, {"Quantidade", "1"}, {"PrecoUnitario", "1"}, {"CodAliquota", "0"}});
  Recusa("ErroCMDForaDeSequencia", "CancelaItemFiscal");
  Recusa("ErroCMDForaDeSequencia", "AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorAcrescimo", "1"}});
  Recusa("ErroCMDForaDeSequencia", "AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "1"}});
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "5"}});
  Recusa("ErroCMDForaDeSequencia", "PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "1"}});
  Ok("IdentificaConsumidor", {{"NomeConsumidor", "Depois"}});
  Ok("EncerraDocumento");
}

// Each item fits, but the totalizers would not hold the day. An item of 9 x 10^12 reais weighs
// 9.9 x 10^15 cents on the state (its price in thousandths and its total), so ten fit within the
// 10^17 capacity and the eleventh is refused.
TEST_F(Recusas, CapacidadeDosTotalizadores) {
  Ok("AbreCupomFiscal");
  for (int i = 0; i < 10; ++i) Vende("9000000000000");
  Recusa("ErroCMDMontanteOperacao", "VendeItem",
         {{"CodProduto", "1"}, {"NomeProduto", "Item"}, {"Quantidade", "1"}, {"PrecoUnitario", "9000000000000"},
          {"CodAliquota", "0"}});
  Vende();
}

TEST_F(Recusas, VendaDeItem) {
  Ok("AbreCupomFiscal");
  auto venda = [&](const char* erro, std::initializer_list<std::pair<const char*, const char*>> extra) {
    std::vector<std::pair<const char*, const char*>> p = {{"CodProduto", "1"}, {"NomeProduto", "A"}};
    bool tem_q = false, tem_p = false, tem_a = false;
    for (const auto& e : extra) {
      tem_q = tem_q || std::string(e.first) == "Quantidade";
      tem_p = tem_p || std::string(e.first) == "PrecoUnitario";
      tem_a = tem_a || std::string(e.first) == "CodAliquota" || std::string(e.first) == "PercentualAliquota";
    }
    for (const auto& e : extra) p.push_back(e);
    if (!tem_q) p.push_back({"Quantidade", "1"});
    if (!tem_p) p.push_back({"PrecoUnitario", "1"});
    if (!tem_a) p.push_back({"CodAliquota", "0"});
    std::string tempo = Inteiro("TempoAcionamentoPadrao");
    std::string antes = Contexto();
    std::vector<Item> itens;
    for (const auto& e : p) itens.push_back(Item{e.first, e.second, 7});
    Resposta r = impressora_->Executa("VendeItem", itens);
    EXPECT_EQ(r.nome_erro, erro) << r.circunstancia;
    EXPECT_FALSE(r.circunstancia.empty());
    Ok("EscreveInteiro", {{"NomeInteiro", "TempoAcionamentoPadrao"}, {"ValorInteiro", tempo.c_str()}});
    EXPECT_EQ(Contexto(), antes);
  };
  venda("ErroCMDQuantidadeInvalida", {{"Quantidade", "0"}});
  venda("ErroCMDQuantidadeInvalida", {{"Quantidade", "-1"}});
  venda("ErroCMDPrecoUnitarioInvalido", {{"PrecoUnitario", "0"}});
  venda("ErroCMDValorInvalido", {{"Quantidade", "0,001"}, {"PrecoUnitario", "0,001"}});
  venda("ErroCMDMontanteOperacao", {{"Quantidade", "9999999999999"}, {"PrecoUnitario", "9999999999999"}});
  venda("ErroCMDAliquotaNaoCarregada", {{"CodAliquota", "9"}});
  venda("ErroCMDAliquotaInvalida", {{"CodAliquota", "16"}});
  venda("ErroCMDAliquotaInvalida", {{"CodAliquota", "-1"}});
  venda("ErroCMDAliquotaNaoCarregada", {{"PercentualAliquota", "1700"}});
  venda("ErroCMDAliquotaNaoCarregada", {{"PercentualAliquota", "1800"}, {"AliquotaICMS", "N"}});
  venda("ErroCMDDepartamentoInvalido", {{"CodDepartamento", "20"}});
  venda("ErroCMDDepartamentoIndefinido", {{"CodDepartamento", "3"}});
  venda("ErroCMDDepartamentoNaoEncontrado", {{"NomeDepartamento", "Nenhum"}});
  Recusa("ErroCMDFaltaAliquotaVenda", "VendeItem",
         {{"CodProduto", "1"}, {"NomeProduto", "A"}, {"Quantidade", "1"}, {"PrecoUnitario", "1"}});
  Recusa("ErroCMDCodigoInvalido", "VendeItem",
         {{"CodProduto", " "}, {"NomeProduto", "A"}, {"Quantidade", "1"}, {"PrecoUnitario", "1"}, {"CodAliquota", "0"}});
  Recusa("ErroCMDDescricaoInvalida", "VendeItem",
         {{"CodProduto", "1"}, {"NomeProduto", ""}, {"Quantidade", "1"}, {"PrecoUnitario", "1"}, {"CodAliquota", "0"}});
  // Isento and não tributado of ISSQN are accepted codes.
  Vende("1", "1", "-12");
  Vende("1", "1", "-13");
  EXPECT_EQ(Moeda("TotalDocIsencaoISSQN"), "1,00");
  EXPECT_EQ(Moeda("TotalDocNaoTributadoISSQN"), "1,00");
}

TEST_F(Recusas, AjustesECancelamentosDeItem) {
  Ok("AbreCupomFiscal");
  Recusa("ErroCMDItemInexistente", "AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorAcrescimo", "1"}});
  Recusa("ErroCMDItemInexistente", "CancelaItemFiscal");
  Recusa("ErroCMDNaoHaAcrescDescItem", "AcresceItemFiscal", {{"Cancelar", "S"}});
  Vende("10");
  Vende("5");
  Recusa("ErroCMDItemInexistente", "AcresceItemFiscal", {{"Cancelar", "N"}, {"NumItem", "3"}, {"ValorAcrescimo", "1"}});
  Recusa("ErroCMDItemInexistente", "CancelaItemFiscal", {{"NumItem", "0"}});
  Recusa("ErroCMDFaltaInformarValor", "AcresceItemFiscal", {{"Cancelar", "N"}});
  Recusa("ErroCMDAcrDescInvalido", "AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorAcrescimo", "1"}, {"ValorPercentual", "1"}});
  Recusa("ErroCMDValorAcrescimoInvalido", "AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorAcrescimo", "0"}});
  Recusa("ErroCMDPercentualInvalido", "AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorPercentual", "0"}});
  Recusa("ErroCMDPercentualDescontoInvalido", "AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorPercentual", "-100"}});
  Recusa("ErroCMDPercentualAcrescimoInvalido", "AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorPercentual", "100"}});
  Recusa("ErroCMDDescontoItemInvalido", "AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorAcrescimo", "-5"}});
  Recusa("ErroCMDValorAcrescimoInvalido", "AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorPercentual", "0,01"}});
  Recusa("ErroCMDNaoHaAcrescDescItem", "AcresceItemFiscal", {{"Cancelar", "S"}, {"NumItem", "1"}});
  Ok("AcresceItemFiscal", {{"Cancelar", "N"}, {"NumItem", "1"}, {"ValorAcrescimo", "-1"}});
  Recusa("ErroCMDItemAcrescido", "AcresceItemFiscal", {{"Cancelar", "N"}, {"NumItem", "1"}, {"ValorAcrescimo", "1"}});
  Ok("AcresceItemFiscal", {{"Cancelar", "S"}});  // the last adjusted item: 1
  Recusa("ErroCMDOperacaoJaCancelada", "AcresceItemFiscal", {{"Cancelar", "S"}, {"NumItem", "1"}});
  Recusa("ErroCMDItemAcrescido", "AcresceItemFiscal", {{"Cancelar", "N"}, {"NumItem", "1"}, {"ValorAcrescimo", "1"}});
  Recusa("ErroCMDQtdCancInvalida", "CancelaItemFiscal", {{"NumItem", "2"}, {"Quantidade", "1,001"}});
  Recusa("ErroCMDQtdCancInvalida", "CancelaItemFiscal", {{"NumItem", "2"}, {"Quantidade", "0"}});
  Recusa("ErroCMDQtdCancInvalida", "CancelaItemFiscal", {{"NumItem", "2"}, {"Quantidade", "-1"}});
  Ok("CancelaItemFiscal");  // the last item, whole
  Recusa("ErroCMDItemCancelado", "CancelaItemFiscal", {{"NumItem", "2"}});
  Recusa("ErroCMDItemCancelado", "AcresceItemFiscal", {{"Cancelar", "N"}, {"NumItem", "2"}, {"ValorAcrescimo", "1"}});
}

TEST_F(Recusas, CancelamentoParcialSomaOTotalExato) {
  Ok("AbreCupomFiscal");
  Vende("0,333", "3");  // 0,999 -> 0,99
  Ok("CancelaItemFiscal", {{"Quantidade", "1"}});  // 0,333 -> 0,33
  Ok("CancelaItemFiscal", {{"Quantidade", "1"}});  // 0,33
  EXPECT_EQ(Moeda("TotalDocCancelamentoICMS"), "0,66");
  Ok("CancelaItemFiscal", {{"Quantidade", "1"}});  // the rest: 0,33 would leave 0,99 - 0,99 = 0
  EXPECT_EQ(Moeda("TotalDocCancelamentoICMS"), "0,99");
  EXPECT_EQ(Moeda("TotalDocLiquido"), "0,00");
}

TEST_F(Recusas, Subtotal) {
  Ok("AbreCupomFiscal");
  Vende("10", "1", "2");  // ISSQN only
  Recusa("ErroCMDNaoHouveVendaEmICMS", "AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "1"}});
  Recusa("ErroCMDNaoHouveOpSubtotal", "AcresceSubtotal", {{"Cancelar", "S"}});
  Vende("10");
  Recusa("ErroCMDDescontoInvalido", "AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "-10"}});
  Recusa("ErroCMDFaltaInformarValor", "AcresceSubtotal", {{"Cancelar", "N"}});
  Ok("AcresceSubtotal", {{"Cancelar", "N"}, {"ValorPercentual", "-10"}});
  EXPECT_EQ(Moeda("TotalDocDescontos"), "1,00");  // 10 % of the ICMS part only
  Recusa("ErroCMDOpSubtotalInvalida", "AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "1"}});
  Ok("AcresceSubtotal", {{"Cancelar", "S"}});
  Recusa("ErroCMDOperacaoJaCancelada", "AcresceSubtotal", {{"Cancelar", "S"}});
  Recusa("ErroCMDOpSubtotalInvalida", "AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "1"}});
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "1"}});
  Ok("CancelaCupom");
  // Once payment began, the adjustment in force stays.
  Ok("AbreCupomFiscal");
  Vende();
  Ok("AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "-1"}});
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "1"}});
  Recusa("ErroCMDForaDeSequencia", "AcresceSubtotal", {{"Cancelar", "S"}});
}

TEST_F(Recusas, Pagamento) {
  Ok("AbreCupomFiscal");
  Vende();
  Recusa("ErroCMDFaltaMeioPagamento", "PagaCupom", {{"Valor", "1"}});
  Recusa("ErroCMDFormaPagamentoInvalida", "PagaCupom", {{"CodMeioPagamento", "15"}, {"Valor", "1"}});
  Recusa("ErroCMDFormaPagamentoIndefinida", "PagaCupom", {{"CodMeioPagamento", "5"}, {"Valor", "1"}});
  Recusa("ErroCMDMeioPagamentoNEncontrado", "PagaCupom", {{"NomeMeioPagamento", "Cheque"}, {"Valor", "1"}});
  Recusa("ErroCMDFormaPagamentoInvalida", "PagaCupom",
         {{"CodMeioPagamento", "0"}, {"NomeMeioPagamento", "Cartao"}, {"Valor", "1"}});
  Recusa("ErroCMDValorInvalido", "PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "0"}});
  Recusa("ErroCMDValorInvalido", "PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "-1"}});
  for (int i = 0; i < 19; ++i) Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "0,01"}});
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "0,01"}});
  Recusa("ErroCMDPayIndisponivel", "PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "1"}});
}

TEST_F(Recusas, CancelamentoDoUltimoCupom) {
  Ok("DefineGerencial", {{"NomeGerencial", "Geral"}});
  CupomPago();
  Ok("EncerraDocumento");
  Ok("EmiteLeituraX");
  Recusa("ErroCMDCancelamentoInvalido", "CancelaCupom");  // the X reading came after it
  CupomPago();
  Ok("EncerraDocumento");
  Ok("CancelaCupom");
  Recusa("ErroCMDOperacaoJaCancelada", "CancelaCupom");  // the last document is now the cancellation
  EXPECT_EQ(Exec("CancelaCupom").circunstancia, "O documento de COO 3 já foi cancelado (COO 4)");
  Ok("AbreGerencial");
  Recusa("ErroCMDCancelamentoInvalido", "CancelaCupom");
}

TEST_F(Recusas, NaoFiscal) {
  Recusa("ErroCMDNaoHaDocNaoFiscaisDefinidos", "AbreCupomNaoFiscal");
  Ok("DefineNaoFiscal", {{"NomeNaoFiscal", "Suprimento"}});
  Ok("DefineNaoFiscal", {{"NomeNaoFiscal", "Sangria"}, {"TipoNaoFiscal", "N"}});
  Ok("AbreCupomNaoFiscal");
  Recusa("ErroCMDFaltaParametro", "EmiteItemNaoFiscal", {{"Valor", "1"}});
  Recusa("ErroCMDIndiceNaoFiscalInvalido", "EmiteItemNaoFiscal", {{"CodNaoFiscal", "15"}, {"Valor", "1"}});
  Recusa("ErroCMDNaoFiscalIndefinido", "EmiteItemNaoFiscal", {{"CodNaoFiscal", "2"}, {"Valor", "1"}});
  Recusa("ErroCMDNomeNaoFiscalInvalido", "EmiteItemNaoFiscal", {{"NomeNaoFiscal", "Outro"}, {"Valor", "1"}});
  Recusa("ErroCMDValorInvalido", "EmiteItemNaoFiscal", {{"CodNaoFiscal", "0"}, {"Valor", "0"}});
  Recusa("ErroCMDMontanteOperacao", "EmiteItemNaoFiscal", {{"CodNaoFiscal", "0"}, {"Valor", "9223372036854775,81"}});
  Recusa("ErroCMDForaDeSequencia", "VendeItem",
         {{"CodProduto", "1"}, {"NomeProduto", "A"}, {"Quantidade", "1"}, {"PrecoUnitario", "1"}, {"CodAliquota", "0"}});
  Ok("EmiteItemNaoFiscal", {{"CodNaoFiscal", "0"}, {"Valor", "10"}});
  Recusa("ErroCMDNaoFiscalIndisponivel", "EmiteItemNaoFiscal", {{"CodNaoFiscal", "1"}, {"Valor", "1"}});
  Ok("AcresceItemNaoFiscal", {{"Cancelar", "N"}, {"ValorAcrescimo", "-2"}});
  EXPECT_EQ(Moeda("TotalDocNaoFiscal[0]"), "8,00");
  Ok("CancelaItemNaoFiscal");
  Recusa("ErroCMDItemCancelado", "CancelaItemNaoFiscal", {{"NumItem", "1"}});
  EXPECT_EQ(Moeda("TotalDocCancelamentosNaoFiscais"), "10,00");
  Ok("CancelaCupom");
  EXPECT_EQ(Inteiro("NFC"), "1");
}

TEST_F(Recusas, GerencialEVinculados) {
  Recusa("ErroCMDGerencialNaoDefinido", "AbreGerencial");
  Recusa("ErroCMDGerencialNaoDefinido", "AbreGerencial", {{"CodGerencial", "4"}});
  Recusa("ErroCMDGerencialInvalido", "AbreGerencial", {{"CodGerencial", "20"}});
  Recusa("ErroCMDNomeGerencialInvalido", "AbreGerencial", {{"NomeGerencial", "Nada"}});
  Recusa("ErroCMDCOOVinculadoInvalido", "AbreCreditoDebito");
  CupomPago();
  Ok("EncerraDocumento");
  Recusa("ErroCMDCOOVinculadoInvalido", "AbreCreditoDebito", {{"COO", "7"}});
  Recusa("ErroCMDSequenciaPagamentoNaoEncontrada", "AbreCreditoDebito", {{"COO", "1"}});  // paid in cash only
  Recusa("ErroCMDPagamentoNaoPermiteCDC", "AbreCreditoDebito", {{"COO", "1"}, {"NumItem", "1"}});
  Recusa("ErroCMDSequenciaPagamentoNaoEncontrada", "AbreCreditoDebito", {{"COO", "1"}, {"NumItem", "2"}});
  Ok("AbreCupomFiscal");
  Vende();
  Ok("PagaCupom", {{"NomeMeioPagamento", "Cartao"}, {"Valor", "10"}});
  Ok("EncerraDocumento");
  Recusa("ErroCMDValorInvalido", "AbreCreditoDebito", {{"Valor", "10,01"}});
  Recusa("ErroCMDForaDeSequencia", "ReimprimeViaCreditoDebito");
  Ok("AbreCreditoDebito", {{"Valor", "10"}, {"NumParcelas", "2"}});
  EXPECT_EQ(Inteiro("CDC"), "1");
  Recusa("ErroCMDCancelamentoInvalido", "CancelaCupom");
  Ok("EmiteViaCreditoDebito");
  Recusa("ErroProtNumEmissoesExcedido", "EmiteViaCreditoDebito");
  Ok("EncerraDocumento");
  Ok("ReimprimeViaCreditoDebito");
  Recusa("ErroProtNumEmissoesExcedido", "ReimprimeViaCreditoDebito");
  // The card payment of 10,00 already has its voucher of 10,00.
  Recusa("ErroCMDSequenciaPagamentoNaoEncontrada", "AbreCreditoDebito", {{"COO", "2"}});
  Recusa("ErroCMDCOOInvalido", "EstornaCreditoDebito", {{"COO", "2"}});
  Ok("EstornaCreditoDebito", {{"COO", "3"}});
  Ok("EncerraDocumento");
  EXPECT_EQ(Inteiro("CDC"), "2");
  Recusa("ErroCMDEstorno", "EstornaCreditoDebito", {{"COO", "3"}});
  Ok("AbreCreditoDebito", {{"COO", "2"}});  // the reversed voucher no longer uses the payment
  Ok("EncerraDocumento");
  // Without a COO the last coupon is meant: cancelled, the refusal says so.
  CupomPago();
  Ok("CancelaCupom");
  EXPECT_EQ(Exec("AbreCreditoDebito").circunstancia,
            "O último cupom fiscal (COO " + Inteiro("COO") + ") foi cancelado: informe o COO do cupom");
}

TEST_F(Recusas, LeiturasEReducao) {
  Recusa("ErroProtParamValorInvalido", "EmiteLeituraX", {{"Destino", "X"}});
  Recusa("ErroCMDFaltaParametro", "EmiteLeituraMF", {{"LeituraSimplificada", "S"}, {"ReducaoInicial", "1"}});
  Recusa("ErroCMDFaltaParametro", "EmiteLeituraMF",
         {{"LeituraSimplificada", "S"}, {"ReducaoInicial", "1"}, {"ReducaoFinal", "2"}, {"DataInicial", "01/01/2024"}});
  Recusa("ErroCMDReducaoInvalida", "EmiteLeituraMF",
         {{"LeituraSimplificada", "S"}, {"ReducaoInicial", "5"}, {"ReducaoFinal", "2"}});
  Recusa("ErroCMDReducaoInvalida", "EmiteLeituraMF",
         {{"LeituraSimplificada", "S"}, {"ReducaoInicial", "0"}, {"ReducaoFinal", "2"}});
  Recusa("ErroCMDDataInvalida", "EmiteLeituraMF",
         {{"LeituraSimplificada", "S"}, {"DataInicial", "02/01/2024"}, {"DataFinal", "01/01/2024"}});
  Recusa("ErroCMDCOOInvalido", "EmiteLeituraFitaDetalhe", {{"COOInicial", "9"}, {"COOFinal", "2"}});
  Recusa("ErroCMDValorInvalido", "EmiteLeituraFitaDetalhe", {{"COOInicial", "1"}, {"COOFinal", "2"}, {"Proprietario", "5"}});
  // To the host a reading is print data only; on paper it is a document.
  Ok("EmiteLeituraMF", {{"LeituraSimplificada", "f"}, {"ReducaoInicial", "1"}, {"ReducaoFinal", "9999"}, {"Destino", "s"}});
  Ok("EmiteLeituraFitaDetalhe", {{"COOInicial", "1"}, {"COOFinal", "9999"}, {"Destino", "S"}});
  // Without a range, the whole memory; numbers sent along with dates give way to the dates.
  Ok("EmiteLeituraMF", {{"LeituraSimplificada", "S"}, {"Destino", "S"}});
  EXPECT_NE(Retorno(Ok("LeImpressao"), "TextoImpressao").find("REDUÇÃO INICIAL: 0001"), std::string::npos);
  Ok("EmiteLeituraMF", {{"LeituraSimplificada", "S"}, {"ReducaoInicial", "1"}, {"ReducaoFinal", "9999"},
                        {"DataInicial", "01/01/2024"}, {"DataFinal", "15/03/2024"}, {"Destino", "S"}});
  EXPECT_NE(Retorno(Ok("LeImpressao"), "TextoImpressao").find("DATA INICIAL: 01/01/2024"), std::string::npos);
  Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}});
  EXPECT_EQ(Inteiro("COO"), "0");
  Ok("EmiteLeituraMF", {{"LeituraSimplificada", "S"}, {"DataInicial", "01/01/2024"}, {"DataFinal", "15/03/2024"}});
  Ok("EmiteLeituraX", {{"Destino", "S"}});
  EXPECT_EQ(Inteiro("COO"), "2");
  EXPECT_EQ(Indicador("DiaAberto"), "0");  // readings do not open the day
  Recusa("ErroCMDAcertoRelogio", "EmiteReducaoZ", {{"Hora", "10:05:01"}});
  Ok("EmiteReducaoZ", {{"Hora", "10:04:00"}});
  EXPECT_EQ(Retorno(Ok("LeHora", {{"NomeHora", "HoraReducao"}}), "ValorHora"), "10:04:00");
  EXPECT_EQ(Retorno(Ok("LeHora", {{"NomeHora", "Hora"}}), "ValorHora"), "10:04:00");  // the clock moved with it
}

TEST_F(Recusas, RelogioEHorarioDeVerao) {
  Recusa("ErroCMDFaltaParametro", "ProgramaRelogio");
  Ok("ProgramaRelogio", {{"Data", "20/03/2024"}, {"Hora", "08:30:00"}});
  EXPECT_EQ(Retorno(Ok("LeData", {{"NomeData", "Data"}}), "ValorData"), "20/03/2024");
  EXPECT_EQ(Retorno(Ok("LeHora", {{"NomeHora", "Hora"}}), "ValorHora"), "08:30:00");
  CupomPago();
  Ok("EncerraDocumento");
  Recusa("ErroDiaAberto", "ProgramaRelogio", {{"Hora", "09:00:00"}});
  Recusa("ErroCMDAcertoHVPermitidoAposZ", "AcertaHorarioVerao", {{"EntradaHV", "1"}});
  Ok("EmiteReducaoZ");
  Recusa("ErroCMDDataInvalida", "ProgramaRelogio", {{"Data", "19/03/2024"}});
  Recusa("ErroCMDValorInvalido", "AcertaHorarioVerao", {{"EntradaHV", "2"}});
  Recusa("ErroCMDHorarioVeraoJaAtualizado", "AcertaHorarioVerao", {{"EntradaHV", "0"}});
  Ok("AcertaHorarioVerao", {{"EntradaHV", "1"}});
  EXPECT_EQ(Retorno(Ok("LeHora", {{"NomeHora", "Hora"}}), "ValorHora"), "09:30:00");
  EXPECT_EQ(Indicador("HorarioVerao"), "1");
  Recusa("ErroCMDHorarioVeraoJaAtualizado", "AcertaHorarioVerao", {{"EntradaHV", "1"}});
  Recusa("ErroCMDHorarioVeraoJaRealizado", "AcertaHorarioVerao", {{"EntradaHV", "0"}});
  // Next day, 00:40 on the printer (the host clock runs 4 days 23:30 behind): an X reading now, and
  // going back one hour would put the clock before it.
  relogio_.Ajusta(2024, 3, 16, 1, 10, 0);
  Ok("EmiteLeituraX");
  Recusa("ErroCMDAcertoRelogio", "AcertaHorarioVerao", {{"EntradaHV", "0"}});
  EXPECT_EQ(Exec("AcertaHorarioVerao", {{"EntradaHV", "0"}}).circunstancia,
            "Sair do horário de verão agora levaria data e hora a 20/03/2024 23:40:00, anteriores ao último "
            "documento (21/03/2024 00:40:00)");
  relogio_.Ajusta(2024, 3, 16, 2, 11, 0);
  Ok("AcertaHorarioVerao", {{"EntradaHV", "0"}});
  EXPECT_EQ(Retorno(Ok("LeHora", {{"NomeHora", "Hora"}}), "ValorHora"), "00:41:00");
}

// The working time counts the host's minutes since the printer began, whatever its clock is set to.
TEST_F(Recusas, RelogioProgramadoNaoMudaOTempoDeOperacao) {
  relogio_.Ajusta(2024, 3, 15, 12, 0, 0);
  EXPECT_EQ(Inteiro("TempoOperacional"), "120");
  Ok("ProgramaRelogio", {{"Data", "20/03/2025"}, {"Hora", "08:30:00"}});
  EXPECT_EQ(Inteiro("TempoOperacional"), "120");
}

// The host's clock (or its time zone) going back leaves the printer's clock before its last
// document: nothing is issued until the clock is set forward, which may then be done with the day
// open; a Z's correction may not go back past the last document either.
TEST_F(Recusas, RelogioQueVoltaNaoEmiteDocumentos) {
  CupomPago();
  Ok("EncerraDocumento");  // 15/03/2024 10:00:00
  EXPECT_EQ(Indicador("RelogioInconsistente"), "0");
  relogio_.Ajusta(2024, 3, 15, 9, 0, 0);
  EXPECT_EQ(Indicador("RelogioInconsistente"), "1");
  EXPECT_EQ(Exec("AbreCupomFiscal").circunstancia,
            "O relógio (15/03/2024 09:00:00) está antes do último documento (15/03/2024 10:00:00): aguarde ou "
            "acerte o relógio com ProgramaRelogio");
  Recusa("ErroRelogioInconsistente", "AbreCupomFiscal");
  Recusa("ErroRelogioInconsistente", "EmiteLeituraMF",
         {{"LeituraSimplificada", "S"}, {"ReducaoInicial", "1"}, {"ReducaoFinal", "9999"}});
  Recusa("ErroRelogioInconsistente", "EmiteLeituraX");
  Recusa("ErroRelogioInconsistente", "EmiteReducaoZ");
  Recusa("ErroCMDDataInvalida", "ProgramaRelogio", {{"Hora", "09:59:59"}});
  Ok("ProgramaRelogio", {{"Hora", "10:00:05"}});
  EXPECT_EQ(Indicador("RelogioInconsistente"), "0");
  Recusa("ErroDiaAberto", "ProgramaRelogio", {{"Hora", "10:30:00"}});
  EXPECT_EQ(Exec("EmiteReducaoZ", {{"Hora", "09:59:00"}}).circunstancia,
            "A hora 09:59:00 deixaria a redução Z com data e hora anteriores ao último documento (15/03/2024 10:00:00)");
  Recusa("ErroCMDAcertoRelogio", "EmiteReducaoZ", {{"Hora", "09:59:00"}});
  Ok("EmiteReducaoZ");
  EXPECT_EQ(Retorno(Ok("LeHora", {{"NomeHora", "HoraReducao"}}), "ValorHora"), "10:00:05");
}

// Past 31/12/9999 a document's date would read 01/01/0000 and sort before every earlier one: the
// clock is inconsistent, and a coupon opened on the last day cannot be closed after midnight.
TEST_F(Recusas, RelogioAlemDe9999NaoEmiteDocumentos) {
  relogio_.Ajusta(9999, 12, 31, 23, 59, 58);
  Ok("AbreCupomFiscal");
  Vende();
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "10"}});
  EXPECT_EQ(Indicador("RelogioInconsistente"), "0");
  relogio_.Ajusta(10000, 1, 1, 0, 0, 1);
  EXPECT_EQ(Indicador("RelogioInconsistente"), "1");
  EXPECT_EQ(Exec("EncerraDocumento").circunstancia,
            "O relógio passou de 31/12/9999, a última data que um documento registra");
  Recusa("ErroRelogioInconsistente", "EncerraDocumento");
  EXPECT_EQ(Indicador("DocumentoAberto"), "1");
}

// A coupon open when the clock went back can be neither closed nor cancelled: the clock is set
// forward with it open, and the coupon goes on.
TEST_F(Recusas, CupomAbertoQuandoORelogioVoltou) {
  Ok("AbreCupomFiscal");
  Vende();
  Recusa("ErroCMDForaDeSequencia", "ProgramaRelogio", {{"Hora", "10:30:00"}});  // a clock in order waits
  relogio_.Ajusta(2024, 3, 15, 9, 0, 0);
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "10"}});
  Recusa("ErroRelogioInconsistente", "EncerraDocumento");
  Recusa("ErroRelogioInconsistente", "CancelaCupom");
  Ok("ProgramaRelogio", {{"Hora", "10:00:01"}});
  Ok("EncerraDocumento");
}

TEST_F(Recusas, ProprietarioCabecalhoEFitaDetalhe) {
  Recusa("ErroCMDInscricaoInvalida", "DefineProprietario", {{"CNPJ", "123"}, {"InscricaoEstadual", "1"}, {"Senha", "1"}});
  Recusa("ErroCMDInscricaoInvalida", "DefineProprietario",
         {{"CNPJ", "12.345.678/0001-95"}, {"InscricaoEstadual", " "}, {"Senha", "1"}});
  Recusa("ErroCMDSenhaInvalida", "DefineProprietario",
         {{"CNPJ", "12.345.678/0001-95"}, {"InscricaoEstadual", "1"}, {"Senha", "0"}});
  Recusa("ErroCMDCampoCabecalhoInvalido", "DefineDadosCabecalho", {{"ECF", "0"}, {"Loja", "1"}, {"TextoCabecalho", "X"}});
  Recusa("ErroCMDCliche", "DefineDadosCabecalho", {{"ECF", "1"}, {"Loja", "1"}, {"TextoCabecalho", "  "}});
  Recusa("ErroMFDNumSerie", "IniciaFitaDetalhe", {{"NumSerie", " "}});
  Recusa("ErroMFDPresente", "IniciaFitaDetalhe", {{"NumSerie", "MFD0000001"}});
  Ok("IniciaFitaDetalhe", {{"NumSerie", "MFD0000002"}});
  EXPECT_EQ(Inteiro("CFD"), "1");
  EXPECT_EQ(Texto("NumeroSerieMFD"), "MFD0000002");
  Ok("DefineDadosCabecalho", {{"ECF", "3"}, {"Loja", "7"}, {"TextoCabecalho", "LOJA NOVA"}});
  EXPECT_EQ(Inteiro("ECF"), "3");
  EXPECT_EQ(Texto("Cliche"), "LOJA NOVA");
  Ok("AbreCupomFiscal");
  Recusa("ErroCMDCabecalhoJaImpresso", "DefineDadosCabecalho", {{"ECF", "1"}, {"Loja", "1"}, {"TextoCabecalho", "X"}});
  Recusa("ErroCMDForaDeSequencia", "DefineProprietario",
         {{"CNPJ", "12.345.678/0001-95"}, {"InscricaoEstadual", "1"}, {"Senha", "1"}});
  Vende();
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "10"}});
  Ok("EncerraDocumento");
  Recusa("ErroCMDTrocaUsuarioAposFechamento", "DefineProprietario",
         {{"CNPJ", "12.345.678/0001-95"}, {"InscricaoEstadual", "1"}, {"Senha", "1"}});
  Recusa("ErroDiaAberto", "IniciaFitaDetalhe", {{"NumSerie", "MFD0000003"}});
}

TEST_F(Recusas, Mecanismo) {
  Recusa("ErroCMDValorInvalido", "AbreGaveta", {{"TempoAcionamentoGaveta", "-5"}});
  Recusa("ErroCMDValorInvalido", "AvancaPapel", {{"Avanco", "0"}});
  Recusa("ErroCMDValorInvalido", "AvancaPapel", {{"Avanco", "256"}});
  Recusa("ErroCMDValorInvalido", "CortaPapel", {{"TipoCorte", "2"}});
  Recusa("ErroCMDForaDeSequencia", "ImprimeAutenticacao");
  Recusa("ErroPrintCapacidadeInexistente", "ImprimeCupomAdicional");
  Recusa("ErroCMDFaltaParametro", "ChancelaCheque",
         {{"HPosChancelamento", "1"}, {"VPosChancelamento", "1"}, {"TextoChancela", " "}});
  Recusa("ErroCMDValorInvalido", "CruzaCheque", {{"TipoCruzamento", "3"}});
  Ok("AvancaPapel", {{"Avanco", "3"}});
  Ok("CortaPapel", {{"TipoCorte", "1"}});
  Ok("ExpulsaDocumento");
  Ok("ImprimeDadosDepartamento");
  Ok("ReinicializaEquipamento");
  EXPECT_EQ(Inteiro("ContadorReinicioReducao"), "1");
  CupomPago();
  Recusa("ErroCMDForaDeSequencia", "ImprimeAutenticacao");
  Recusa("ErroCMDForaDeSequencia", "ImprimeDadosDepartamento");
  Ok("EncerraDocumento");
  Ok("ImprimeAutenticacao", {{"TextoAutenticacao", "PAGO"}});
  Ok("ImprimeAutenticacao");
  Recusa("ErroProtNumEmissoesExcedido", "ImprimeAutenticacao");
  Ok("EscreveIndicador", {{"NomeIndicador", "HabilitaCupomAdicional"}, {"ValorNumericoIndicador", "1"}});
  Ok("ImprimeCupomAdicional");
}

}  // namespace
}  // namespace ecf::teste
