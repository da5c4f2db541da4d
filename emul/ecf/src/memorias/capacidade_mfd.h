// The size of the detail memories the printer starts, for labs and tests that need a shop's months
// of coupons or a memory that fills up quickly: the environment variable ECF_CAPACIDADE_MFD gives
// the data bytes, with an optional K, M or G (binary multiples), in whole pages of 512 bytes from
// two pages (the header and one of data) up to the largest cartridge. A memory keeps the size it
// was started with.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace ecf::memorias {

inline constexpr char kVariavelCapacidadeMFD[] = "ECF_CAPACIDADE_MFD";

// Pages for a capacity text; nothing when the text is not a capacity in range.
std::optional<std::uint32_t> PaginasDaCapacidade(std::string_view texto);
// The pages the environment asks for; the usual cartridge when it asks for none or for a size out
// of range.
std::uint32_t PaginasMFDConfiguradas();

}  // namespace ecf::memorias
