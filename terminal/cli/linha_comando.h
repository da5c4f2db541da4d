// tarnel-cli's command line: which subcommand, with which options and names. The parsing itself is
// CLI11's; the messages and the help are ours, in Portuguese.
#pragma once
#include <string>
#include <vector>

#include "leitura_cli.h"
#include "pedido.h"
#include "run.h"

namespace tarnel::cli {

enum class Subcomando { kExec, kRegistrador, kShell, kBobina, kRun, kLeitura, kSoftwareBasico, kMfdBinaria, kMfdLer, kPlanilha };

struct Invocacao {
  Subcomando subcomando = Subcomando::kExec;
  Pedido pedido;        // exec, registrador, shell, planilha (nome: the operation)
  bool seguir = false;  // bobina
  PedidoRun run;        // run
  PedidoLeituraCli leitura;  // leitura
  std::string arquivo;  // software-basico (may be empty), mfd-ler
  std::string pasta;    // mfd-ler (may be empty)
  // When one of these is set nothing runs: the help that was asked for goes to standard output
  // (status 0), a usage error to standard error (status 2); neither ends with a line end.
  std::string ajuda;
  std::string erro;
};

// Reads the arguments that follow the program's name (Windows-1252 texts). Errors name the
// subcommand and end with a pointer to --help, as the user sees them.
Invocacao InterpretaArgumentos(const std::vector<std::string>& argumentos);

}  // namespace tarnel::cli
