#include "protocolo/falha.h"

#include "quorbal/erros.h"

namespace ecf {

Falha Erro(const char* nome, std::string circunstancia) {
  std::int32_t codigo = quorbal::CodigoDoErro(nome);
  // Every name used by the emulator is checked against the table by its tests; a name missing
  // from it still refuses the command rather than pass for a success.
  return Falha{codigo > 0 ? codigo : 1, std::move(circunstancia)};
}

}  // namespace ecf
