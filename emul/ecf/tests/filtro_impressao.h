// The readers' filter of print data, as the terminal applies it to a reading file: ESC and the two
// bytes after it are dropped, ESC '*' becomes a line break (the byte after '*' is kept), and lines
// break after 48 characters. Tests run printed text through it to check what a reader will see.
#pragma once
#include <string>
#include <vector>

inline std::string FiltraImpressao(const std::string& entrada) {
  std::string saida;
  int pular = 0;
  int coluna = 1;
  for (char c : entrada) {
    if (c == '\x1B') {
      pular = 2;
    } else if (pular == 2) {
      if (c == '*') {
        saida += '\n';
        coluna = 0;
        pular = 0;
      } else {
        pular = 1;
      }
    } else if (pular == 1) {
      pular = 0;
    } else {
      saida += c;
      if (c == '\n' || c == '\r') coluna = 0;
      if (coluna == 48) {
        saida += '\n';
        coluna = 0;
      }
      ++coluna;
    }
  }
  return saida;
}

// The filtered text as lines (the text after the last line break, if any, is the last line).
// Print data always follows a line break (every document starts with a paper feed), which is where
// the reader's column count starts at 0; a fragment is read in that position too.
inline std::vector<std::string> LinhasFiltradas(const std::string& impresso) {
  std::vector<std::string> linhas;
  std::string atual;
  const std::string filtrado = FiltraImpressao("\x1B*" + impresso).substr(1);
  for (char c : filtrado) {
    if (c == '\n') {
      linhas.push_back(atual);
      atual.clear();
    } else {
      atual += c;
    }
  }
  if (!atual.empty()) linhas.push_back(atual);
  return linhas;
}

// How many line breaks (ESC '*') the printed text holds.
inline int QuebrasDeLinha(const std::string& impresso) {
  int total = 0;
  for (std::size_t i = 0; i + 1 < impresso.size(); ++i)
    if (impresso[i] == '\x1B' && impresso[i + 1] == '*') ++total;
  return total;
}
