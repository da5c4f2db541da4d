// tarnel-cli run: command files replayed as scripts without a window, with a pass/fail exit status,
// for labs that test printers unattended. The player and the directives are the window's; the
// questions are answered by a policy given on the command line.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "scripts/script.h"

namespace tarnel::cli {

// How the questions are answered: Yes and go on; No, the current file stops; No and no further file
// runs.
enum class PoliticaResposta { Sim, Nao, Parar };

struct PedidoRun {
  std::vector<std::string> arquivos;
  std::string canal = "Emul";
  OpcoesScript opcoes;
  PoliticaResposta resposta = PoliticaResposta::Nao;
  std::string relatorio;  // JUnit XML file, none when empty
};

// Runs the files in order. Pauses, differences, script faults and the files' ends go to saida, with
// a progress line rewritten in place when terminal; connection failures go to mensagens. Exit status
// 0 when every file ran to its end without a difference, a fault of the script, an error message or
// a line of the workbook's error list, 1 otherwise, 2
// when the channel does not open or the report cannot be written.
int Run(const PedidoRun& pedido, bool terminal, std::ostream& saida, std::ostream& mensagens);

}  // namespace tarnel::cli
