// Blanks around a typed text (a profile entry, a setting, a parameter value) are no part of it.
// Header-only, like the other small text helpers.
#pragma once
#include <string_view>

namespace compat {

// The text without the spaces and tabs at its ends; other control characters stay.
inline std::string_view trim_blanks(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace compat
