// The transcript pane's 20480-character limit and its trimming.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "window/painel_terminal.h"

namespace tarnel {
namespace {

// Line number n, 100 characters long.
std::string LinhaNumerada(int n) {
  char inicio[16];
  std::snprintf(inicio, sizeof inicio, "%05d", n);
  return inicio + std::string(95, '.');
}

PainelTerminal ComLinhas(int total) {
  PainelTerminal painel;
  for (int i = 0; i < total; ++i) painel.Acrescenta(LinhaNumerada(i));
  return painel;
}

TEST(PainelTerminal, EachTextIsALineAndLineBreaksMakeSeveral) {
  PainelTerminal painel;
  painel.Acrescenta("um");
  painel.Acrescenta("dois\r\ntres");
  painel.Acrescenta("quatro\ncinco");
  EXPECT_EQ(painel.Texto(), "um\r\ndois\r\ntres\r\nquatro\r\ncinco\r\n");
  EXPECT_EQ(painel.Linhas(), (std::vector<std::string>{"um", "dois", "tres", "quatro", "cinco"}));
}

TEST(PainelTerminal, OverflowKeepsTheLast12800CharactersWithoutThePartialLine) {
  PainelTerminal painel = ComLinhas(200);  // 200 x 102 = 20400 characters
  ASSERT_EQ(painel.Texto().size(), 20400u);
  painel.Acrescenta(LinhaNumerada(200));  // 20400 + 100 > 20480
  // The last 12800 characters hold 125 whole lines after a 50-character piece of line 74.
  const auto linhas = painel.Linhas();
  ASSERT_EQ(linhas.size(), 126u);
  EXPECT_EQ(linhas.front(), LinhaNumerada(75));
  EXPECT_EQ(linhas.back(), LinhaNumerada(200));
  EXPECT_EQ(painel.Texto().size(), 126u * 102);
}

TEST(PainelTerminal, TextThatJustFitsDropsOnlyTheFirstLinesItNeeds) {
  PainelTerminal painel = ComLinhas(200);
  // 20400 + 80 is not over the limit, but the line with its line end (82) is: the first line goes.
  painel.Acrescenta(std::string(80, 'z'));
  const auto linhas = painel.Linhas();
  ASSERT_EQ(linhas.size(), 200u);
  EXPECT_EQ(linhas.front(), LinhaNumerada(1));
  EXPECT_EQ(linhas.back(), std::string(80, 'z'));
  EXPECT_LE(painel.Texto().size(), PainelTerminal::kLimite);
}

TEST(PainelTerminal, LargeTextEmptiesThePaneAndATooLargeOneIsCut) {
  PainelTerminal painel = ComLinhas(10);
  painel.Acrescenta(std::string(20470, 'g'));
  EXPECT_EQ(painel.Linhas(), (std::vector<std::string>{std::string(20470, 'g')}));

  PainelTerminal vazio;
  vazio.Acrescenta(std::string(30000, 'h'));
  EXPECT_EQ(vazio.Texto(), std::string(20478, 'h') + "\r\n");
}

}  // namespace
}  // namespace tarnel
