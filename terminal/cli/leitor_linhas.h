// Where the shell's lines come from: a person at a terminal, or a pipe or a file.
#pragma once
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "completa.h"

namespace tarnel::cli {

class LeitorLinhas {
 public:
  virtual ~LeitorLinhas() = default;
  // The next line (UTF-8, without its line end); false at the end of the input.
  virtual bool Le(std::string& linha) = 0;
};

// A person at a terminal (interativo, with the output on a terminal too) gets line editing, the
// history of earlier sessions and tab completion of palavras_shell and quorbal's names, where the
// platform has a line editor; otherwise lines are read as they come, with the prompt shown only when
// interativo.
std::unique_ptr<LeitorLinhas> CriaLeitorLinhas(std::istream& entrada, bool interativo, std::ostream& saida,
                                               const char* prompt, std::vector<PalavraCompletavel> palavras_shell);

}  // namespace tarnel::cli
