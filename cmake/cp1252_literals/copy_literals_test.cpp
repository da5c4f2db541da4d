// The copy a clang build compiles: which characters become Windows-1252 escapes, which stay, and
// which stop the copy.
#include "copy_literals.h"

#include <gtest/gtest.h>

#include <string>

namespace cp1252_literals {
namespace {

struct Caso {
  const char* nome;
  std::string original;  // UTF-8 source text
  std::string copia;
};

TEST(CopyWithCp1252Literals, NarrowLiteralsGetOctalEscapesEverythingElseStays) {
  const Caso casos[] = {
      {"string", u8R"(f("Não há");)", R"(f("N\343o h\341");)"},
      // An octal escape never runs into the next character, which a hexadecimal one would ("\xe9d").
      {"hexadecimal digit after", u8R"("Média 1")", R"("M\351dia 1")"},
      {"character literal", u8R"(c == 'ç')", R"(c == '\347')"},
      {"Windows-1252's own range", u8R"("€ – ™")", R"("\200 \226 \231")"},
      {"escapes kept", u8R"("\"é\\")", R"("\"\351\\")"},
      {"digit separator is not a quote", u8R"(1'000 + 'é')", R"(1'000 + '\351')"},
      {"identifier ending in R", u8R"(FOOR"é")", R"(FOOR"\351")"},
      {"comments", u8"// ação 'x\n/* it's é */ \"é\"", u8"// ação 'x\n/* it's é */ \"\\351\""},
      {"UTF-8 and wide literals", u8R"(u8"é" u"é" U"é" L"é")", u8R"(u8"é" u"é" U"é" L"é")"},
      {"raw strings without accents", R"x(R"(a"b)" R"d(x)d")x", R"x(R"(a"b)" R"d(x)d")x"},
      {"UTF-8 raw string", u8R"x(u8R"(é)")x", u8R"x(u8R"(é)")x"},
      {"quote left open ends with its line", u8"#error don't\n\"é\"", "#error don't\n\"\\351\""},
  };
  for (const Caso& caso : casos) EXPECT_EQ(CopyWithCp1252Literals(caso.original), caso.copia) << caso.nome;
}

TEST(CopyWithCp1252Literals, WhatCannotBeWrittenInWindows1252StopsTheCopyAtItsPlace) {
  const struct {
    const char* nome;
    std::string original;
    std::size_t posicao;
  } casos[] = {
      {"no Windows-1252 form", u8"x = \"a→b\";", 6},
      {"malformed UTF-8", "x = \"a\xC3\";", 6},
      {"narrow raw string", u8"R\"(é)\"", 3},
  };
  for (const auto& caso : casos) {
    try {
      CopyWithCp1252Literals(caso.original);
      ADD_FAILURE() << caso.nome << ": copied";
    } catch (const Failure& falha) {
      EXPECT_EQ(falha.offset, caso.posicao) << caso.nome;
    }
  }
}

}  // namespace
}  // namespace cp1252_literals
