#include <gtest/gtest.h>

#include <string>

#include "quorbal/itens.h"

using namespace quorbal;

TEST(Itens, QuotesWithABackslashBeforeQuotesAndBackslashesOnly) {
  EXPECT_EQ(EntreAspas(""), "\"\"");
  EXPECT_EQ(EntreAspas("dois nomes"), "\"dois nomes\"");
  EXPECT_EQ(EntreAspas("diz \"oi\""), "\"diz \\\"oi\\\"\"");
  EXPECT_EQ(EntreAspas("c:\\dir\\"), "\"c:\\\\dir\\\\\"");
  // Other characters, line ends and Windows-1252 accents included, pass unchanged.
  EXPECT_EQ(EntreAspas("x;y}z#\t\r\n"), "\"x;y}z#\t\r\n\"");
  EXPECT_EQ(EntreAspas("não"), std::string("\"n\xE3o\""));
  EXPECT_EQ(EntreAspas(std::string("a\0b", 3)), std::string("\"a\0b\"", 5));
}

TEST(Itens, ErrorItemsQuoteNameAndCircumstance) {
  EXPECT_EQ(ItensErro("ErroProtComandoInexistente", "Comando 'X \"y\"' não existe"),
            "NomeErro=\"ErroProtComandoInexistente\" Circunstancia=\"Comando 'X \\\"y\\\"' não existe\"");
  EXPECT_EQ(ItensErro("", ""), "NomeErro=\"\" Circunstancia=\"\"");
}
