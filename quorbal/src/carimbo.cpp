#include "quorbal/carimbo.h"

#include <cstdio>

#include "quorbal/registro.h"

namespace quorbal {

std::string FormataCarimbo(const compat::LocalTime& t) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%02d/%02d/%04d %02d:%02d:%02d.%03d", t.day, t.month, t.year, t.hour, t.minute,
                t.second, t.millisecond);
  return texto;
}

std::string ComporLinhaComando(const compat::LocalTime& t, const std::string& comando, const std::string& parametros) {
  return FormataCarimbo(t) + " -> " + ComporRegistro(comando, parametros);
}

std::string ComporLinhaResposta(const compat::LocalTime& t, const std::string& codigo, const std::string& itens) {
  return FormataCarimbo(t) + " <- " + ComporRegistro(codigo, itens);
}

}  // namespace quorbal
