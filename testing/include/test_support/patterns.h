// Regular expressions for texts whose time stamps change from run to run: the stamp as a pattern,
// and any other text as a pattern that matches exactly it.
#pragma once
#include <regex>
#include <string>

namespace test_support {

// A transcript time stamp, "dd/mm/yyyy hh:mm:ss.nnn".
inline const std::string kPadraoCarimbo = R"(\d\d/\d\d/\d{4} \d\d:\d\d:\d\d\.\d{3})";

// The text with every character that is special in a regular expression escaped.
inline std::string literal_pattern(const std::string& text) {
  static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(text, special, R"(\$&)");
}

}  // namespace test_support
