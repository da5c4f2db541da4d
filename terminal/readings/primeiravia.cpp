#include "readings/primeiravia.h"

#include <cstdio>

#include "compat/native_path.h"
#include "compat/path.h"
#include "readings/filtra_impressao.h"

namespace tarnel {

namespace {

const char kGravar[] = "Gravar Primeira Via";
const char kArquivo[] = "Arquivo Primeira Via";
const char kTitulo[] = "Primeira Via";

// Creates the file empty (an existing one is emptied); false when it cannot be written.
bool CriaVazio(const std::string& arquivo) {
  std::FILE* f = compat::open_file(arquivo, "wb");
  return f && std::fclose(f) == 0;
}

}  // namespace

void TfrmPrimeiraVia::FormCreate() {
  aberto_ = armazem_.Abre(chave_) == 0;
  if (!aberto_) return;
  std::uint32_t gravar = 0;
  if (armazem_.LeInteiro(kGravar, gravar) == 0) Configuracao.gravar = gravar != 0;
  std::string arquivo;
  if (armazem_.LeTexto(kArquivo, arquivo) == 0 && !arquivo.empty()) {
    dlgFileFileName = Configuracao.arquivo = arquivo;
    ebArquivo = compat::base_name_without_extension(arquivo);
  }
  GravaPrimeiraViaChecked = Configuracao.gravar;
}

void TfrmPrimeiraVia::FormShow() {
  ebArquivo = compat::base_name_without_extension(dlgFileFileName);
  cbGravar = Configuracao.gravar;
  gbGravarVisible = Configuracao.gravar;
}

void TfrmPrimeiraVia::btSelPastaClick() {
  PedidoArquivo pedido;
  pedido.salvar = true;
  pedido.filtro = "Arquivo Texto|*.TXT";
  pedido.extensao_padrao = "TXT";
  pedido.nome_inicial = dlgFileFileName;
  std::vector<std::string> escolhidos;
  if (!interacao_.EscolheArquivos(pedido, escolhidos) || escolhidos.empty()) return;
  dlgFileFileName = escolhidos.front();
  ebArquivo = compat::base_name_without_extension(dlgFileFileName);
  const std::int64_t tamanho = compat::file_size(dlgFileFileName);
  bool cria = tamanho < 0;
  if (tamanho > 0)
    cria = interacao_.Pergunta("Arquivo possui dados! Limpar os dados do arquivo?", Icone::Pergunta, false,
                               Resposta::Nao, kTitulo) == Resposta::Sim;
  if (cria && !CriaVazio(dlgFileFileName))
    interacao_.Mensagem("Erro na gravação do arquivo '" + dlgFileFileName + "'", Icone::Erro, kTitulo);
}

void TfrmPrimeiraVia::btOKClick() {
  Configuracao.arquivo =
      compat::folder_of(dlgFileFileName) + ebArquivo + compat::extension_of(dlgFileFileName);
  Configuracao.gravar = cbGravar;
  dlgFileFileName = Configuracao.arquivo;
  // A name typed in ebArquivo may be of a file not made yet: the capture only appends, so it is
  // made here, empty, rather than refused at every command.
  if (Configuracao.gravar && compat::file_size(Configuracao.arquivo) < 0 && !CriaVazio(Configuracao.arquivo))
    interacao_.Mensagem("Erro na gravação do arquivo '" + Configuracao.arquivo + "'", Icone::Erro, kTitulo);
  if (aberto_) {
    armazem_.EscreveInteiro(kGravar, Configuracao.gravar ? 1 : 0);
    armazem_.EscreveTexto(kArquivo, Configuracao.arquivo);
  }
  FormClose();
}

void TfrmPrimeiraVia::btFiltrarClick() {
  // A device has nothing to read back, so nothing to filter: no copy is made of it.
  if (compat::is_device(dlgFileFileName) || !FiltraArquivoImpressao(dlgFileFileName)) {
    interacao_.Mensagem("Erro ao acessar o arquivo '" + dlgFileFileName + "'", Icone::Erro, kTitulo);
    return;
  }
  interacao_.Mensagem("Arquivo " + ArquivoFiltrado(dlgFileFileName) + " gerado!", Icone::Informacao, kTitulo);
}

void TfrmPrimeiraVia::FormDestroy() {
  if (aberto_) armazem_.Fecha();
  aberto_ = false;
}

}  // namespace tarnel
