// The shell's history file: where it lives, what is kept, and the round trip between sessions.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <map>
#include <string>
#include <vector>

#include "compat/whole_file.h"
#include "historico.h"
#include "test_support/temp_folder.h"

namespace {

using tarnel::cli::CaminhoHistorico;
using tarnel::cli::Historico;
using tarnel::cli::kMaximoHistorico;
using test_support::read_bytes;
using test_support::TempFolder;
using test_support::write_bytes;

TEST(History, LivesInTheStateFolderOrElseInHome) {
  const std::pair<std::map<std::string, std::string>, std::string> casos[] = {
      {{{"XDG_STATE_HOME", "/estado"}, {"HOME", "/casa"}}, "/estado/tarnel_historico"},
      {{{"XDG_STATE_HOME", ""}, {"HOME", "/casa"}}, "/casa/.tarnel_historico"},
      {{{"HOME", "/casa"}}, "/casa/.tarnel_historico"},
      {{{"HOME", ""}}, ""},
      // A relative folder, or (off Windows, where the system's names are UTF-8) one Windows-1252
      // text cannot name, is no folder for it.
      {{{"XDG_STATE_HOME", "relativo"}, {"HOME", "/casa"}}, "/casa/.tarnel_historico"},
#ifndef _WIN32
      {{{"XDG_STATE_HOME", u8"/日本"}, {"HOME", "/casa"}}, "/casa/.tarnel_historico"},
      {{{"HOME", u8"/日本"}}, ""},
      {{{"XDG_STATE_HOME", u8"/Jo\u00e3o"}}, "/Jo\xE3o/tarnel_historico"},
#endif
      {{}, ""},
  };
  for (const auto& [variaveis, caminho] : casos) {
    EXPECT_EQ(CaminhoHistorico([&variaveis = variaveis](const char* nome) -> const char* {
                const auto achada = variaveis.find(nome);
                return achada == variaveis.end() ? nullptr : achada->second.c_str();
              }),
              caminho);
  }
}

TEST(History, WhatIsTypedComesBackInTheNextSession) {
  TempFolder pasta("tarnel-test");
  const std::string caminho = pasta.file("historico");
  {
    Historico historico(caminho);
    EXPECT_TRUE(historico.Linhas().empty());
    EXPECT_TRUE(historico.Acrescenta("AbreGaveta TempoAcionamentoGaveta=100"));
    EXPECT_FALSE(historico.Acrescenta("AbreGaveta TempoAcionamentoGaveta=100"));  // a repeat
    EXPECT_FALSE(historico.Acrescenta(" \t"));
    EXPECT_FALSE(historico.Acrescenta("duas\nlinhas"));
    EXPECT_FALSE(historico.Acrescenta("fim\r"));
    EXPECT_TRUE(historico.Acrescenta(u8"AbreCupomFiscal NomeConsumidor=\"José Conceição\""));
    EXPECT_TRUE(historico.Acrescenta("AbreGaveta TempoAcionamentoGaveta=100"));
  }
  const std::string bytes = u8"AbreGaveta TempoAcionamentoGaveta=100\n"
                            u8"AbreCupomFiscal NomeConsumidor=\"José Conceição\"\n"
                            u8"AbreGaveta TempoAcionamentoGaveta=100\n";
  EXPECT_EQ(read_bytes(caminho), bytes);
#ifndef _WIN32
  struct stat info{};
  ASSERT_EQ(stat(caminho.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u) << "what was typed is the user's alone";
#endif
  Historico seguinte(caminho);
  EXPECT_EQ(seguinte.Linhas(), (std::vector<std::string>{"AbreGaveta TempoAcionamentoGaveta=100",
                                                         u8"AbreCupomFiscal NomeConsumidor=\"José Conceição\"",
                                                         "AbreGaveta TempoAcionamentoGaveta=100"}));
  // The last line of the earlier session counts as the previous one.
  EXPECT_FALSE(seguinte.Acrescenta("AbreGaveta TempoAcionamentoGaveta=100"));
  EXPECT_EQ(read_bytes(caminho), bytes);
}

TEST(History, KeepsTheLatestLinesAndSkipsBlankOnes) {
  TempFolder pasta("tarnel-test");
  const std::string caminho = pasta.file("historico");
  std::string bytes = "\r\n";
  for (std::size_t i = 0; i < kMaximoHistorico * 2 + 7; ++i) bytes += "linha " + std::to_string(i) + "\r\n\n";
  write_bytes(caminho, bytes);
  Historico historico(caminho);
  ASSERT_EQ(historico.Linhas().size(), kMaximoHistorico);
  EXPECT_EQ(historico.Linhas().front(), "linha " + std::to_string(kMaximoHistorico + 7));
  EXPECT_EQ(historico.Linhas().back(), "linha " + std::to_string(kMaximoHistorico * 2 + 6));
  // The file was rewritten with what is kept.
  std::string guardado;
  for (const std::string& linha : historico.Linhas()) guardado += linha + "\n";
  EXPECT_EQ(read_bytes(caminho), guardado);
  EXPECT_TRUE(historico.Acrescenta("nova"));
  EXPECT_EQ(historico.Linhas().size(), kMaximoHistorico);
  EXPECT_EQ(historico.Linhas().back(), "nova");
}

// A state folder that does not exist yet (a fresh account) is made at the first line typed.
TEST(History, AMissingStateFolderIsMade) {
  TempFolder pasta("tarnel-test");
  const std::string caminho = pasta.file("estado/novo/tarnel_historico");
  Historico historico(caminho);
  EXPECT_TRUE(historico.Acrescenta("LeTexto NomeTexto=TextoLivre"));
  EXPECT_EQ(read_bytes(caminho), "LeTexto NomeTexto=TextoLivre\n");
}

TEST(History, AFileThatCannotBeWrittenLosesNothingInTheSession) {
  TempFolder pasta("tarnel-test");
  write_bytes(pasta.file("arquivo"), "");  // a file where the folder would be
  Historico historico(pasta.file("arquivo/historico"));
  EXPECT_TRUE(historico.Acrescenta("LeTexto NomeTexto=TextoLivre"));
  EXPECT_EQ(historico.Linhas(), std::vector<std::string>{"LeTexto NomeTexto=TextoLivre"});
  Historico sem_arquivo("");
  EXPECT_TRUE(sem_arquivo.Acrescenta("sair"));
  EXPECT_EQ(sem_arquivo.Linhas(), std::vector<std::string>{"sair"});
}

TEST(History, ATrimThatCannotBeWrittenLeavesTheOldFile) {
  TempFolder pasta("tarnel-test");
  const std::string caminho = pasta.file("historico");
  std::string bytes;
  for (std::size_t i = 0; i < kMaximoHistorico + 3; ++i) bytes += "linha " + std::to_string(i) + "\n";
  write_bytes(caminho, bytes);
  compat::replace_file_fail_writes(true);
  Historico historico(caminho);
  compat::replace_file_fail_writes(false);
  EXPECT_EQ(historico.Linhas().size(), kMaximoHistorico);
  EXPECT_EQ(historico.Linhas().front(), "linha 3");
  // A full disk while the kept lines are written back: the file is the old one, whole.
  EXPECT_EQ(read_bytes(caminho), bytes);
}

}  // namespace
