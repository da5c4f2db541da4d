// The register reading as a follow-up of the execute path (LeRegistradorExecute, which reads only
// while automatic reading is on).
#pragma once
#include <functional>

#include "window/mainfrm.h"

namespace tarnel {

// Attaches LeRegistradorExecute to frm's executed commands, under the follow-ups' rule.
void LeRegistradorAposComando(TfrmMain& frm, std::function<void()> LeRegistradorExecute);

}  // namespace tarnel
