// The printer's totalizers have a capacity. The state is held within it as a whole: the magnitudes
// of all its amounts (every 64-bit field: item values, quantities and prices, adjustments,
// payments, the day's and the grand totals) add up to at most kCapacidadeMontantes. Every figure
// the printer derives (a document's or the day's totals, the net sale, a reading) adds or
// subtracts each amount a few times at most, so none of them can overflow 64 bits.
//
// A command that would take the state beyond it is refused; a context file beyond it is one no
// printer wrote, and is treated as damaged.
#pragma once
#include <cstdint>

#include "fiscal/estado.h"

namespace ecf {

// Cents: a thousand million million reais in all, far beyond any day of any shop.
constexpr std::uint64_t kCapacidadeMontantes = 100'000'000'000'000'000ull;

bool DentroDaCapacidade(const Estado& estado);

}  // namespace ecf
