#include "scripts/arquivo_comandos.h"

#include "compat/atomic_file.h"
#include "compat/path.h"
#include "window/versao.h"

namespace tarnel {

const char kMensagemArquivoComandosNaoGravado[] = "Arquivo de Registro de Comandos não pode ser gravado.";

std::string LinhaCabecalhoArquivoComandos() { return "; Arquivo de Registro de Comandos do " + DescricaoDoPrograma(); }

bool AcrescentaLinhaArquivoComandos(TfrmMain& frm, const std::string& linha) {
  // Made first, with its header line, when it does not exist. Each piece goes in whole or not at
  // all, so a full disk never leaves half a line for the next one to run into.
  const std::string& caminho = frm.ArquivoComandos;
  bool gravado = compat::file_exists(caminho) || compat::append_whole(caminho, LinhaCabecalhoArquivoComandos() + "\r\n");
  gravado = gravado && !linha.empty() && compat::append_whole(caminho, linha + "\r\n");
  if (!gravado) frm.interacao.Mensagem(kMensagemArquivoComandosNaoGravado);
  return gravado;
}

}  // namespace tarnel
