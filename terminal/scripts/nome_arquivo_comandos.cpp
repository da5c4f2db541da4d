// The command file's name: the base-name box cbNomeArquivo and the file dialog dlgAbreLog.
#include <string>
#include <vector>

#include "compat/path.h"
#include "scripts/gravacao.h"

namespace tarnel {

namespace {

constexpr char kExtensaoComandos[] = "RMT";

// A base name in the current command file's folder.
void NomeiaArquivoComandos(TfrmMain& frm, const std::string& nome) {
  frm.ArquivoComandos = compat::folder_of(frm.ArquivoComandos) + nome + "." + kExtensaoComandos;
}

}  // namespace

bool cbNomeArquivoVazio(const TfrmMain& frm) {
  for (char c : frm.cbNomeArquivo)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

void cbNomeArquivoExit(TfrmMain& frm) {
  if (cbNomeArquivoVazio(frm)) return;
  const std::string& texto = frm.cbNomeArquivo;
  if (frm.cbNomeArquivoItemIndex < 0) {
    // A typed name is a new entry even when the list has it already.
    frm.cbNomeArquivoItems.push_back(texto);
    frm.cbNomeArquivoItemIndex = static_cast<int>(frm.cbNomeArquivoItems.size()) - 1;
  } else if (compat::base_name_without_extension(frm.ArquivoComandos) == texto) {
    return;
  }
  NomeiaArquivoComandos(frm, texto);
  frm.Notifica(Alteracao::ArquivoComandos);
}

void cbNomeArquivoDigitado(TfrmMain& frm, const std::string& texto) {
  frm.cbNomeArquivo = texto;
  frm.cbNomeArquivoItemIndex = -1;
}

void cbNomeArquivoEscolhido(TfrmMain& frm, int indice) {
  if (indice < 0 || indice >= static_cast<int>(frm.cbNomeArquivoItems.size())) return;
  frm.cbNomeArquivoItemIndex = indice;
  frm.cbNomeArquivo = frm.cbNomeArquivoItems[indice];
}

PedidoArquivo PedidoAbreLog(const TfrmMain& frm) {
  PedidoArquivo pedido;
  pedido.varios = true;
  pedido.filtro = "Arquivos de Comandos (*.RMT)|*.RMT";
  pedido.extensao_padrao = kExtensaoComandos;
  pedido.nome_inicial = frm.ArquivoComandos;
  return pedido;
}

void SelecionaArquivoComandosExecute(TfrmMain& frm) {
  std::vector<std::string> escolhidos;
  if (!frm.interacao.EscolheArquivos(PedidoAbreLog(frm), escolhidos) || escolhidos.empty()) return;
  frm.cbNomeArquivoItems.clear();
  for (auto arquivo = escolhidos.rbegin(); arquivo != escolhidos.rend(); ++arquivo)
    frm.cbNomeArquivoItems.push_back(compat::base_name_without_extension(*arquivo));
  cbNomeArquivoEscolhido(frm, 0);
  frm.ArquivoComandos = escolhidos.back();
  frm.Notifica(Alteracao::ArquivoComandos);
}

}  // namespace tarnel
