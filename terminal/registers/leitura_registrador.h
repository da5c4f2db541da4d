// Reading one named register: the library names the reading command, the execute path runs it with
// the register name as first parameter, and the first return is the value. The user's selection,
// error fields and error code are left as they were.
#pragma once
#include <optional>
#include <string>

#include "window/mainfrm.h"

namespace tarnel {

// Texts for the library's refusals -1..-4; empty for any other value.
std::string MensagemRecusaRegistrador(std::int32_t resultado);

// Whether the register of that name is read as name[index] (CER[0], TotalDiaValorAliquota[3]); false
// for a name the protocol does not list.
bool RegistradorIndexado(const std::string& nome);

// Runs the reading. Nothing (no new label) when the library is not loaded, or when there is no
// connection: then the reading command stays selected with the register name filled in.
std::optional<ValorRegistrador> LeValorRegistrador(TfrmMain& frm, const std::string& registrador);

}  // namespace tarnel
