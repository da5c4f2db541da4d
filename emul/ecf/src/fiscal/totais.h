// Totals of a document and of the day, computed from the documents themselves so that every
// register reads figures consistent with what was issued. All amounts in cents.
//
// Gross sale counts every item sold and every increase applied; cancellations count what was
// cancelled of both (GT never goes down); discounts count only discounts still in force (see
// ResumoFiscal::VendaLiquida). Subtotal adjustments fall on the ICMS part of a coupon and are
// shared among its tax buckets in proportion to their values.
#pragma once
#include <array>
#include <cstdint>

#include "fiscal/estado.h"
#include "fiscal/resumo_fiscal.h"

namespace ecf {

struct Totais : ResumoFiscal {
  std::int64_t acrescimos_itens = 0, descontos_itens = 0, cancelamento_itens = 0;
  std::array<std::int64_t, kTotalAliquotas> aliquota{};
  std::int64_t itens_liquido = 0;  // items net of their own adjustments, before the subtotal's

  std::array<std::int64_t, kTotalMeiosPagamento> meio{};
  std::int64_t pago = 0, troco = 0, recebido = 0;

  std::array<std::int64_t, kTotalNaoFiscais> nao_fiscal{};
  std::int64_t acrescimos_nao_fiscais = 0, descontos_nao_fiscais = 0, cancelamentos_nao_fiscais = 0;

  std::array<std::int64_t, kTotalDepartamentos> departamento_valor{};
  std::array<std::int64_t, kTotalDepartamentos> departamento_quantidade{};  // thousandths

  std::int64_t Liquido() const;  // fiscal net: every tax bucket
  std::int64_t ValorTributadoICMS(const Estado& e) const;
  std::int64_t ValorTributadoISSQN(const Estado& e) const;
  std::int64_t ISSQN(const Estado& e) const;  // every ISSQN bucket
  std::int64_t OperacoesNaoFiscais() const;

  void Soma(const Totais& outro);
};

bool TributoICMS(const Estado& estado, std::int32_t tributo);

// Net value of one item: its total less what was cancelled, with its adjustment in force.
std::int64_t LiquidoItem(const ItemDocumento& item);

// The value still to be paid (fiscal or non-fiscal net) of a sale document.
std::int64_t TotalAPagar(const Estado& estado, const Documento& documento);

Totais CalculaDocumento(const Estado& estado, const Documento& documento);
Totais CalculaDia(const Estado& estado);

// Tax of one aliquot over the day's net on it, rounded by ABNT NBR 5891.
std::int64_t ImpostoAliquota(const Estado& estado, const Totais& dia, int aliquota);

}  // namespace ecf
