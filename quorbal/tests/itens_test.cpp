#include <gtest/gtest.h>

#include <string>

#include "quorbal/itens.h"

using namespace quorbal;

TEST(Itens, QuotesWithABackslashBeforeQuotesBackslashesAndLineBreaks) {
  EXPECT_EQ(EntreAspas(""), "\"\"");
  EXPECT_EQ(EntreAspas("dois nomes"), "\"dois nomes\"");
  EXPECT_EQ(EntreAspas("diz \"oi\""), "\"diz \\\"oi\\\"\"");
  EXPECT_EQ(EntreAspas("c:\\dir\\"), "\"c:\\\\dir\\\\\"");
  // CR and LF become \r and \n, so that a quoted value never breaks its line.
  EXPECT_EQ(EntreAspas("a\r\nb\n\r"), "\"a\\r\\nb\\n\\r\"");
  // Other characters, tabs and Windows-1252 accents included, pass unchanged.
  EXPECT_EQ(EntreAspas("x;y}z#\trn"), "\"x;y}z#\trn\"");
  EXPECT_EQ(EntreAspas("não"), std::string("\"n\xE3o\""));
  EXPECT_EQ(EntreAspas(std::string("a\0b", 3)), std::string("\"a\0b\"", 5));
}

TEST(Itens, ErrorItemsQuoteNameAndCircumstance) {
  EXPECT_EQ(ItensErro("ErroProtComandoInexistente", "Comando 'X \"y\"' não existe"),
            "NomeErro=\"ErroProtComandoInexistente\" Circunstancia=\"Comando 'X \\\"y\\\"' não existe\"");
  EXPECT_EQ(ItensErro("", ""), "NomeErro=\"\" Circunstancia=\"\"");
}
