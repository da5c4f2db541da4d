#include "window/painel_terminal.h"

namespace tarnel {

namespace {

const char kQuebra[] = "\r\n";

// Every line break as CR LF, whatever the source used.
std::string ComQuebrasCrLf(const std::string& texto) {
  std::string saida;
  saida.reserve(texto.size() + 2);
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '\r') {
      saida += kQuebra;
      if (i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      saida += kQuebra;
    } else {
      saida += c;
    }
  }
  return saida;
}

}  // namespace

void PainelTerminal::ApagaPrimeiraLinha() {
  const std::size_t fim = texto_.find('\n');
  texto_.erase(0, fim == std::string::npos ? std::string::npos : fim + 1);
}

void PainelTerminal::Acrescenta(const std::string& texto) {
  std::string linha = ComQuebrasCrLf(texto) + kQuebra;
  if (texto_.size() + texto.size() > kLimite && !texto_.empty()) {
    if (texto_.size() > kMantido) texto_.erase(0, texto_.size() - kMantido);
    ApagaPrimeiraLinha();
  }
  while (texto_.size() + linha.size() > kLimite && !texto_.empty()) ApagaPrimeiraLinha();
  // A single text larger than the whole pane keeps its beginning.
  if (linha.size() > kLimite) linha = linha.substr(0, kLimite - 2) + kQuebra;
  texto_ += linha;
}

std::vector<std::string> PainelTerminal::Linhas() const {
  std::vector<std::string> linhas;
  std::size_t inicio = 0;
  while (inicio < texto_.size()) {
    const std::size_t fim = texto_.find(kQuebra, inicio);
    if (fim == std::string::npos) {
      linhas.push_back(texto_.substr(inicio));
      break;
    }
    linhas.push_back(texto_.substr(inicio, fim - inicio));
    inicio = fim + 2;
  }
  return linhas;
}

}  // namespace tarnel
