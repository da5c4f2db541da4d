// The sales figures every fiscal summary of the printer holds: the totals of a document or of the
// day, the record a Z reduction freezes, the fiscal-memory record and the X and Z readings. They
// share this one structure so each figure, and the net sale, has a single definition. Amounts in
// cents.
#pragma once
#include <cstdint>

namespace ecf {

// Sums that stop at the largest (or smallest) amount instead of overflowing. The state's own
// figures never get there (contexto/capacidade.h), but the fiscal memory's records are read from
// files and a reading adds up as many of them as the period holds.
inline std::int64_t SomaLimitada(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (!__builtin_add_overflow(a, b, &r)) return r;
  return b > 0 ? INT64_MAX : INT64_MIN;
}
inline std::int64_t SubtraiLimitada(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (!__builtin_sub_overflow(a, b, &r)) return r;
  return b < 0 ? INT64_MAX : INT64_MIN;
}

struct ResumoFiscal {
  std::int64_t venda_bruta = 0;  // every item sold and every increase applied
  std::int64_t cancelamentos_icms = 0, cancelamentos_issqn = 0;
  std::int64_t descontos = 0;  // discounts still in force
  std::int64_t acrescimos = 0;
  std::int64_t substituicao_icms = 0, isento_icms = 0, nao_tributado_icms = 0;
  std::int64_t substituicao_issqn = 0, isento_issqn = 0, nao_tributado_issqn = 0;

  // Net sale: the gross less what was cancelled and the discounts (increases are in the gross).
  std::int64_t VendaLiquida() const {
    return SubtraiLimitada(SubtraiLimitada(SubtraiLimitada(venda_bruta, cancelamentos_icms), cancelamentos_issqn),
                           descontos);
  }

  void Soma(const ResumoFiscal& o);
};

// The figures in one list, for adding up and for the context file.
inline constexpr std::int64_t ResumoFiscal::*kCamposResumo[] = {
    &ResumoFiscal::venda_bruta,        &ResumoFiscal::cancelamentos_icms, &ResumoFiscal::cancelamentos_issqn,
    &ResumoFiscal::descontos,          &ResumoFiscal::acrescimos,         &ResumoFiscal::substituicao_icms,
    &ResumoFiscal::isento_icms,        &ResumoFiscal::nao_tributado_icms, &ResumoFiscal::substituicao_issqn,
    &ResumoFiscal::isento_issqn,       &ResumoFiscal::nao_tributado_issqn};

inline void ResumoFiscal::Soma(const ResumoFiscal& o) {
  for (auto campo : kCamposResumo) this->*campo = SomaLimitada(this->*campo, o.*campo);
}

template <class A>
void Visita(A& a, ResumoFiscal& x) {
  for (auto campo : kCamposResumo) a(x.*campo);
}

}  // namespace ecf
