// The command catalogue on the console: the list of names, and one command's parameters and returns.
#pragma once
#include <ostream>

namespace tarnel::cli {

// The 68 command names, one a line, in catalogue order.
void MostraNomesComandos(std::ostream& saida);

// One catalogue entry: its name, then its parameters and its returns, one a line with type and size
// (and decimals for money); "*" marks the mandatory ones.
void MostraDescricaoComando(int comando, std::ostream& saida);

}  // namespace tarnel::cli
