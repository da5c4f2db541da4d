// ixion reads a text as 0 where a formula does arithmetic with it ("abc"*2 gives 0), while Excel
// converts the text or gives #VALUE!: a total off by a whole item, and nothing to say so. The
// embedded engine therefore marks such formulas, and what depends on them, with the text's cell, and
// reading them is an error naming it.
#pragma once
#include <ixion/address.hpp>

#include <optional>

namespace tarnel {

struct DadosPasta;

// The text's cell when the formula at endereco does arithmetic (+ - * / ^) with a cell holding text,
// or reads a formula marked so in dados.contas_com_texto; nothing otherwise. The formula's sources
// are computed already.
std::optional<ixion::abs_address_t> ContaComTexto(const DadosPasta& dados, const ixion::abs_address_t& endereco);

}  // namespace tarnel
