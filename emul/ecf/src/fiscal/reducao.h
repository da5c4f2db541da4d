// The record a Z reduction freezes: the day's sales figures, the counters and clock of the Z, and
// each programmable aliquot as it stood. The fiscal core keeps the last one for the ...Reducao
// registers, and the fiscal memory writes and reads back the same record in its image.
#pragma once
#include <array>
#include <cstdint>

#include "fiscal/resumo_fiscal.h"

namespace ecf {

constexpr int kTotalAliquotas = 16;

// One aliquot slot at the Z: its definition then, and the day's sales under it (cents).
struct AliquotaReducao {
  bool definida = false;
  bool icms = false;            // false: ISSQN
  std::int32_t percentual = 0;  // hundredths of a percent (1800 = 18,00 %)
  std::int64_t valor = 0;
};

struct RegistroReducao : ResumoFiscal {
  std::uint32_t crz = 0;
  std::uint32_t coo = 0;       // COO of the Z itself
  std::uint32_t cro = 0;
  std::int32_t data = 0;       // when the Z was issued: yyyymmdd
  std::int32_t hora = 0;       // and seconds of the day
  std::int32_t movimento = 0;  // date the day was opened (yyyymmdd); 0 = Z without movement
  std::int64_t gt = 0;         // grand total after the day
  std::int64_t operacoes_nao_fiscais = 0;
  std::array<AliquotaReducao, kTotalAliquotas> aliquotas{};

  // Sales under ISSQN: the service situations and the defined ISSQN aliquots.
  std::int64_t VendasISSQN() const {
    std::int64_t soma = SomaLimitada(SomaLimitada(substituicao_issqn, isento_issqn), nao_tributado_issqn);
    for (const AliquotaReducao& a : aliquotas)
      if (a.definida && !a.icms) soma = SomaLimitada(soma, a.valor);
    return soma;
  }
};

}  // namespace ecf
