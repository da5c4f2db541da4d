#include "serialsim/respondedor.h"

#include <deque>
#include <utility>

#include "cheque_impresso.h"
#include "enquadrador.h"
#include "ponte_quorbal.h"
#include "respostas.h"

namespace serialsim {

struct Respondedor::Estado {
  explicit Estado(const std::string& pasta) : quorbal(pasta) {}

  std::string Responde(const Quadro& quadro);

  Enquadrador enquadrador;
  Comportamento comportamento;
  int ocupado_restante = 0;
  unsigned long respondidos = 0;
  std::deque<std::string> quadros;  // the latest kQuadrosGuardados only: a program serves for days
  std::deque<std::string> cheques;  // the latest kChequesGuardados
  PonteQuorbal quorbal;
};

namespace {

constexpr std::size_t kQuadrosGuardados = 10000;
constexpr std::size_t kChequesGuardados = 1000;

std::string Byte(unsigned char b) { return std::string(1, static_cast<char>(b)); }

void Guarda(std::deque<std::string>& lista, const std::string& item, std::size_t limite) {
  lista.push_back(item);
  if (lista.size() > limite) lista.pop_front();
}

std::vector<std::string> Copia(const std::deque<std::string>& lista) { return {lista.begin(), lista.end()}; }

std::vector<std::string> Retira(std::deque<std::string>& lista) {
  std::vector<std::string> itens = Copia(lista);
  lista.clear();
  return itens;
}

}  // namespace

std::string Respondedor::Estado::Responde(const Quadro& quadro) {
  const Comportamento& c = comportamento;
  if (ocupado_restante > 0) {
    --ocupado_restante;
    return Byte(c.status_ocupado);
  }
  if (!quadro.valido) return Byte(c.status_malformado);
  std::string resposta;
  switch (quadro.numero) {
    case 4:
      return DadosRegistrador(c, quadro.bytes, resposta) ? resposta : Byte(c.status_malformado);
    case 8:
      ocupado_restante = c.consultas_ocupado;
      break;
    case 16:
      if (LeituraEcf(c, quadro.bytes, resposta)) return resposta;
      break;
    case 34:
    case 58:
      if (DescreveCheque(quadro.bytes, resposta)) Guarda(cheques, resposta, kChequesGuardados);
      break;
    case 53:
      return LeituraCmc7(c);
    case 60:
      return quorbal.Responde(quadro.bytes.substr(8), resposta) ? resposta : Byte(c.status_malformado);
    default:
      break;
  }
  return Byte(kAceito);
}

Respondedor::Respondedor(const std::string& pasta_emulador)
    : estado_(std::make_unique<Estado>(pasta_emulador)) {}

Respondedor::~Respondedor() = default;

bool Respondedor::Seguinte(bool silencio, std::string& resposta) {
  resposta.clear();
  Quadro quadro;
  if (!estado_->enquadrador.Proximo(quadro, silencio)) return false;
  Guarda(estado_->quadros, quadro.bytes, kQuadrosGuardados);
  std::string dados = estado_->Responde(quadro);
  Comportamento& c = estado_->comportamento;
  if (c.mudo) return true;
  ++estado_->respondidos;
  if (c.resposta_curta >= 0) {
    if (dados.size() > static_cast<std::size_t>(c.resposta_curta)) dados.resize(c.resposta_curta);
    c.resposta_curta = -1;
  }
  resposta = std::move(dados);
  return true;
}

std::string Respondedor::Processa(bool silencio) {
  std::string respostas;
  std::string resposta;
  while (Seguinte(silencio, resposta)) respostas += resposta;
  return respostas;
}

std::string Respondedor::Recebe(const std::string& bytes) {
  std::lock_guard<std::mutex> trava(mutex_);
  estado_->enquadrador.Acrescenta(bytes);
  return Processa(false);
}

std::string Respondedor::Silencio() {
  std::lock_guard<std::mutex> trava(mutex_);
  return Processa(true);
}

void Respondedor::Acrescenta(const std::string& bytes) {
  std::lock_guard<std::mutex> trava(mutex_);
  estado_->enquadrador.Acrescenta(bytes);
}

bool Respondedor::ProximaResposta(bool silencio, std::string& resposta) {
  std::lock_guard<std::mutex> trava(mutex_);
  return Seguinte(silencio, resposta);
}

std::string Respondedor::Responde(const std::string& quadro) {
  std::lock_guard<std::mutex> trava(mutex_);
  estado_->enquadrador.Limpa();
  estado_->enquadrador.Acrescenta(quadro);
  return Processa(true);
}

bool Respondedor::Pendente() const {
  std::lock_guard<std::mutex> trava(mutex_);
  return estado_->enquadrador.Pendente();
}

unsigned long Respondedor::Respondidos() const {
  std::lock_guard<std::mutex> trava(mutex_);
  return estado_->respondidos;
}

std::vector<std::string> Respondedor::Quadros() const {
  std::lock_guard<std::mutex> trava(mutex_);
  return Copia(estado_->quadros);
}

std::vector<std::string> Respondedor::RetiraQuadros() {
  std::lock_guard<std::mutex> trava(mutex_);
  return Retira(estado_->quadros);
}

std::vector<std::string> Respondedor::Cheques() const {
  std::lock_guard<std::mutex> trava(mutex_);
  return Copia(estado_->cheques);
}

std::vector<std::string> Respondedor::RetiraCheques() {
  std::lock_guard<std::mutex> trava(mutex_);
  return Retira(estado_->cheques);
}

void Respondedor::LimpaQuadros() {
  std::lock_guard<std::mutex> trava(mutex_);
  estado_->quadros.clear();
}

void Respondedor::Configura(const Comportamento& c) {
  std::lock_guard<std::mutex> trava(mutex_);
  estado_->comportamento = c;
  estado_->ocupado_restante = 0;  // a reconfigured printer starts ready
}

Comportamento Respondedor::Configuracao() const {
  std::lock_guard<std::mutex> trava(mutex_);
  return estado_->comportamento;
}

}  // namespace serialsim
