// The value a replayed command's parameter gets: the recorded one, unless a directive stored a value
// for that name (NomesArmazenados / ValoresArmazenados): a stored text replaces it ("moeda" without
// its "." characters), an empty one means today's date for a "data" parameter and the current time
// for a "hora" one and leaves the others as recorded.
#pragma once
#include <string>

#include "quorbal/catalogo.h"
#include "scripts/script.h"

namespace tarnel {

// Today as "dd/mm/yyyy" and the current time as "hh:mm:ss", from the program's clock.
std::string DataDeHoje();
std::string HoraAtual();

std::string ValorParametro(const EstadoScript& estado, const quorbal::DescritorCampo& campo, const std::string& nome,
                           const std::string& gravado);

}  // namespace tarnel
