// Reading back what the library appended to its log during a command.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "driver/trecho_log.h"
#include "test_support/temp_folder.h"

namespace tarnel {
namespace {

using test_support::TempFolder;

class TrechoDoLog : public ::testing::Test {
 protected:
  void Escreve(const std::string& conteudo, bool acrescenta = false) {
    std::ofstream(caminho, std::ios::binary | (acrescenta ? std::ios::app : std::ios::trunc)) << conteudo;
  }
  TempFolder pasta{"tarnel-test", TempFolder::enter | TempFolder::user_folders};
  const std::string caminho = pasta.file("log.RMT");
};

TEST_F(TrechoDoLog, SizeBeforeIsMinusOneForAMissingFile) {
  EXPECT_EQ(TamanhoLog(caminho), -1);
  EXPECT_EQ(TamanhoLog(""), -1);
  Escreve("12345");
  EXPECT_EQ(TamanhoLog(caminho), 5);
}

TEST_F(TrechoDoLog, AppendedLinesWithoutTheFinalLineEnd) {
  Escreve("; cabecalho\r\n");
  Escreve("a -> b\r\nc <- d\r\n", true);
  EXPECT_EQ(TrechoLog(caminho, 13), "a -> b\r\nc <- d");
  EXPECT_EQ(TrechoLog(caminho, 31), "") << "not grown";
  EXPECT_EQ(TrechoLog(caminho, 40), "") << "shrunk";
}

TEST_F(TrechoDoLog, MissingOrEmptyBeforeGivesTheErrorText) {
  EXPECT_EQ(TrechoLog(caminho, -1), "") << "still missing: nothing to say";
  Escreve("linha\r\n");
  EXPECT_EQ(TrechoLog(caminho, -1), "Erro ao acessar arquivo de log " + caminho);
  EXPECT_EQ(TrechoLog(caminho, 0), "Erro ao acessar arquivo de log " + caminho);
}

TEST_F(TrechoDoLog, MoreThan4200BytesAreCutTo4196) {
  Escreve("x");
  Escreve(std::string(4200, 'a') + "\r\n", true);
  EXPECT_EQ(TrechoLog(caminho, 1), std::string(4200, 'a'));
  Escreve("x" + std::string(4201, 'b') + "\r\n");
  const std::string cortado = TrechoLog(caminho, 1);
  EXPECT_EQ(cortado.size(), 4196u);
  EXPECT_EQ(cortado, std::string(4196, 'b'));
}

}  // namespace
}  // namespace tarnel
