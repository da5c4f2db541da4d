#include "quorbal/itens.h"

namespace quorbal {

std::string EntreAspas(const std::string& valor) {
  std::string texto = "\"";
  for (char c : valor) {
    if (c == '\r') {
      texto += "\\r";
    } else if (c == '\n') {
      texto += "\\n";
    } else {
      if (c == '"' || c == '\\') texto += '\\';
      texto += c;
    }
  }
  return texto + '"';
}

char CaractereEscapado(char apos_barra) {
  if (apos_barra == 'r') return '\r';
  if (apos_barra == 'n') return '\n';
  return apos_barra;
}

std::string ItensErro(const std::string& nome_erro, const std::string& circunstancia) {
  return "NomeErro=" + EntreAspas(nome_erro) + " Circunstancia=" + EntreAspas(circunstancia);
}

}  // namespace quorbal
