// The printer's two rules for cutting amounts to fewer decimals, in exact integer arithmetic: the
// emulated printer computes with them and the workbook's NBR5891 and Trunca give the same results.
#pragma once
#include <cstdint>

namespace quorbal {

// valor * fator / divisor with the quotient rounded by ABNT NBR 5891 (round half to even when the
// discarded part is exactly one half, otherwise to the nearest). The product may pass 64 bits;
// false when the result does not fit, or divisor is 0.
bool MultiplicaDivideNBR5891(std::int64_t valor, std::int64_t fator, std::int64_t divisor, std::int64_t& resultado);
// valor * fator / divisor truncated toward zero; false as above.
bool MultiplicaDivideTrunca(std::int64_t valor, std::int64_t fator, std::int64_t divisor, std::int64_t& resultado);

}  // namespace quorbal
