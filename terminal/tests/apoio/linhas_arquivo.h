// The lines the terminal wrote into a command file: every line must end in CR LF, and the header
// stands first. Empty when the file does not exist.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compat/path.h"
#include "scripts/arquivo_comandos.h"
#include "test_support/temp_folder.h"

namespace tarnel::teste {

inline std::vector<std::string> LinhasDeEvento(const std::string& caminho) {
  std::vector<std::string> linhas;
  if (!compat::file_exists(caminho)) return linhas;
  const std::string conteudo = test_support::read_bytes(caminho);
  std::size_t inicio = 0;
  while (inicio < conteudo.size()) {
    const std::size_t fim = conteudo.find("\r\n", inicio);
    EXPECT_NE(fim, std::string::npos) << "a line without CR LF at the end of " << caminho;
    if (fim == std::string::npos) break;
    linhas.push_back(conteudo.substr(inicio, fim - inicio));
    inicio = fim + 2;
  }
  EXPECT_FALSE(linhas.empty());
  if (linhas.empty()) return linhas;
  EXPECT_EQ(linhas.front(), LinhaCabecalhoArquivoComandos());
  linhas.erase(linhas.begin());
  return linhas;
}

}  // namespace tarnel::teste
