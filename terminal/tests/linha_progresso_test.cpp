// tarnel-cli's progress line: rewritten in place on a terminal, a line per state elsewhere.
#include <gtest/gtest.h>

#include <sstream>

#include "console.h"

namespace {

using tarnel::cli::LinhaProgresso;

TEST(ProgressLine, OnATerminalOneLineIsRewrittenAndWipedOrLeftInPlace) {
  std::ostringstream saida;
  LinhaProgresso progresso(saida, true);
  // Nothing shown yet: nothing to wipe, no line to end.
  progresso.Apaga();
  progresso.Encerra();
  EXPECT_EQ(saida.str(), "");

  progresso.Mostra("a.RMT: linha 1");
  progresso.Mostra("Confer\xEAncia: 2");  // Windows-1252 in, UTF-8 out
  progresso.Apaga();
  progresso.Apaga();
  EXPECT_EQ(saida.str(), "\r\x1b[Ka.RMT: linha 1\r\x1b[K" + std::string(u8"Confer\u00eancia: 2") + "\r\x1b[K");

  saida.str("");
  progresso.Mostra("fim");
  progresso.Encerra();
  progresso.Encerra();
  progresso.Apaga();
  EXPECT_EQ(saida.str(), "\r\x1b[Kfim\n");
}

TEST(ProgressLine, ElsewhereEachStateIsALineOfItsOwn) {
  std::ostringstream saida;
  LinhaProgresso progresso(saida, false);
  progresso.Mostra("a.RMT: linha 1");
  progresso.Mostra("Confer\xEAncia: 2");
  progresso.Apaga();
  progresso.Encerra();
  EXPECT_EQ(saida.str(), "a.RMT: linha 1\n" + std::string(u8"Confer\u00eancia: 2") + "\n");
}

}  // namespace
