// The arguments of a tarnel-cli subcommand: options first, then a name (command or register), then
// for exec the NAME=VALUE parameters.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace tarnel::cli {

struct Pedido {
  std::string canal = "Emul";
  bool com_log = false;
  std::string log;
  std::string nome;
  std::vector<std::pair<std::string, std::string>> parametros;  // in the order given
};

// Reads the arguments after the subcommand (Windows-1252 texts). False with a message on a usage
// error. Without com_parametros nothing may follow the name.
bool LePedido(const std::vector<std::string>& argumentos, bool com_parametros, Pedido& pedido, std::string& erro);

}  // namespace tarnel::cli
