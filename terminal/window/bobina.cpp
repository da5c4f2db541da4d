#include "window/bobina.h"

#include "compat/file_part.h"
#include "compat/path.h"
#include "quorbal/canal_emulado.h"

namespace tarnel {

namespace {

// Bytes read at most per call, so a long roll comes in parts and memory stays bounded.
constexpr std::size_t kMaximoPorLeitura = 1 << 20;
// How much of what was read is kept to recognise the same file at the next call.
constexpr std::size_t kMarca = 64;

}  // namespace

std::string CaminhoBobina(const std::string& canal) {
  if (!quorbal::EhCanalEmulado(canal)) return {};
  return compat::join_path(compat::current_folder(), quorbal::NomeArquivoBobina(quorbal::kNumeroImpressoraEmulada));
}

std::vector<LinhaBobina> LeitorBobina::Novas() {
  std::vector<LinhaBobina> linhas;
  const std::int64_t tamanho = compat::file_size(caminho_);
  if (tamanho < 0) return linhas;  // not there (yet), or not a file
  // The same file goes on where the last call stopped: the bytes before that point are still there.
  std::string bytes;
  const std::uint64_t inicio = lidos_ - ultima_.size();
  const bool mesmo_arquivo = static_cast<std::uint64_t>(tamanho) >= lidos_ &&
                             compat::read_file_part(caminho_, inicio, ultima_.size() + kMaximoPorLeitura, bytes) &&
                             bytes.compare(0, ultima_.size(), ultima_) == 0;
  std::size_t posicao = ultima_.size();
  if (!mesmo_arquivo) {
    lidos_ = 0;
    ultima_.clear();
    if (!compat::read_file_part(caminho_, 0, kMaximoPorLeitura, bytes)) return linhas;
    posicao = 0;
  }
  const std::size_t base = posicao;  // where the bytes not handed out start
  std::size_t fim_lido = base;
  for (std::size_t fim = bytes.find('\n', posicao); fim != std::string::npos; fim = bytes.find('\n', posicao)) {
    const std::size_t texto = fim > posicao && bytes[fim - 1] == '\r' ? fim - 1 : fim;
    linhas.push_back(quorbal::LeLinhaBobina(std::string_view(bytes).substr(posicao, texto - posicao)));
    posicao = fim_lido = fim + 1;
  }
  // A whole part without a line end is no roll line waiting for its end: it is handed out as one.
  if (fim_lido == base && bytes.size() - base >= kMaximoPorLeitura) {
    linhas.push_back(quorbal::LeLinhaBobina(std::string_view(bytes).substr(base)));
    fim_lido = bytes.size();
  }
  lidos_ += fim_lido - base;
  const std::size_t marca = fim_lido < kMarca ? fim_lido : kMarca;
  ultima_ = bytes.substr(fim_lido - marca, marca);
  return linhas;
}

}  // namespace tarnel
