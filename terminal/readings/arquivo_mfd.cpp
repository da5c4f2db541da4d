#include "readings/arquivo_mfd.h"

#include "readings/chave_mfd.h"
#include "readings/secao_mfd.h"

namespace tarnel {

namespace {

constexpr char kEtapa[] = "Gravando o arquivo de MFD";

// Every part in order; false at the first that could not be written.
bool GravaPartes(Interacao& interacao, const SaidaBytes& saida, const ImagensMFD& imagens) {
  Gost28147::Chave chave = ChaveMFD();
  const Gost28147 cifra(chave);
  ApagaChave(chave);
  if (!saida(kMagicaMFD, sizeof kMagicaMFD - 1)) return false;
  std::vector<const std::string*> secoes{&imagens.secao_a, &imagens.secao_b};
  for (const std::string& c : imagens.secoes_c) secoes.push_back(&c);
  for (std::size_t i = 0; i < secoes.size(); ++i) {
    interacao.Progresso(kEtapa, static_cast<std::int64_t>(i), static_cast<std::int64_t>(secoes.size()));
    if (!GravaSecaoMFD(saida, cifra, *secoes[i])) return false;
  }
  const unsigned char fim[4] = {0, 0, 0, 0};
  return saida(fim, sizeof fim);
}

}  // namespace

bool GravaArquivoMFD(Interacao& interacao, const std::string& caminho, const ImagensMFD& imagens,
                     const EscreveArquivo& escreve) {
  compat::AtomicFile arquivo(caminho, caminho + ".novo");
  if (!arquivo.is_open()) {
    interacao.Mensagem("Arquivo de MFD não pode ser salvo.\n", Icone::Erro);
    return false;
  }
  const SaidaBytes saida = [&](const void* bytes, std::size_t n) {
    return (escreve ? escreve(bytes, n, arquivo) : (arquivo.write(bytes, n) ? n : 0)) == n;
  };
  const bool gravado = GravaPartes(interacao, saida, imagens);
  interacao.FimProgresso();
  if (!gravado || !arquivo.commit()) {
    arquivo.discard();
    interacao.Mensagem("Erro na gravação do arquivo de MFD !!!\n", Icone::Erro);
    return false;
  }
  return true;
}

}  // namespace tarnel
