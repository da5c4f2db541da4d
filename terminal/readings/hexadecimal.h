// The memory window's hexadecimal text: two characters per byte, high half first, digits and the
// letters A to F in either case.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// The bytes of the first `pares` character pairs of texto (an odd last character is never read);
// nullopt when one of those characters is not a hexadecimal digit or texto is too short.
std::optional<std::string> DecodificaHexadecimal(std::string_view texto, std::size_t pares);

}  // namespace tarnel
