// Time stamps of transcript, command-file and event lines: "dd/mm/yyyy hh:mm:ss.nnn".
#pragma once
#include <string>

#include "compat/clock.h"

namespace quorbal {

std::string FormataCarimbo(const compat::LocalTime& t);

// A whole command or reply line: time stamp, " -> " or " <- ", record (ComporRegistro).
std::string ComporLinhaComando(const compat::LocalTime& t, const std::string& comando, const std::string& parametros);
std::string ComporLinhaResposta(const compat::LocalTime& t, const std::string& codigo, const std::string& itens);

}  // namespace quorbal
