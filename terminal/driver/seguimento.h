// The rule the follow-ups of a command share (register reading, first copy): they run after any
// command but LeImpressao, which is the first copy's own, and not after a command a feature sent on
// its own behalf (a register reading's, the memory reader's, a reading to a file's), which is not the
// user's.
#pragma once
#include "window/eventos.h"

namespace tarnel {

inline bool AdmiteSeguimento(const ComandoExecutado& comando) {
  return !comando.Eh(quorbal::Comando::LeImpressao) && !comando.lendo_registrador;
}

}  // namespace tarnel
