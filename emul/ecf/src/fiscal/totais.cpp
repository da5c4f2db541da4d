#include "fiscal/totais.h"

#include <vector>

#include "protocolo/valores.h"

namespace ecf {

namespace {

bool EVenda(TipoDocumento tipo) {
  return tipo == TipoDocumento::kCupomFiscal || tipo == TipoDocumento::kNaoFiscal ||
         tipo == TipoDocumento::kEstornoMeioPagamento;
}

// The bucket an amount of a fiscal item goes to.
std::int64_t& Balde(Totais& t, std::int32_t tributo) {
  switch (tributo) {
    case kSubstituicaoICMS: return t.substituicao_icms;
    case kIsentoICMS: return t.isento_icms;
    case kNaoTributadoICMS: return t.nao_tributado_icms;
    case kSubstituicaoISSQN: return t.substituicao_issqn;
    case kIsentoISSQN: return t.isento_issqn;
    case kNaoTributadoISSQN: return t.nao_tributado_issqn;
    default: return t.aliquota[static_cast<std::size_t>(tributo) % kTotalAliquotas];
  }
}

// Shares a subtotal adjustment among the ICMS buckets in proportion to their values; the
// remainder of the division goes to the largest bucket, so the shares add up exactly.
void RateiaSubtotal(const Estado& estado, std::int64_t ajuste, Totais& t) {
  std::vector<std::int64_t*> baldes;
  for (int k = 0; k < kTotalAliquotas; ++k)
    if (TributoICMS(estado, k)) baldes.push_back(&t.aliquota[static_cast<std::size_t>(k)]);
  baldes.push_back(&t.substituicao_icms);
  baldes.push_back(&t.isento_icms);
  baldes.push_back(&t.nao_tributado_icms);
  std::int64_t base = 0;
  std::int64_t* maior = nullptr;
  for (std::int64_t* b : baldes) {
    base += *b;
    if (*b > 0 && (maior == nullptr || *b > *maior)) maior = b;
  }
  if (base <= 0 || maior == nullptr) return;
  std::int64_t distribuido = 0;
  std::vector<std::int64_t> partes;
  for (std::int64_t* b : baldes) {
    std::int64_t parte = 0;
    MultiplicaDivideTrunca(ajuste, *b, base, parte);
    partes.push_back(parte);
    distribuido += parte;
  }
  for (std::size_t i = 0; i < baldes.size(); ++i) *baldes[i] += partes[i];
  *maior += ajuste - distribuido;
}

void SomaFiscal(const Estado& estado, const Documento& d, Totais& t) {
  for (const ItemDocumento& item : d.itens) {
    bool icms = TributoICMS(estado, item.tributo);
    std::int64_t& cancelamentos = icms ? t.cancelamentos_icms : t.cancelamentos_issqn;
    t.venda_bruta += item.total;
    cancelamentos += item.valor_cancelado;
    if (!d.cancelado) t.cancelamento_itens += item.valor_cancelado;
    const Ajuste& a = item.ajuste;
    if (a.existe && a.valor > 0) {
      t.venda_bruta += a.valor;
      t.acrescimos += a.valor;
      t.acrescimos_itens += a.valor;
      if (a.cancelado) cancelamentos += a.valor;
    } else if (a.existe && !a.cancelado) {
      t.descontos -= a.valor;
      t.descontos_itens -= a.valor;
    }
    std::int64_t liquido = LiquidoItem(item);
    t.itens_liquido += liquido;
    Balde(t, item.tributo) += liquido;
    if (item.departamento >= 0 && item.departamento < kTotalDepartamentos) {
      t.departamento_valor[static_cast<std::size_t>(item.departamento)] += liquido;
      t.departamento_quantidade[static_cast<std::size_t>(item.departamento)] +=
          item.quantidade - item.quantidade_cancelada;
    }
  }
  const Ajuste& s = d.ajuste_subtotal;
  if (s.existe && s.valor > 0) {
    t.venda_bruta += s.valor;
    t.acrescimos += s.valor;
    if (s.cancelado) t.cancelamentos_icms += s.valor;
  } else if (s.existe && !s.cancelado) {
    t.descontos -= s.valor;
  }
  if (s.existe && !s.cancelado) RateiaSubtotal(estado, s.valor, t);
}

void SomaNaoFiscal(const Documento& d, Totais& t) {
  for (const ItemDocumento& item : d.itens) {
    t.cancelamentos_nao_fiscais += item.valor_cancelado;
    const Ajuste& a = item.ajuste;
    if (a.existe && a.valor > 0) {
      t.acrescimos_nao_fiscais += a.valor;
      if (a.cancelado) t.cancelamentos_nao_fiscais += a.valor;
    } else if (a.existe && !a.cancelado) {
      t.descontos_nao_fiscais -= a.valor;
    }
    t.nao_fiscal[static_cast<std::size_t>(item.tributo) % kTotalNaoFiscais] += LiquidoItem(item);
  }
  const Ajuste& s = d.ajuste_subtotal;
  if (!s.existe) return;
  if (s.valor > 0) {
    t.acrescimos_nao_fiscais += s.valor;
    if (s.cancelado) t.cancelamentos_nao_fiscais += s.valor;
  } else if (!s.cancelado) {
    t.descontos_nao_fiscais -= s.valor;
  }
  if (s.cancelado || d.itens.empty()) return;
  // A subtotal adjustment of a non-fiscal document falls on its totalizers like on tax buckets.
  std::int64_t base = 0;
  std::array<std::int64_t, kTotalNaoFiscais> liquido{};
  for (const ItemDocumento& item : d.itens) liquido[static_cast<std::size_t>(item.tributo) % kTotalNaoFiscais] += LiquidoItem(item);
  std::size_t maior = 0;
  for (std::size_t k = 0; k < liquido.size(); ++k) {
    base += liquido[k];
    if (liquido[k] > liquido[maior]) maior = k;
  }
  if (base <= 0) return;
  std::int64_t distribuido = 0;
  for (std::size_t k = 0; k < liquido.size(); ++k) {
    std::int64_t parte = 0;
    MultiplicaDivideTrunca(s.valor, liquido[k], base, parte);
    t.nao_fiscal[k] += parte;
    distribuido += parte;
  }
  t.nao_fiscal[maior] += s.valor - distribuido;
}

template <std::size_t N>
void SomaCada(std::array<std::int64_t, N>& a, const std::array<std::int64_t, N>& b) {
  for (std::size_t k = 0; k < N; ++k) a[k] += b[k];
}

bool DocumentoDeSaida(const Estado& estado, const Documento& d) {
  for (const ItemDocumento& item : d.itens) {
    const NaoFiscal& nf = estado.nao_fiscais[static_cast<std::size_t>(item.tributo) % kTotalNaoFiscais];
    return !nf.entrada;
  }
  return false;
}

}  // namespace

bool TributoICMS(const Estado& estado, std::int32_t tributo) {
  if (tributo >= 0) return estado.aliquotas[static_cast<std::size_t>(tributo) % kTotalAliquotas].icms;
  return tributo == kSubstituicaoICMS || tributo == kIsentoICMS || tributo == kNaoTributadoICMS;
}

std::int64_t LiquidoItem(const ItemDocumento& item) {
  std::int64_t liquido = item.total - item.valor_cancelado;
  if (item.ajuste.existe && !item.ajuste.cancelado) liquido += item.ajuste.valor;
  return liquido;
}

std::int64_t Totais::Liquido() const {
  std::int64_t soma = substituicao_icms + isento_icms + nao_tributado_icms + substituicao_issqn + isento_issqn +
                      nao_tributado_issqn;
  for (std::int64_t v : aliquota) soma += v;
  return soma;
}

std::int64_t Totais::ValorTributadoICMS(const Estado& e) const {
  std::int64_t soma = 0;
  for (int k = 0; k < kTotalAliquotas; ++k)
    if (TributoICMS(e, k)) soma += aliquota[static_cast<std::size_t>(k)];
  return soma;
}

std::int64_t Totais::ValorTributadoISSQN(const Estado& e) const {
  std::int64_t soma = 0;
  for (int k = 0; k < kTotalAliquotas; ++k)
    if (!TributoICMS(e, k)) soma += aliquota[static_cast<std::size_t>(k)];
  return soma;
}

std::int64_t Totais::ISSQN(const Estado& e) const {
  return ValorTributadoISSQN(e) + substituicao_issqn + isento_issqn + nao_tributado_issqn;
}

std::int64_t Totais::OperacoesNaoFiscais() const {
  std::int64_t soma = 0;
  for (std::int64_t v : nao_fiscal) soma += v;
  return soma;
}

void Totais::Soma(const Totais& o) {
  ResumoFiscal::Soma(o);
  for (std::int64_t Totais::*campo : {&Totais::acrescimos_itens, &Totais::descontos_itens, &Totais::cancelamento_itens,
                                      &Totais::itens_liquido, &Totais::pago, &Totais::troco, &Totais::recebido,
                                      &Totais::acrescimos_nao_fiscais, &Totais::descontos_nao_fiscais,
                                      &Totais::cancelamentos_nao_fiscais})
    this->*campo += o.*campo;
  SomaCada(aliquota, o.aliquota);
  SomaCada(meio, o.meio);
  SomaCada(nao_fiscal, o.nao_fiscal);
  SomaCada(departamento_valor, o.departamento_valor);
  SomaCada(departamento_quantidade, o.departamento_quantidade);
}

std::int64_t TotalAPagar(const Estado& estado, const Documento& documento) {
  Totais t = CalculaDocumento(estado, documento);
  return documento.tipo == TipoDocumento::kNaoFiscal ? t.OperacoesNaoFiscais() : t.Liquido();
}

Totais CalculaDocumento(const Estado& estado, const Documento& d) {
  Totais t;
  if (!EVenda(d.tipo)) return t;
  if (d.tipo == TipoDocumento::kCupomFiscal) SomaFiscal(estado, d, t);
  if (d.tipo == TipoDocumento::kNaoFiscal) SomaNaoFiscal(d, t);
  if (d.cancelado) return t;  // the money went back: no payment counts
  // Money paid out by a withdrawal document leaves the means it was paid with.
  std::int64_t sinal = d.tipo == TipoDocumento::kNaoFiscal && DocumentoDeSaida(estado, d) ? -1 : 1;
  for (const Pagamento& p : d.pagamentos) {
    t.meio[static_cast<std::size_t>(p.meio) % kTotalMeiosPagamento] += sinal * p.valor;
    if (d.tipo != TipoDocumento::kEstornoMeioPagamento) t.pago += p.valor;
  }
  if (sinal > 0 && d.tipo != TipoDocumento::kEstornoMeioPagamento) t.recebido = t.pago;
  std::int64_t devido = d.tipo == TipoDocumento::kNaoFiscal ? t.OperacoesNaoFiscais() : t.Liquido();
  if (d.tipo != TipoDocumento::kEstornoMeioPagamento && t.pago > devido &&
      (d.fase == FaseDocumento::kPago || d.fase == FaseDocumento::kEncerrado))
    t.troco = t.pago - devido;
  return t;
}

Totais CalculaDia(const Estado& estado) {
  Totais dia;
  for (const Documento& d : estado.documentos) dia.Soma(CalculaDocumento(estado, d));
  return dia;
}

std::int64_t ImpostoAliquota(const Estado& estado, const Totais& dia, int aliquota) {
  const Aliquota& a = estado.aliquotas[static_cast<std::size_t>(aliquota) % kTotalAliquotas];
  std::int64_t imposto = 0;
  MultiplicaDivideNBR5891(dia.aliquota[static_cast<std::size_t>(aliquota) % kTotalAliquotas], a.percentual, 10000,
                          imposto);
  return imposto;
}

}  // namespace ecf
