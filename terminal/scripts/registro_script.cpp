#include "scripts/registro_script.h"

namespace tarnel {

namespace {
bool SeparaCampo(char c) { return c == ';' || c == ' '; }
}  // namespace

bool LeCampoRegistro(std::string_view registro, std::string& campo, std::size_t& depois) {
  std::size_t i = 1;
  while (i < registro.size() && !SeparaCampo(registro[i])) ++i;
  const std::size_t inicio = i + 1;  // past the first field's separator
  i = inicio;
  while (i < registro.size() && !SeparaCampo(registro[i])) ++i;
  if (i >= registro.size()) return false;
  campo.assign(registro.substr(inicio, i - inicio));
  depois = i + 1;
  return true;
}

std::size_t FimItensRegistro(std::string_view registro, std::size_t inicio) {
  bool entre_aspas = false;
  for (std::size_t i = inicio; i < registro.size(); ++i) {
    const char c = registro[i];
    if (entre_aspas) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        entre_aspas = false;
    } else if (c == '"') {
      entre_aspas = true;
    } else if (c == ';' || c == '}') {
      return i;
    }
  }
  return std::string_view::npos;
}

}  // namespace tarnel
