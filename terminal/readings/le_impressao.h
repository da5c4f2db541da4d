// One piece of print data: LeImpressao through the execute path, with the retries the readings and
// the first copy share.
#pragma once
#include "window/mainfrm.h"

namespace tarnel {

// Attempts of one LeImpressao before the work gives up.
constexpr int kTentativasLeImpressao = 3;

// Runs the selected command (LeImpressao) up to three times until it succeeds; a retry after a
// time-out fetches the last reply instead of sending the command again. A path that carried
// nothing out (no library) counts as a failed attempt. ModoUltimoRetorno is clear afterwards
// either way, so that the user's next command is sent, not fetched.
bool ExecutaLeImpressao(TfrmMain& frm);

// The TextoImpressao reply field of LeImpressao.
const std::string& TextoImpressao(const TfrmMain& frm);

}  // namespace tarnel
