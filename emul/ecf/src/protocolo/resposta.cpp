#include "ecf/resposta.h"

#include "quorbal/registro.h"

namespace ecf {

std::string ItensResposta(const Resposta& resposta) {
  return resposta.codigo_erro != 0 ? quorbal::ItensErro(resposta.nome_erro, resposta.circunstancia)
                                   : quorbal::FormataItens(resposta.retornos);
}

std::string FormataResposta(const Resposta& resposta) {
  return quorbal::ComporRegistro(std::to_string(resposta.codigo_erro), ItensResposta(resposta));
}

}  // namespace ecf
