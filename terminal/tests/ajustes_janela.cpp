// Tarnel's settings in the registry of a Windows system, driven from outside the window (the Qt
// window is not built for Windows). "grava" runs a window model's start-up, changes a few settings
// through the actions and dialogs a person uses, and runs the exit, which saves them; "mostra" runs
// the start-up of a fresh model and prints what it restored; "chave" prints the settings key. No
// printer library is loaded: only the settings matter here. Output is Windows-1252 bytes.
//   ajustes_janela chave
//   ajustes_janela grava <command file> <timeout in seconds>
//   ajustes_janela mostra
// Exit status 1 when the program told the person anything (a key that could not be read or
// written), 2 on a bad command line.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "inicio/inicia_tfrmmain.h"
#include "scripts/gravacao.h"
#include "spreadsheet/ligacao_planilha.h"
#include "window/configuracao.h"
#include "window/mainfrm.h"
#include "window/timeoutfrm.h"
#include "window/versao.h"

namespace tarnel {
namespace {

// The person: messages go to standard error and are counted; the file dialog answers with the
// file given on the command line.
class InteracaoLinhaComando : public InteracaoSilenciosa {
 public:
  explicit InteracaoLinhaComando(std::string arquivo = "") : arquivo_(std::move(arquivo)) {}

  void Mensagem(const std::string& texto, Icone, const std::string&) override {
    std::fprintf(stderr, "%s\n", texto.c_str());
    ++mensagens;
  }
  bool EscolheArquivos(const PedidoArquivo&, std::vector<std::string>& escolhidos) override {
    if (arquivo_.empty()) return false;
    escolhidos = {arquivo_};
    return true;
  }

  int mensagens = 0;

 private:
  std::string arquivo_;
};

std::unique_ptr<TfrmMain> NovaJanela(Interacao& interacao) {
  auto frm = std::make_unique<TfrmMain>(interacao);
  frm->CarregaDriver = [] { return std::unique_ptr<Driver>(); };
  return frm;
}

int Grava(const std::string& arquivo, const char* timeout) {
  char* fim = nullptr;
  const long segundos = std::strtol(timeout, &fim, 10);
  if (arquivo.empty() || fim == timeout || *fim != '\0') {
    std::fprintf(stderr, "ajustes_janela grava: a command file and a timeout in seconds\n");
    return 2;
  }
  InteracaoLinhaComando interacao(arquivo);
  auto frm = NovaJanela(interacao);
  IniciaTfrmMain(*frm);
  ParaGravacaoExecute(*frm);  // the command file is chosen while not recording
  SelecionaArquivoComandosExecute(*frm);
  TfrmTimeout dialogo;
  dialogo.FormShow(*frm);
  dialogo.ebTimeoutChange(static_cast<std::int32_t>(segundos));
  dialogo.btOKClick(*frm);
  EncerraTfrmMain(*frm);
  return interacao.mensagens == 0 ? 0 : 1;
}

int Mostra() {
  InteracaoLinhaComando interacao;
  auto frm = NovaJanela(interacao);
  IniciaTfrmMain(*frm);
  std::printf("ArquivoComandos=%s\n", frm->ArquivoComandos.c_str());
  std::printf("GravaComandos=%d\n", frm->GravaComandos.Checked ? 1 : 0);
  std::printf("TimeoutComando=%d\n", static_cast<int>(frm->TimeoutComando));
  std::printf("Planilha=%s\n", Ligacao(*frm).NomeMotor().c_str());
  return interacao.mensagens == 0 ? 0 : 1;
}

}  // namespace
}  // namespace tarnel

int main(int argc, char** argv) {
  const std::string acao = argc > 1 ? argv[1] : "";
  if (acao == "chave" && argc == 2) {
    std::printf("%s\n", tarnel::ChaveConfiguracao(tarnel::VersaoDoPrograma()).c_str());
    return 0;
  }
  if (acao == "grava" && argc == 4) return tarnel::Grava(argv[2], argv[3]);
  if (acao == "mostra" && argc == 2) return tarnel::Mostra();
  std::fprintf(stderr, "usage: ajustes_janela chave | grava <command file> <timeout> | mostra\n");
  return 2;
}
