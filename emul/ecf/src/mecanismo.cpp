// Commands that move the mechanism: drawer, paper, cheques, authentication.
#include "comandos.h"

namespace ecf {

Falha AbreGaveta(Sessao& s) {
  std::int64_t tempo = s.par.Numero("TempoAcionamentoGaveta", s.estado.tempo_gaveta);
  if (tempo <= 0)
    return Erro("ErroCMDValorInvalido", "TempoAcionamentoGaveta deve ser maior que zero (milissegundos)");
  s.Emite(Impresso::kGaveta).quantidade = tempo;
  return Ok();
}

}  // namespace ecf
