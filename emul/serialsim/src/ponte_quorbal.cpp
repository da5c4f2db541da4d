#include "ponte_quorbal.h"

#include "compat/native_path.h"
#include "ecf/impressora.h"
#include "ecf/resposta.h"
#include "quorbal/registro.h"

namespace serialsim {

struct PonteQuorbal::Impressora {
  std::unique_ptr<ecf::Impressora> ecf;
};

PonteQuorbal::PonteQuorbal(const std::string& pasta_nativa)
    : pasta_valida_(compat::text_path_exact(pasta_nativa, pasta_)) {}
PonteQuorbal::~PonteQuorbal() = default;

bool PonteQuorbal::Responde(const std::string& texto, std::string& resposta) {
  quorbal::Registro registro;
  if (!quorbal::LeRegistro(texto, registro) || !pasta_valida_) return false;
  if (!impressora_) {
    // Opened at the first command so that a printer never asked for leaves no context file.
    std::unique_ptr<ecf::Impressora> aberta = ecf::Impressora::Abre(pasta_);
    if (!aberta) return false;
    impressora_.reset(new Impressora{std::move(aberta)});
  }
  resposta = ecf::FormataResposta(impressora_->ecf->Executa(registro.cabeca, registro.itens));
  return true;
}

}  // namespace serialsim
