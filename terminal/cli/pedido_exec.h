// The arguments of "tarnel-cli exec", read and checked.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace tarnel::cli {

struct PedidoExec {
  std::string canal = "Emul";
  bool com_log = false;
  std::string log;
  std::string comando;
  std::vector<std::pair<std::string, std::string>> parametros;  // NAME=VALUE, in the order given
};

// Reads the arguments after "exec" (Windows-1252 texts). False with a message on a usage error.
bool LePedidoExec(const std::vector<std::string>& argumentos, PedidoExec& pedido, std::string& erro);

}  // namespace tarnel::cli
