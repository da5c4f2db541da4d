// One open channel of the library: the printer behind it, the pending parameters and the last reply.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ecf/impressora.h"
#include "log_comandos.h"
#include "quorbal/registro.h"

namespace drovik {

class Sessao {
 public:
  explicit Sessao(std::shared_ptr<ecf::Impressora> impressora) : impressora_(std::move(impressora)) {}

  void DefineTimeout(std::int32_t segundos) { timeout_ = segundos; }
  void LimpaParams() { parametros_.clear(); }
  // False when the type code is not one of the protocol's or the name holds a character no
  // catalogue name has.
  bool AdicionaParam(const std::string& nome, const std::string& valor, std::int32_t tipo);
  std::int32_t TotalParams() const { return static_cast<std::int32_t>(parametros_.size()); }
  const std::string& ListaParams();

  // 0 when nothing was done (an empty name before any reply, a name with a character no catalogue
  // name has); 1 when a reply is available.
  std::int32_t ExecutaComando(const std::string& comando, const LogComandos& log);

  std::int32_t CodErro() const { return resposta_.codigo_erro; }
  const std::string& NomeErro() const { return resposta_.nome_erro; }
  const std::string& Circunstancia() const { return resposta_.circunstancia; }
  const std::string& Retornos() const { return retornos_; }
  const std::vector<quorbal::Item>& ListaRetornos() const { return resposta_.retornos; }

 private:
  std::shared_ptr<ecf::Impressora> impressora_;
  std::vector<quorbal::Item> parametros_;
  std::int32_t timeout_ = 5;  // kept for the protocol; the emulated printer answers at once
  bool tem_resposta_ = false;
  ecf::Resposta resposta_;
  // Texts handed out to the caller stay alive until the next call that replaces them.
  std::string lista_params_;
  std::string retornos_;
};

}  // namespace drovik
