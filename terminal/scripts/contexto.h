// The context check run after each replayed command: the emulated printer's newest context file is
// damaged while the channel is closed, and must come back byte for byte when it is opened again.
#pragma once
#include <string>

#include "scripts/script.h"
#include "window/mainfrm.h"

namespace tarnel {

// Checks the rasc*.bin files of pasta (the current folder when empty). Every problem is put to the
// person as a question; "No" stops the file.
Seguimento VerificaContexto(TfrmMain& frm, const std::string& pasta = "");

}  // namespace tarnel
