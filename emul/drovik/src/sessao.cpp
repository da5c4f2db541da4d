#include "sessao.h"

#include "compat/clock.h"
#include "ecf/resposta.h"
#include "quorbal/carimbo.h"
#include "quorbal/catalogo.h"
#include "quorbal/registro.h"

namespace drovik {

bool Sessao::AdicionaParam(const std::string& nome, const std::string& valor, std::int32_t tipo) {
  if (tipo < 0 || tipo >= quorbal::kTotalTipos || !quorbal::NomeValido(nome)) return false;
  parametros_.push_back(quorbal::Item{nome, valor, static_cast<std::uint8_t>(tipo)});
  return true;
}

const std::string& Sessao::ListaParams() {
  lista_params_ = quorbal::FormataItens(parametros_);
  return lista_params_;
}

std::int32_t Sessao::ExecutaComando(const std::string& comando, const LogComandos& log) {
  // An empty name asks for the last reply again: nothing is executed, nothing is logged.
  if (comando.empty()) return tem_resposta_ ? 1 : 0;
  // A name outside the catalogue's characters (a line break, a ";") would break or forge the log's
  // lines: it is no command, so nothing is done, logged or replaced.
  if (!quorbal::NomeValido(comando)) return 0;
  log.EscreveLinha(quorbal::ComporLinhaComando(compat::local_now(), comando, ListaParams()));
  resposta_ = impressora_->Executa(comando, parametros_);
  tem_resposta_ = true;
  retornos_ = quorbal::FormataItens(resposta_.retornos);
  log.EscreveLinha(quorbal::ComporLinhaResposta(compat::local_now(), std::to_string(resposta_.codigo_erro),
                                                ecf::ItensResposta(resposta_)));
  return 1;
}

}  // namespace drovik
