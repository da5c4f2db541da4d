#include "pedido.h"

namespace tarnel::cli {

bool LeParametro(const std::string& argumento, quorbal::Item& parametro, std::string& erro) {
  const std::size_t igual = argumento.find('=');
  if (igual == std::string::npos || igual == 0) {
    erro = "Parâmetro fora da forma NOME=VALOR: " + argumento;
    return false;
  }
  parametro = {argumento.substr(0, igual), argumento.substr(igual + 1), quorbal::kString};
  return true;
}

}  // namespace tarnel::cli
