#include "scripts/leitor_linhas.h"

namespace tarnel {

void LeitorLinhas::Devolve() {
  devolvida_ = true;
  numero_ = numero_anterior_;
}

Leitura LeitorLinhas::LeLinha(std::string& linha) {
  numero_anterior_ = numero_;
  if (devolvida_) {
    devolvida_ = false;
    linha = linha_ultima_;
    if (ultima_ != Leitura::Fim) ++numero_;
    return ultima_;
  }
  ultima_ = LeDaFonte(linha);
  linha_ultima_ = linha;
  return ultima_;
}

Leitura LeitorLinhas::LeDaFonte(std::string& linha) {
  linha.clear();
  int c = fonte_.Le();
  if (c < 0) return Leitura::Fim;
  ++numero_;
  for (; c >= 0; c = fonte_.Le()) {
    if (c == '\n') break;
    if (c == '\r') {
      fonte_.Le();  // the LF of a CR LF pair, or whatever stands there
      break;
    }
    linha.push_back(static_cast<char>(c));
    if (linha.size() == kTamanhoLinhaScript) {
      // Too long: what is left of it, up to and including the next LF, is dropped.
      do c = fonte_.Le();
      while (c >= 0 && c != '\n');
      break;
    }
  }
  return linha.empty() ? Leitura::Vazia : Leitura::Linha;
}

}  // namespace tarnel
