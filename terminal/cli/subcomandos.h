// The subcommands of tarnel-cli. Each prints its results to saida and its messages to mensagens,
// and returns the exit status.
#pragma once
#include <ostream>

#include "pedido.h"

namespace tarnel::cli {

// exec: one command through the execute path; prints the transcript lines, the error name and
// circumstance, then each return of the command as NAME=VALUE.
int Exec(const Pedido& pedido, std::ostream& saida, std::ostream& mensagens);

// registrador: one register read as the register reader does; prints the transcript lines and then
// the value line, "Valor: " + value, or "Erro: " + the refusal or printer error.
int Registrador(const Pedido& pedido, std::ostream& saida, std::ostream& mensagens);

}  // namespace tarnel::cli
