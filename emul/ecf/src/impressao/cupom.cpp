// Fiscal coupon and non-fiscal receipt: they share items, adjustments, totals and payments.
#include "impressao/documentos.h"
#include "impressao/texto_impresso.h"

namespace ecf::impressao {

namespace {

std::string PercentualEntreParenteses(std::int32_t percentual) {
  return percentual == 0 ? "" : " (" + Percentual(percentual) + "%)";
}

std::string NomeAjuste(std::int64_t valor) { return valor < 0 ? "DESCONTO" : "ACRÉSCIMO"; }

// The top of a coupon or receipt below the header: the consumer, when identified, and the title.
TextoImpresso Abertura(const Consumidor& consumidor, const char* titulo) {
  TextoImpresso t;
  if (!consumidor.Vazio()) {
    t.Acrescenta(FormataConsumidor(consumidor));
    t.Separador();
  }
  t.Centro(titulo, true);
  return t;
}

}  // namespace

std::string Situacao(bool icms, std::int32_t percentual) {
  return std::string(icms ? "T" : "S") + (percentual < 1000 ? "0" : "") + Percentual(percentual) + "%";
}

std::string FormataConsumidor(const Consumidor& consumidor) {
  TextoImpresso t;
  if (!consumidor.id.empty()) t.Linha("CPF/CNPJ consumidor: " + consumidor.id);
  if (!consumidor.nome.empty()) t.Linha("Nome: " + consumidor.nome);
  if (!consumidor.endereco.empty()) t.Linha("Endereço: " + consumidor.endereco);
  return t.Extrai();
}

std::string FormataAberturaCupomFiscal(const Consumidor& consumidor) {
  TextoImpresso t = Abertura(consumidor, "CUPOM FISCAL");
  t.Linha("ITEM CÓDIGO DESCRIÇÃO");
  t.Colunas("QTD.UN.VL.UNIT(R$) ST", "VL.ITEM(R$)");
  t.Separador();
  return t.Extrai();
}

std::string FormataItem(const ItemVendido& item) {
  TextoImpresso t;
  t.Linha(Numero(item.numero, 3) + " " + item.codigo + " " + item.descricao);
  t.Colunas(Milesimos(item.quantidade) + (item.unidade.empty() ? "" : " " + item.unidade) + " X " +
                Milesimos(item.preco_unitario) + " " + item.situacao,
            Valor(item.total));
  return t.Extrai();
}

std::string FormataAcrescimoItem(unsigned numero_item, std::int64_t valor, std::int32_t percentual) {
  TextoImpresso t;
  t.Colunas(NomeAjuste(valor) + " ITEM " + Numero(numero_item, 3) + PercentualEntreParenteses(percentual),
            ValorComSinal(valor));
  return t.Extrai();
}

std::string FormataCancelamentoAcrescimoItem(unsigned numero_item, std::int64_t valor) {
  TextoImpresso t;
  t.Colunas("CANCELAMENTO " + NomeAjuste(valor) + " ITEM " + Numero(numero_item, 3), ValorComSinal(-valor));
  return t.Extrai();
}

std::string FormataCancelamentoItem(unsigned numero_item, std::int64_t quantidade, std::int64_t valor) {
  TextoImpresso t;
  t.Colunas("CANCELAMENTO ITEM " + Numero(numero_item, 3) + (quantidade > 0 ? " QTD " + Milesimos(quantidade) : ""),
            ValorComSinal(-valor));
  return t.Extrai();
}

std::string FormataAcrescimoSubtotal(std::int64_t subtotal, std::int64_t valor, std::int32_t percentual) {
  TextoImpresso t;
  t.Colunas("SUBTOTAL R$", Valor(subtotal));
  t.Colunas(NomeAjuste(valor) + " SUBTOTAL" + PercentualEntreParenteses(percentual), ValorComSinal(valor));
  return t.Extrai();
}

std::string FormataCancelamentoAcrescimoSubtotal(std::int64_t valor) {
  TextoImpresso t;
  t.Colunas("CANCELAMENTO " + NomeAjuste(valor) + " SUBTOTAL", ValorComSinal(-valor));
  return t.Extrai();
}

std::string FormataTotal(std::int64_t total) {
  TextoImpresso t;
  t.ColunasExpandidas("TOTAL R$", Valor(total));
  return t.Extrai();
}

std::string FormataPagamento(const std::string& meio, std::int64_t valor, const std::string& texto_adicional) {
  TextoImpresso t;
  t.Colunas(meio, Valor(valor));
  t.TextoLivre(texto_adicional);
  return t.Extrai();
}

std::string FormataTroco(std::int64_t troco) {
  TextoImpresso t;
  t.Colunas("TROCO R$", Valor(troco), true);
  return t.Extrai();
}

std::string FormataDocumentoCancelado(std::int64_t total) {
  TextoImpresso t;
  t.Centro("*** CANCELADO ***", true);
  t.Colunas("VALOR CANCELADO R$", Valor(total));
  return t.Extrai();
}

std::string FormataCancelamentoCupomAnterior(std::uint32_t coo_cancelado, std::uint32_t ccf_cancelado,
                                             std::int64_t total) {
  TextoImpresso t;
  t.Centro("CANCELAMENTO DE CUPOM FISCAL", true);
  t.Colunas("COO DO CUPOM CANCELADO:", Numero(coo_cancelado, 6));
  t.Colunas("CCF DO CUPOM CANCELADO:", Numero(ccf_cancelado, 6));
  t.Colunas("VALOR CANCELADO R$", Valor(total));
  return t.Extrai();
}

std::string FormataAberturaNaoFiscal(const Consumidor& consumidor) {
  TextoImpresso t = Abertura(consumidor, "COMPROVANTE NÃO-FISCAL");
  t.Colunas("ITEM TOTALIZADOR", "VALOR(R$)");
  t.Separador();
  return t.Extrai();
}

std::string FormataItemNaoFiscal(unsigned numero, const std::string& totalizador, std::int64_t valor) {
  TextoImpresso t;
  t.Colunas(Numero(numero, 3) + " " + totalizador, Valor(valor));
  return t.Extrai();
}

std::string FormataEstornoMeioPagamento(const std::string& origem, const std::string& destino, std::int64_t valor) {
  TextoImpresso t;
  t.Centro("ESTORNO DE MEIO DE PAGAMENTO", true);
  t.Separador();
  t.Colunas("ORIGEM: " + origem, ValorComSinal(-valor));
  t.Colunas("DESTINO: " + destino, ValorComSinal(valor));
  return t.Extrai();
}

}  // namespace ecf::impressao
