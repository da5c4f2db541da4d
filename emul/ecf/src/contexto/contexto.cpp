#include "contexto/contexto.h"

#include "compat/path.h"
#include "contexto/arquivos.h"
#include "contexto/capacidade.h"
#include "contexto/codificacao.h"
#include "contexto/codificacao_estado.h"
#include "contexto/crc32.h"
#include "quorbal/bobina.h"

namespace ecf {

namespace {

constexpr char kMagico[4] = {'R', 'A', 'S', 'C'};
constexpr std::size_t kCabecalho = 12;  // magic, version, reserved, payload length
constexpr std::size_t kRodape = 4;      // CRC

constexpr std::size_t kCabecalhoSecao = 8;  // mark, length

void AcrescentaSecao(Escritor& destino, const char (&marca)[5], const std::string& conteudo) {
  destino.bytes().append(marca, 4);
  destino.Inteiro(conteudo.size(), 4);
  destino.bytes() += conteudo;
}

}  // namespace

std::string CodificaEstado(const Estado& estado) {
  Escritor bytes;
  Visita(bytes, const_cast<Estado&>(estado));  // the writer only reads the fields
  return std::move(bytes.bytes());
}

std::string CodificaContexto(const Estado& estado, const std::string& saida) {
  return MontaContexto(CodificaEstado(estado), saida);
}

std::string MontaContexto(const std::string& estado, const std::string& saida) {
  const std::size_t carga = 2 * kCabecalhoSecao + estado.size() + saida.size();
  Escritor arquivo;
  arquivo.bytes().reserve(kCabecalho + carga + kRodape);
  arquivo.bytes().append(kMagico, 4);
  arquivo.Inteiro(kVersaoContexto, 2);
  arquivo.Inteiro(0, 2);
  arquivo.Inteiro(carga, 4);
  AcrescentaSecao(arquivo, "ESTD", estado);
  AcrescentaSecao(arquivo, "SAID", saida);
  arquivo.Inteiro(Crc32(arquivo.bytes().data(), arquivo.bytes().size()), 4);
  return std::move(arquivo.bytes());
}

bool DecodificaContexto(const std::string& bytes, Estado& estado, std::string& saida) {
  if (bytes.size() < kCabecalho + kRodape || bytes.compare(0, 4, kMagico, 4) != 0) return false;
  Leitor cabecalho(bytes, 4, kCabecalho);
  std::uint64_t versao = cabecalho.Inteiro(2);
  cabecalho.Inteiro(2);
  std::uint64_t tamanho = cabecalho.Inteiro(4);
  if ((versao != kVersaoContexto && versao != kVersaoContextoAnterior) || tamanho != bytes.size() - kCabecalho - kRodape) return false;
  std::size_t fim_carga = kCabecalho + tamanho;
  Leitor rodape(bytes, fim_carga, bytes.size());
  if (rodape.Inteiro(4) != Crc32(bytes.data(), fim_carga)) return false;

  Estado lido;
  std::string saida_lida;
  bool tem_estado = false;
  Leitor secoes(bytes, kCabecalho, fim_carga);
  while (!secoes.NoFim()) {
    std::string marca(4, '\0');
    for (char& c : marca) c = static_cast<char>(secoes.Inteiro(1));
    std::uint64_t tamanho_secao = secoes.Inteiro(4);
    std::size_t inicio = secoes.Posicao();
    if (!secoes.Pula(tamanho_secao)) return false;
    std::size_t fim = inicio + static_cast<std::size_t>(tamanho_secao);
    if (marca == "ESTD") {
      Leitor campos(bytes, inicio, fim);
      Visita(campos, lido);
      if (!campos.ok() || !campos.NoFim() || !DentroDaCapacidade(lido)) return false;
      tem_estado = true;
    } else if (marca == "SAID") {
      saida_lida.assign(bytes, inicio, fim - inicio);
    }
    // Unknown sections are skipped: they belong to a newer emulator of the same version.
  }
  if (!tem_estado) return false;
  estado = std::move(lido);
  saida = std::move(saida_lida);
  return true;
}

ArquivoDeContexto::ArquivoDeContexto(const std::string& pasta, int numero) : pasta_(pasta) {
  // Names are Windows-1252 text like every other text; compat's file functions convert them.
  const std::string base = pasta.empty() ? std::string(".") : pasta;
  const std::string n = std::to_string(numero);
  base_ = compat::join_path(base, "rasc" + n);
  caminho_ = base_ + ".bin";
  copia_ = compat::join_path(base, ".rasc" + n + ".good");
  temporario_ = compat::join_path(base, ".rasc" + n + ".tmp");
  trava_ = compat::join_path(base, ".rasc" + n + ".lock");
  bobina_ = compat::join_path(base, quorbal::NomeArquivoBobina(numero));
}

ArquivoDeContexto::Origem ArquivoDeContexto::Carrega(std::string& bytes, Estado& estado, std::string& saida) {
  std::string lidos;
  bool existe = LeArquivo(caminho_, lidos);
  std::string copia;
  const bool tem_copia = LeArquivo(copia_, copia);
  if (existe && DecodificaContexto(lidos, estado, saida)) {
    // Intact: nothing to write but a copy left behind by a save cut short, and the file's time,
    // so that the printer just opened holds the newest rasc*.bin.
    if (!tem_copia || copia != lidos) GravaAtomico(temporario_, copia_, lidos);
    Toca(caminho_);
    bytes = std::move(lidos);
    return Origem::kArquivo;
  }
  if (tem_copia && DecodificaContexto(copia, estado, saida)) {
    bytes = std::move(copia);
    GravaAtomico(temporario_, caminho_, bytes);
    return Origem::kCopia;
  }
  if (existe) {
    // Nothing to restore from: keep the damaged file for inspection instead of overwriting it.
    GuardaAvariado(caminho_);
  }
  bytes.clear();
  return Origem::kNovo;
}

bool ArquivoDeContexto::Grava(const std::string& bytes) { return GravaAtomico(temporario_, caminho_, bytes); }

bool ArquivoDeContexto::GuardaCopia(const std::string& bytes) { return GravaAtomico(temporario_, copia_, bytes); }

}  // namespace ecf
