// What a tarnel-cli subcommand that talks to the printer was asked: the channel, the log file, a
// name (command or register) and, for exec, the NAME=VALUE parameters.
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

// Splits one NAME=VALUE argument at its first "=" into a text item; false with a message when it
// has no name.
bool LeParametro(const std::string& argumento, quorbal::Item& parametro, std::string& erro);

}  // namespace tarnel::cli
