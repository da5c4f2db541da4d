// The first-copy capture as a follow-up of the execute path (LeImpressaoExecute, which acts only while
// capture is enabled).
#pragma once
#include <functional>

#include "window/eventos.h"
#include "window/mainfrm.h"

namespace tarnel {

// Whether the capture follows the command: under the follow-ups' rule, after success, and not after a
// detail-memory or fiscal-memory reading sent to the host (nothing was printed). An X reading sent
// to the host is captured.
bool CapturaPrimeiraViaApos(const ComandoExecutado& comando);

// Attaches LeImpressaoExecute to frm's executed commands.
void CapturaPrimeiraViaAposComando(TfrmMain& frm, std::function<void()> LeImpressaoExecute);

}  // namespace tarnel
