#include "impressao/armazem_impressao.h"

#include "memorias/binario.h"

namespace ecf::impressao {

namespace {
constexpr std::size_t kMaximoSerializado = 64u << 20;
}

void ArmazemImpressao::NovoDocumento() {
  texto_.clear();
  lido_ = 0;
}

void ArmazemImpressao::SubstituiPor(std::string texto) {
  texto_ = std::move(texto);
  lido_ = 0;
}

std::string ArmazemImpressao::LeImpressao() {
  std::string pedaco = texto_.substr(lido_, kTamanhoPedaco);
  lido_ += pedaco.size();
  if (lido_ == texto_.size()) NovoDocumento();  // all fetched: nothing left to keep
  return pedaco;
}

void ArmazemImpressao::Serializa(Escritor& saida) const {
  memorias::EscreveBloco(saida, std::string_view(texto_).substr(lido_));
}

bool ArmazemImpressao::Desserializa(Leitor& entrada) {
  std::string texto = memorias::LeBloco(entrada, kMaximoSerializado);
  if (!entrada.ok()) return false;
  SubstituiPor(std::move(texto));
  return true;
}

}  // namespace ecf::impressao
