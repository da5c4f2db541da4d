// The console edge: which bytes a line from standard input may hold.
#include "console.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnel::cli {
namespace {

// Well-formed UTF-8 and the ways bytes fail to be: a file saved in Windows-1252, cut sequences,
// overlong forms, surrogates and code points past U+10FFFF.
TEST(Console, Utf8Valido) {
  const struct {
    std::string bytes;
    bool valido;
  } casos[] = {
      {"", true},
      {"AbreGaveta", true},
      {u8"José Conceição", true},
      {u8"日本", true},
      {"\xF0\x9F\x98\x80", true},         // U+1F600
      {"\xF4\x8F\xBF\xBF", true},         // U+10FFFF
      {"Jos\xE9", false},                  // Windows-1252
      {"\xC3", false},                     // cut
      {"\xE6\x97", false},                 // cut
      {"\xC0\xAF", false},                 // overlong "/"
      {"\xE0\x80\xAF", false},             // overlong
      {"\xF0\x80\x80\xAF", false},         // overlong
      {"\xED\xA0\x80", false},             // surrogate
      {"\xF4\x90\x80\x80", false},         // past U+10FFFF
      {"\xF5\x80\x80\x80", false},
      {"\x80", false},                     // continuation alone
      {"a\xC3\xA7\xC3", false},
  };
  for (const auto& c : casos) EXPECT_EQ(Utf8Valido(c.bytes), c.valido) << ::testing::PrintToString(c.bytes);
}

}  // namespace
}  // namespace tarnel::cli
