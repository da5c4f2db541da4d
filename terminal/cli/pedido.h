// The arguments of a tarnel-cli subcommand: options first, then a name (command or register), then
// for exec the NAME=VALUE parameters.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace tarnel::cli {

using Parametro = std::pair<std::string, std::string>;  // name, text as typed

struct Pedido {
  std::string canal = "Emul";
  bool com_log = false;
  std::string log;
  std::string nome;
  std::vector<Parametro> parametros;  // in the order given
};

// What follows the options.
enum class FormaPedido {
  kComando,      // COMMAND [NAME=VALUE ...]
  kRegistrador,  // REGISTER
  kSemNome,      // nothing
};

// Reads the arguments after the subcommand (Windows-1252 texts). False with a message on a usage
// error.
bool LePedido(const std::vector<std::string>& argumentos, FormaPedido forma, Pedido& pedido, std::string& erro);

// Splits one NAME=VALUE argument at its first "="; false with a message when it has no name.
bool LeParametro(const std::string& argumento, Parametro& parametro, std::string& erro);

}  // namespace tarnel::cli
