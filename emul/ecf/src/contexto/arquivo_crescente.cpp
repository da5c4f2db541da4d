#include "contexto/arquivo_crescente.h"

#include <filesystem>
#include <system_error>

#include "compat/native_path.h"
#include "contexto/arquivos.h"

namespace ecf {

std::string ArquivoCrescente::CaminhoDa(std::uint32_t geracao) const {
  return base_ + "-" + std::to_string(geracao) + extensao_;
}

bool ArquivoCrescente::Ajusta() {
  if (base_.empty()) return confirmados_ == 0;
  anterior_pendente_ = geracao_ > 0;
  Descarta();
  const std::uint64_t tamanho = TamanhoArquivo(Caminho()).value_or(0);  // missing: nothing written yet
  if (tamanho < confirmados_) return false;
  return tamanho == confirmados_ || Trunca(Caminho(), confirmados_);
}

bool ArquivoCrescente::Acrescenta(std::string_view bytes) {
  if (bytes.empty()) return true;
  if (!base_.empty() && !GravaAPartirDe(Caminho(), confirmados_, bytes)) return false;
  confirmados_ += bytes.size();
  return true;
}

void ArquivoCrescente::Recomeca() {
  ++geracao_;
  confirmados_ = 0;
  anterior_pendente_ = true;
}

void ArquivoCrescente::Descarta() {
  if (!anterior_pendente_ || base_.empty() || geracao_ == 0) return;
  std::error_code erro;
  std::filesystem::remove(compat::fs_path(CaminhoDa(geracao_ - 1)), erro);
  anterior_pendente_ = false;
}

bool ArquivoCrescente::Le(std::uint64_t inicio, std::size_t tamanho, std::string& bytes) const {
  if (inicio > confirmados_) return false;
  if (tamanho > confirmados_ - inicio) tamanho = static_cast<std::size_t>(confirmados_ - inicio);
  if (tamanho == 0) {
    bytes.clear();
    return true;
  }
  return !base_.empty() && LeTrecho(Caminho(), inicio, tamanho, bytes) && bytes.size() == tamanho;
}

void ArquivoCrescente::PoeDeLado() const {
  if (!base_.empty()) GuardaAvariado(Caminho());
}

void ArquivoCrescente::Serializa(Escritor& saida) const {
  saida.Inteiro(geracao_, 4);
  saida.Inteiro(confirmados_, 8);
}

bool ArquivoCrescente::Desserializa(Leitor& entrada) {
  const auto geracao = static_cast<std::uint32_t>(entrada.Inteiro(4));
  const std::uint64_t confirmados = entrada.Inteiro(8);
  if (!entrada.ok()) return false;
  geracao_ = geracao;
  confirmados_ = confirmados;
  return true;
}

}  // namespace ecf
