#include "quorbal/itens.h"

namespace quorbal {

std::string EntreAspas(const std::string& valor) {
  std::string texto = "\"";
  for (char c : valor) {
    if (c == '"' || c == '\\') texto += '\\';
    texto += c;
  }
  return texto + '"';
}

std::string ItensErro(const std::string& nome_erro, const std::string& circunstancia) {
  return "NomeErro=" + EntreAspas(nome_erro) + " Circunstancia=" + EntreAspas(circunstancia);
}

}  // namespace quorbal
