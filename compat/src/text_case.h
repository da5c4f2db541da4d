// Case-insensitive comparison of Windows-1252 names, as the profile and registry services compare
// section, key and value names.
#pragma once
#include <string_view>

namespace compat::detail {

// Upper-case form of one Windows-1252 byte (accented letters included).
unsigned char upper_cp1252(unsigned char c);

bool equal_ignoring_case(std::string_view a, std::string_view b);

}  // namespace compat::detail
