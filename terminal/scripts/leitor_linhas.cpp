#include "scripts/leitor_linhas.h"

namespace tarnel {

int FonteArquivo::Le() { return std::fgetc(arquivo_); }

std::int64_t FonteArquivo::Posicao() const {
#ifdef _WIN32
  return _ftelli64(arquivo_);
#else
  return ftello(arquivo_);
#endif
}

void FonteArquivo::Volta(std::int64_t posicao) {
#ifdef _WIN32
  _fseeki64(arquivo_, posicao, SEEK_SET);
#else
  fseeko(arquivo_, static_cast<off_t>(posicao), SEEK_SET);
#endif
}

Leitura LeitorLinhas::LeLinha(std::string& linha) {
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
