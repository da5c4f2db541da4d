// What goes into and comes out of a workbook cell or macro: an empty text (an empty cell), a text, a
// number, an integer or a boolean (the answers of the macros that say whether they succeeded). Texts are Windows-1252, like every text of the core.
#pragma once
#include <cstdint>
#include <string>
#include <variant>

namespace tarnel {

using ValorPlanilha = std::variant<std::string, double, std::int32_t, bool>;

inline bool ValorVazio(const ValorPlanilha& valor) {
  const auto* texto = std::get_if<std::string>(&valor);
  return texto != nullptr && texto->empty();
}

}  // namespace tarnel
