// tarnel-cli run as a program in a test's temporary folder, on the stand-in library: exit status,
// standard output and error as bytes. The console speaks UTF-8, so expected texts with accents are
// written as UTF-8 literals.
#pragma once
#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "test_support/patterns.h"
#include "test_support/temp_folder.h"

namespace teste_cli {

using test_support::kPadraoCarimbo;
using test_support::literal_pattern;
using test_support::read_bytes;
using test_support::TempFolder;

struct Execucao {
  int status = -1;
  std::string saida;
  std::string mensagens;
};

inline std::string Aspas(const std::string& texto) {
  std::string saida = "'";
  for (char c : texto) saida += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return saida + "'";
}

// Runs tarnel-cli in the folder with the given library; entrada, when given, is its standard input
// (a file, so never a terminal).
inline Execucao RodaCli(const TempFolder& pasta, const std::vector<std::string>& argumentos,
                        const std::string& biblioteca = DROVIK_ARQUIVO, const std::string* entrada = nullptr) {
  std::string linha = "TARNEL_DROVIK=" + Aspas(biblioteca) + " " + Aspas(TARNEL_CLI);
  for (const std::string& a : argumentos) linha += " " + Aspas(a);
  if (entrada) {
    test_support::write_bytes(pasta.file("entrada.txt"), *entrada);
    linha += " <entrada.txt";
  } else {
    linha += " </dev/null";
  }
  linha += " >saida.txt 2>mensagens.txt";
  Execucao e;
  const int bruto = std::system(linha.c_str());
  e.status = WIFEXITED(bruto) ? WEXITSTATUS(bruto) : -1;
  e.saida = read_bytes(pasta.file("saida.txt"));
  e.mensagens = read_bytes(pasta.file("mensagens.txt"));
  return e;
}

inline bool Casa(const std::string& texto, const std::string& padrao) {
  return std::regex_match(texto, std::regex(padrao));
}

// Expected output lines as one pattern: a line starting with "@" begins with a time stamp, one
// starting with "~" is a regular expression, any other is literal text.
inline std::string PadraoLinhas(const std::vector<std::string>& linhas) {
  std::string padrao;
  for (const std::string& linha : linhas) {
    if (!linha.empty() && linha[0] == '~') {
      padrao += linha.substr(1);
    } else if (!linha.empty() && linha[0] == '@') {
      padrao += kPadraoCarimbo + literal_pattern(linha.substr(1));
    } else {
      padrao += literal_pattern(linha);
    }
    padrao += "\n";
  }
  return padrao;
}

}  // namespace teste_cli
