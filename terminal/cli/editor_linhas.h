// The shell's line editor on a terminal (libedit): editing keys, the history kept between runs
// (historico.h) and tab completion (completa.h). Built only where libedit is (not on Windows).
#pragma once
#include <memory>
#include <vector>

#include "completa.h"
#include "leitor_linhas.h"

namespace tarnel::cli {

#ifdef TARNEL_EDITOR_LINHAS
// Reads standard input, which must be a terminal. One at a time: the editor's state is the
// process's.
std::unique_ptr<LeitorLinhas> CriaEditorLinhas(const char* prompt, std::vector<PalavraCompletavel> palavras_shell);
#endif

}  // namespace tarnel::cli
