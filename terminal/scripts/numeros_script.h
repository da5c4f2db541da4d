// How a script reads numbers: leniently where a directive or a reply takes the leading digits of a
// text, strictly where a text that is no number ends the run.
#pragma once
#include <cstdint>
#include <string>

namespace tarnel {

// Leading blanks, an optional sign and the digits up to the first other character; 0 without any
// digit. Values beyond 64 bits stop at the largest one of that sign.
std::int64_t LeInteiroInicial(const std::string& texto);
// The same, limited to 32 bits.
std::int32_t LeInteiroInicial32(const std::string& texto);

// Leading blanks, an optional sign and at least one digit, and nothing after them; false for any
// other text or a value beyond 64 bits.
bool LeInteiroEstrito(const std::string& texto, std::int64_t& valor);

}  // namespace tarnel
