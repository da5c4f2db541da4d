// Tarnel's window: the main window over the model, then its dialogs, then the start-up sequence
// (settings, driver library, connection); at the end the exit sequence (exit line, channel, settings).
#include <QApplication>
#include <QFileInfo>

#include "imagens/lista_imagens.h"
#include "inicio/inicia_tfrmmain.h"
#include "interacao_qt.h"
#include "main/janela_principal.h"
#include "texto_qt.h"
#include "window/versao.h"

int main(int argc, char** argv) {
  QApplication aplicacao(argc, argv);
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
