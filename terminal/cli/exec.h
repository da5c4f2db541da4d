// "tarnel-cli exec": one command through the execute path, printed as the window would show it.
#pragma once
#include <ostream>

#include "pedido_exec.h"

namespace tarnel::cli {

constexpr int kSaidaSucesso = 0;
constexpr int kSaidaErroImpressora = 1;
constexpr int kSaidaFalha = 2;  // usage, library or connection

// Prints the transcript lines, the error name and circumstance, then each return as NAME=VALUE;
// messages go to the error stream. Returns the exit status.
int ExecutaPedido(const PedidoExec& pedido, std::ostream& saida, std::ostream& mensagens);

}  // namespace tarnel::cli
