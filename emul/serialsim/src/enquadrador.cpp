#include "enquadrador.h"

#include <algorithm>

namespace serialsim {
namespace {

constexpr char kEsc = 0x1B;

bool Digito(char c) { return c >= '0' && c <= '9'; }

bool Digitos(const std::string& s, std::size_t pos, std::size_t n) {
  if (pos + n > s.size()) return false;
  return std::all_of(s.begin() + pos, s.begin() + pos + n, Digito);
}

int LeNumero(const std::string& s, std::size_t pos, std::size_t n) {
  int v = 0;
  for (std::size_t i = pos; i < pos + n; ++i) v = v * 10 + (s[i] - '0');
  return v;
}

bool CamposValidos(const ComandoSerial& comando, const std::string& quadro) {
  for (const CampoNumerico& campo : comando.numericos)
    if (campo.tamanho > 0 && !Digitos(quadro, campo.posicao, campo.tamanho)) return false;
  if (comando.posicao_zero >= 0 && quadro[comando.posicao_zero] != '0') return false;
  return true;
}

}  // namespace

void Enquadrador::Acrescenta(const std::string& bytes) { pendente_ += bytes; }

void Enquadrador::DescartaAteCabecalho() {
  std::size_t p = 0;
  while (true) {
    p = pendente_.find(kEsc, p);
    if (p == std::string::npos) {
      pendente_.clear();
      return;
    }
    if (p + 1 == pendente_.size() || pendente_[p + 1] == 'f') break;
    ++p;
  }
  pendente_.erase(0, p);
}

void Enquadrador::Retira(std::size_t n, Quadro& quadro) {
  n = std::min(n, pendente_.size());
  quadro.bytes.assign(pendente_, 0, n);
  pendente_.erase(0, n);
}

// Length of the frame at the head of the stream; 0 while more bytes are needed; -1 (with
// `malformado`) when the length cannot be known, and then the header alone is dropped.
int Enquadrador::TamanhoDoQuadro(const ComandoSerial& comando, bool silencio, bool& malformado) const {
  const int disponivel = static_cast<int>(pendente_.size());
  if (comando.tamanho_no_quadro) {
    if (disponivel < comando.tx) return 0;
    if (!Digitos(pendente_, kTamanhoCabecalho, 4)) {
      malformado = true;
      return -1;
    }
    const int texto = LeNumero(pendente_, kTamanhoCabecalho, 4);
    if (texto > kTextoQuorbalMaximo) {
      malformado = true;
      return -1;
    }
    return disponivel >= comando.tx + texto ? comando.tx + texto : 0;
  }
  // The short form ends where the next frame begins, however many bytes have come already (so the
  // frames do not depend on how the line cut the stream), or where the line goes quiet.
  const bool curto_possivel = comando.tx_curto > 0 && disponivel >= comando.tx_curto;
  const bool seguinte = curto_possivel && disponivel >= comando.tx_curto + 2 &&
                        pendente_[comando.tx_curto] == kEsc && pendente_[comando.tx_curto + 1] == 'f';
  if (seguinte) return comando.tx_curto;
  if (disponivel >= comando.tx) return comando.tx;
  return curto_possivel && silencio ? comando.tx_curto : 0;
}

bool Enquadrador::Proximo(Quadro& quadro, bool silencio) {
  quadro = Quadro{};
  DescartaAteCabecalho();
  if (pendente_.empty()) return false;
  if (pendente_.size() < kTamanhoCabecalho) {
    if (!silencio) return false;
    if (pendente_.size() < 2) {
      pendente_.clear();  // a lone ESC before silence is line noise
      return false;
    }
    Retira(pendente_.size(), quadro);  // a header cut short
    return true;
  }
  if (!Digito(pendente_[2]) || !Digito(pendente_[3])) {
    Retira(2, quadro);  // keep what follows: it may hold the real header
    return true;
  }
  quadro.numero = LeNumero(pendente_, 2, 2);
  const ComandoSerial* comando = ProcuraComandoSerial(quadro.numero);
  if (!comando) {
    Retira(kTamanhoCabecalho, quadro);
    return true;
  }
  bool malformado = false;
  const int tamanho = TamanhoDoQuadro(*comando, silencio, malformado);
  if (malformado) {
    Retira(kTamanhoCabecalho, quadro);
    return true;
  }
  if (tamanho == 0) {
    if (!silencio) return false;
    Retira(pendente_.size(), quadro);  // the host stopped in the middle of a frame
    return true;
  }
  Retira(static_cast<std::size_t>(tamanho), quadro);
  quadro.valido = CamposValidos(*comando, quadro.bytes);
  return true;
}

}  // namespace serialsim
