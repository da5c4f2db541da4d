#include "impressao/armazem_impressao.h"

#include "memorias/binario.h"

namespace ecf::impressao {

namespace {
constexpr std::size_t kMaximoSerializado = 64u << 20;
}

void ArmazemImpressao::NovoDocumento() {
  texto_.clear();
  lido_ = 0;
  despejo_falhou_ = false;
  if (no_arquivo_ > 0) {
    // The file keeps the old text until a context without it is written.
    arquivo_.Recomeca();
    no_arquivo_ = 0;
  }
}

void ArmazemImpressao::SubstituiPor(std::string texto) {
  NovoDocumento();
  texto_ = std::move(texto);
}

std::string ArmazemImpressao::LeImpressao() {
  std::string pedaco;
  if (lido_ < no_arquivo_ && !arquivo_.Le(lido_, kTamanhoPedaco, pedaco)) pedaco.clear();
  if (lido_ < no_arquivo_ && pedaco.empty()) {
    // The file cannot give its text back: what it held is lost, not handed out twice.
    NovoDocumento();
    return pedaco;
  }
  const std::uint64_t no_texto = lido_ + pedaco.size() > no_arquivo_ ? lido_ + pedaco.size() - no_arquivo_ : 0;
  if (pedaco.size() < kTamanhoPedaco && no_texto < texto_.size())
    pedaco.append(texto_, static_cast<std::size_t>(no_texto), kTamanhoPedaco - pedaco.size());
  lido_ += pedaco.size();
  if (Pendente() == 0) NovoDocumento();  // all fetched: nothing left to keep
  return pedaco;
}

void ArmazemImpressao::Serializa(Escritor& saida) const {
  memorias::EscreveBloco(saida, std::string_view(texto_).substr(static_cast<std::size_t>(lido_)));
}

bool ArmazemImpressao::Desserializa(Leitor& entrada) {
  std::string texto = memorias::LeBloco(entrada, kMaximoSerializado);
  if (!entrada.ok()) return false;
  SubstituiPor(std::move(texto));
  return true;
}

void ArmazemImpressao::AcrescentaEmTrechos(std::string_view parte) {
  Acrescenta(parte);
  const std::size_t ja_lidos = no_arquivo_ == 0 ? static_cast<std::size_t>(lido_) : 0;
  if (arquivo_.Guardado() && !despejo_falhou_ && texto_.size() - ja_lidos >= kTrechoArquivo)
    despejo_falhou_ = !Despeja();
}

bool ArmazemImpressao::AcrescentaArquivo() {
  if (!arquivo_.Guardado() || (no_arquivo_ == 0 && Pendente() <= kMaximoNoContexto)) return true;
  return Despeja();
}

bool ArmazemImpressao::Despeja() {
  if (no_arquivo_ == 0) {
    // Spooling starts: what was fetched already is not kept.
    texto_.erase(0, static_cast<std::size_t>(lido_));
    lido_ = 0;
  }
  if (!arquivo_.Acrescenta(texto_)) return false;
  no_arquivo_ += texto_.size();
  texto_.clear();
  return true;
}

void ArmazemImpressao::SerializaResumo(Escritor& saida) const {
  arquivo_.Serializa(saida);
  saida.Inteiro(no_arquivo_, 8);
  saida.Inteiro(lido_, 8);
  memorias::EscreveBloco(saida, texto_);
}

bool ArmazemImpressao::DesserializaResumo(Leitor& entrada) {
  ArmazemImpressao lido;
  lido.arquivo_ = arquivo_;
  if (!lido.arquivo_.Desserializa(entrada)) return false;
  lido.no_arquivo_ = entrada.Inteiro(8);
  lido.lido_ = entrada.Inteiro(8);
  lido.texto_ = memorias::LeBloco(entrada, kMaximoSerializado);
  if (!entrada.ok() || lido.no_arquivo_ != lido.arquivo_.Confirmados() ||
      lido.lido_ > lido.no_arquivo_ + lido.texto_.size() || !lido.arquivo_.Ajusta()) {
    lido.arquivo_.PoeDeLado();
    return false;
  }
  *this = std::move(lido);
  return true;
}

}  // namespace ecf::impressao
