// The context check run after each replayed command: the emulated printer's newest context file is
// damaged while the channel is closed, and must come back byte for byte when it is opened again.
#pragma once
#include <string>

#include "scripts/script.h"
#include "window/mainfrm.h"

namespace tarnel {

// What a check came to: the file's course and, when it found a problem, the question put about it
// ("title: text"), so that an unattended run counts the problem even when the answer was to go on.
struct VerificacaoContexto {
  Seguimento seguimento = Seguimento::Continua;
  std::string problema;
};

// Checks the rasc*.bin files of pasta (the current folder when empty). Every problem is put to the
// person as a question; "No" stops the file.
VerificacaoContexto VerificaContexto(TfrmMain& frm, const std::string& pasta = "");

}  // namespace tarnel
