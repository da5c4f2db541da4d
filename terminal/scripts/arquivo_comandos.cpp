#include "scripts/arquivo_comandos.h"

#include <cstdio>

#include "compat/path.h"
#include "window/versao.h"

namespace tarnel {

const char kMensagemArquivoComandosNaoGravado[] = "Arquivo de Registro de Comandos não pode ser gravado.";

std::string LinhaCabecalhoArquivoComandos() { return "; Arquivo de Registro de Comandos do " + DescricaoDoPrograma(); }

namespace {

bool Escreve(std::FILE* arquivo, const std::string& texto) {
  return std::fwrite(texto.data(), 1, texto.size(), arquivo) == texto.size();
}

// The file opened for appending; made first, with its header line, when it does not exist.
std::FILE* AbreParaAcrescentar(const std::string& caminho) {
  if (!compat::file_exists(caminho)) {
    std::FILE* novo = std::fopen(caminho.c_str(), "wb");
    if (novo == nullptr) return nullptr;
    const bool cabecalho = Escreve(novo, LinhaCabecalhoArquivoComandos() + "\r\n");
    if (std::fclose(novo) != 0 || !cabecalho) return nullptr;
  }
  return std::fopen(caminho.c_str(), "ab");
}

}  // namespace

void AcrescentaLinhaArquivoComandos(TfrmMain& frm, const std::string& linha) {
  std::FILE* arquivo = AbreParaAcrescentar(frm.ArquivoComandos);
  bool gravado = arquivo != nullptr && !linha.empty() && Escreve(arquivo, linha);
  if (gravado) gravado = Escreve(arquivo, "\r\n");
  if (arquivo != nullptr && std::fclose(arquivo) != 0) gravado = false;
  if (!gravado) frm.interacao.Mensagem(kMensagemArquivoComandosNaoGravado);
}

}  // namespace tarnel
