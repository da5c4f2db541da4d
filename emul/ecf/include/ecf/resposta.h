// The emulated printer's reply as a protocol record (composed with quorbal/registro.h).
#pragma once
#include <string>

#include "ecf/impressora.h"

namespace ecf {

// The reply of a command as a record: head = error code, items = returns or
// NomeErro="..." Circunstancia="...".
std::string FormataResposta(const Resposta& resposta);
// The items of that record alone.
std::string ItensResposta(const Resposta& resposta);

}  // namespace ecf
