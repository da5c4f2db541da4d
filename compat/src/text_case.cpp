#include "text_case.h"

namespace compat::detail {

unsigned char upper_cp1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  // à..þ pair with À..Þ, except ÷ (0xF7), whose 0xD7 partner × is no letter either.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A: return 0x8A;  // š Š
    case 0x9C: return 0x8C;  // œ Œ
    case 0x9E: return 0x8E;  // ž Ž
    case 0xFF: return 0x9F;  // ÿ Ÿ
    default: return c;
  }
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (upper_cp1252(static_cast<unsigned char>(a[i])) != upper_cp1252(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace compat::detail
