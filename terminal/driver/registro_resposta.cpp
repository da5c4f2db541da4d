#include "driver/registro_resposta.h"

namespace tarnel {

std::string TextoEntreAspas(const std::string& texto) {
  std::string saida = "\"";
  for (char c : texto) {
    if (c == '"' || c == '\\') saida += '\\';
    saida += c;
  }
  return saida + '"';
}

std::string ItensErro(const std::string& nome_erro, const std::string& circunstancia) {
  return "NomeErro=" + TextoEntreAspas(nome_erro) + " Circunstancia=" + TextoEntreAspas(circunstancia);
}

}  // namespace tarnel
