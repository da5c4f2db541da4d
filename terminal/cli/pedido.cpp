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

bool LePedido(const std::vector<std::string>& argumentos, FormaPedido forma, Pedido& pedido, std::string& erro) {
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
  if (forma != FormaPedido::kSemNome) {
    if (i >= argumentos.size()) {
      erro = forma == FormaPedido::kComando ? "Falta o nome do comando" : "Falta o nome do registrador";
      return false;
    }
    pedido.nome = argumentos[i++];
  }
  if (forma != FormaPedido::kComando && i < argumentos.size()) {
    erro = "Argumento a mais: " + argumentos[i];
    return false;
  }
  for (; i < argumentos.size(); ++i) {
    quorbal::Item parametro;
    if (!LeParametro(argumentos[i], parametro, erro)) return false;
    pedido.parametros.push_back(std::move(parametro));
  }
  return true;
}

}  // namespace tarnel::cli
