#include "pedido.h"

namespace tarnel::cli {

bool LePedido(const std::vector<std::string>& argumentos, bool com_parametros, Pedido& pedido, std::string& erro) {
  std::size_t i = 0;
  for (; i < argumentos.size() && argumentos[i].rfind("--", 0) == 0; ++i) {
    const std::string& opcao = argumentos[i];
    if (opcao != "--canal" && opcao != "--log") {
      erro = "Opção desconhecida: " + opcao;
      return false;
    }
    if (i + 1 >= argumentos.size()) {
      erro = "Falta o valor de " + opcao;
      return false;
    }
    if (opcao == "--canal") {
      pedido.canal = argumentos[++i];
    } else {
      pedido.com_log = true;
      pedido.log = argumentos[++i];
    }
  }
  if (i >= argumentos.size()) {
    erro = com_parametros ? "Falta o nome do comando" : "Falta o nome do registrador";
    return false;
  }
  pedido.nome = argumentos[i++];
  if (!com_parametros && i < argumentos.size()) {
    erro = "Argumento a mais: " + argumentos[i];
    return false;
  }
  for (; i < argumentos.size(); ++i) {
    const std::size_t igual = argumentos[i].find('=');
    if (igual == std::string::npos || igual == 0) {
      erro = "Parâmetro fora da forma NOME=VALOR: " + argumentos[i];
      return false;
    }
    pedido.parametros.emplace_back(argumentos[i].substr(0, igual), argumentos[i].substr(igual + 1));
  }
  return true;
}

}  // namespace tarnel::cli
