// The driver library's channel of the emulated printer: "Emul" in any letter case, printer number
// 0, whose files (context, paper roll) live in the current folder.
#pragma once
#include <string_view>

namespace quorbal {

constexpr int kNumeroImpressoraEmulada = 0;

bool EhCanalEmulado(std::string_view canal);

}  // namespace quorbal
