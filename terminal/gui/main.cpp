// Tarnel's window: the main window over the model, then its dialogs, then the start-up sequence
// (settings, driver library, connection); at the end the exit sequence (exit line, channel, settings).
#include <QApplication>
#include <QFileInfo>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "aplicacao.h"
#include "compat/cp1252.h"
#include "imagens/lista_imagens.h"
#include "inicio/inicia_tfrmmain.h"
#include "interacao_qt.h"
#include "main/janela_principal.h"
#include "tela_grafica.h"
#include "texto_qt.h"
#include "window/versao.h"

namespace {

const char kAjuda[] =
    "Uso: tarnel [--help | --version]\n"
    "Abre a janela do Tarnel, o terminal da impressora fiscal: os 68 comandos do protocolo, a leitura\n"
    "de registradores, a gravação e a reprodução de arquivos de comandos, as leituras para arquivos, os\n"
    "cheques e a conferência dos totais com a planilha.\n"
    "A biblioteca de comunicação é DROVIK.DLL no Windows; nos outros sistemas, libdrovik.so ao lado do\n"
    "programa, ou a indicada pela variável TARNEL_DROVIK. O canal Emul usa a impressora emulada.\n"
    "Sem tela gráfica, use o tarnel-cli (tarnel-cli --help).";

const char kSemTela[] =
    "tarnel: não há tela gráfica (DISPLAY e WAYLAND_DISPLAY não estão definidos); use o tarnel-cli "
    "(tarnel-cli --help)";

const char kTelaXFechada[] = "tarnel: a tela gráfica DISPLAY=";
const char kTelaXFechadaFim[] = " não abre; use o tarnel-cli (tarnel-cli --help)";

}  // namespace

int main(int argc, char** argv) {
  // Answered before the window's toolkit starts, so that they work without a display too.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << compat::cp1252_to_utf8(kAjuda) << std::endl;
      return std::cout ? 0 : 2;  // an output that cannot be written is no answer
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "tarnel " << compat::cp1252_to_utf8(tarnel::TextoVersao()) << std::endl;
      return std::cout ? 0 : 2;
    }
  }
  if (!tarnel::gui::HaTelaGrafica(argc, argv, std::getenv)) {
    std::cerr << compat::cp1252_to_utf8(kSemTela) << std::endl;
    return 2;
  }
  if (const auto x = tarnel::gui::TelaX(argc, argv, std::getenv); x && !tarnel::gui::TelaXAbre(*x)) {
    // The name as the system gives it, bytes unchanged.
    std::cerr << compat::cp1252_to_utf8(kTelaXFechada) << *x << compat::cp1252_to_utf8(kTelaXFechadaFim) << std::endl;
    return 2;
  }
  QApplication aplicacao(argc, argv);
  tarnel::gui::NumerosComPonto();
  // The application title is the program's file name without extension.
  const QString titulo = QFileInfo(QApplication::applicationFilePath()).completeBaseName();
  QApplication::setApplicationName(titulo);
  QApplication::setApplicationVersion(tarnel::gui::QTexto(tarnel::TextoVersao()));
  QApplication::setWindowIcon(tarnel::gui::ImagemPrograma());

  tarnel::gui::InteracaoQt interacao;
  tarnel::TfrmMain frm(interacao);
  tarnel::gui::JanelaPrincipal janela(frm);
  interacao.DefinePai(&janela);
  tarnel::IniciaTfrmMain(frm);
  janela.CriaDialogos(tarnel::gui::TextoCore(titulo));
  janela.AplicaGeometria();
  janela.show();
  const int resultado = aplicacao.exec();
  tarnel::EncerraTfrmMain(frm);
  return resultado;
}
