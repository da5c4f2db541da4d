#include "palavras.h"

namespace tarnel::cli {

namespace {

bool EhBranco(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool SeparaPalavras(const std::string& linha, std::vector<std::string>& palavras, std::string& erro) {
  palavras.clear();
  std::size_t i = 0;
  while (i < linha.size()) {
    if (EhBranco(linha[i])) {
      ++i;
      continue;
    }
    // One word: bare stretches and quoted stretches until a blank outside quotes.
    std::string palavra;
    while (i < linha.size() && !EhBranco(linha[i])) {
      if (linha[i] != '"') {
        palavra += linha[i++];
        continue;
      }
      const std::size_t abertura = i++;
      for (;;) {
        if (i >= linha.size()) {
          palavras.clear();
          erro = "Aspas abertas na coluna " + std::to_string(abertura + 1) + " e não fechadas";
          return false;
        }
        const char c = linha[i++];
        if (c == '"') break;
        if (c == '\\' && i < linha.size() && (linha[i] == '"' || linha[i] == '\\')) {
          palavra += linha[i++];
        } else {
          palavra += c;
        }
      }
    }
    palavras.push_back(std::move(palavra));
  }
  return true;
}

}  // namespace tarnel::cli
