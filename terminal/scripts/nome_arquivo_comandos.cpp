// The command file's name: the base-name box cbNomeArquivo and the file dialog dlgAbreLog.
#include <cctype>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "compat/native_path.h"
#include "compat/path.h"
#include "scripts/gravacao.h"

namespace tarnel {

namespace {

constexpr char kExtensaoComandos[] = "RMT";

bool ExtensaoComandos(const std::string& extensao) {
  if (extensao.size() != sizeof kExtensaoComandos - 1) return false;
  for (std::size_t i = 0; i < extensao.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(extensao[i])) != kExtensaoComandos[i]) return false;
  return true;
}

// The command file of a base name in a folder. Where file names have letter case, an existing
// "nome.rmt" is that file, as it is on Windows; otherwise, and for a new file, "nome.RMT".
std::string ArquivoDoNome(const std::string& pasta, const std::string& nome) {
  const std::string padrao = pasta + nome + "." + kExtensaoComandos;
  if (compat::file_exists(padrao)) return padrao;
  std::error_code erro;
  for (std::filesystem::directory_iterator it(compat::fs_path(pasta.empty() ? "." : pasta), erro), fim;
       !erro && it != fim; it.increment(erro)) {
    const std::string achado = compat::text_path(it->path().filename());
    if (achado.size() > nome.size() && achado.compare(0, nome.size(), nome) == 0 && achado[nome.size()] == '.' &&
        ExtensaoComandos(achado.substr(nome.size() + 1)) && compat::file_exists(pasta + achado))
      return pasta + achado;
  }
  return padrao;
}

// A base name in the current command file's folder.
void NomeiaArquivoComandos(TfrmMain& frm, const std::string& nome) {
  frm.ArquivoComandos = ArquivoDoNome(compat::folder_of(frm.ArquivoComandos), nome);
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
