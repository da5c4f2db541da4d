#include "test_support/patterns.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

using test_support::kPadraoCarimbo;
using test_support::literal_pattern;

bool Matches(const std::string& text, const std::string& pattern) { return std::regex_match(text, std::regex(pattern)); }

TEST(Patterns, TimeStampHasTheTranscriptShapeOnly) {
  EXPECT_TRUE(Matches("08/12/2003 14:05:09.042", kPadraoCarimbo));
  EXPECT_FALSE(Matches("8/12/2003 14:05:09.042", kPadraoCarimbo));
  EXPECT_FALSE(Matches("08/12/2003 14:05:09", kPadraoCarimbo));
  EXPECT_FALSE(Matches("08/12/2003T14:05:09.042", kPadraoCarimbo));
}

TEST(Patterns, LiteralTextMatchesItselfAndNothingElse) {
  const std::string record = "{0;11006;NomeErro=\"X\" Circunstancia=\"a.b (c) [d] ^$|*+?\\\";}\r\n";
  EXPECT_TRUE(Matches(record, literal_pattern(record)));
  EXPECT_FALSE(Matches("{0;11006;NomeErro=\"X\" Circunstancia=\"aXb (c) [d] ^$|*+?\\\";}\r\n", literal_pattern(record)));
  EXPECT_EQ(literal_pattern("a.b"), "a\\.b");
  EXPECT_EQ(literal_pattern("{0;0;;}"), "\\{0;0;;\\}");
}

}  // namespace
