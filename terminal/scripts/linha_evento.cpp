#include "scripts/linha_evento.h"

#include "quorbal/carimbo.h"

namespace tarnel {

std::string ComporLinhaEvento(const compat::LocalTime& momento, const std::string& evento) {
  return "; " + quorbal::FormataCarimbo(momento) + " - " + evento;
}

}  // namespace tarnel
