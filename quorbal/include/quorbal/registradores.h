// The printer's named registers, in the order the register box lists them.
#pragma once

namespace quorbal {

constexpr int kTotalRegistradores = 205;
extern const char* const kNomesRegistradores[kTotalRegistradores];

}  // namespace quorbal
