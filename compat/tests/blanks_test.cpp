// Blanks around a typed text.
#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "compat/blanks.h"

namespace {

TEST(Blanks, SpacesAndTabsGoFromBothEndsOnly) {
  const std::pair<std::string_view, std::string_view> casos[] = {
      {" \t embutido\t ", "embutido"},
      {"01/02/2024", "01/02/2024"},
      {"  a  b  ", "a  b"},      // blanks inside stay
      {" \t \t", ""},
      {"", ""},
      {"\r\nvalor\r\n", "\r\nvalor\r\n"},  // line ends are no blanks
  };
  for (const auto& [texto, esperado] : casos) EXPECT_EQ(compat::trim_blanks(texto), esperado) << '"' << texto << '"';
}

}  // namespace
