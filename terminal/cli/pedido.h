// The arguments of a tarnel-cli subcommand: options first, then a name (command or register), then
// for exec the NAME=VALUE parameters.
#pragma once
#include <string>
#include <vector>

#include "quorbal/registro.h"

namespace tarnel::cli {

struct Pedido {
  std::string canal = "Emul";
  bool com_log = false;
  std::string log;
  std::string nome;
  std::vector<quorbal::Item> parametros;  // in the order given, texts as typed
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

// Splits one NAME=VALUE argument at its first "=" into a text item; false with a message when it
// has no name.
bool LeParametro(const std::string& argumento, quorbal::Item& parametro, std::string& erro);

}  // namespace tarnel::cli
