// The window's answers to the core: the progress dialog for long work (shown over the window, its
// Cancel button asked between pieces, closed at the end), question boxes in Portuguese, file choices.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "interacao_qt.h"
#include "texto_qt.h"

namespace tarnel::gui {
namespace {

// A question's buttons are the program's words, whatever language Qt's own texts are in; the
// answer is the button pressed.
TEST(PerguntaQt, TheButtonsSpeakPortuguese) {
  QWidget janela;
  InteracaoQt interacao;
  interacao.DefinePai(&janela);
  QStringList textos;
  QTimer::singleShot(0, [&] {
    auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (caixa == nullptr) return;
    for (QAbstractButton* botao : caixa->buttons()) textos << botao->text();
    caixa->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(interacao.Pergunta("Continuar?", Icone::Pergunta, true, Resposta::Sim, "T\xEDtulo"), Resposta::Nao);
  textos.sort();
  EXPECT_EQ(textos, (QStringList{QStringLiteral("&Não"), QStringLiteral("&Sim"), QStringLiteral("Cancelar")}));
}

// Choosing an existing file in a save dialog returns it without the toolkit's own "replace?"
// question: what becomes of the file is the program's to decide and ask.
TEST(EscolhaArquivoQt, AnExistingFileToSaveIntoIsChosenWithoutAQuestion) {
  QWidget janela;
  InteracaoQt interacao;
  interacao.DefinePai(&janela);
  QTemporaryDir pasta;
  ASSERT_TRUE(pasta.isValid());
  const QString arquivo = pasta.filePath(QStringLiteral("Via2.TXT"));
  QFile existente(arquivo);
  ASSERT_TRUE(existente.open(QIODevice::WriteOnly));
  existente.write("dados");
  existente.close();
  PedidoArquivo pedido;
  pedido.salvar = true;
  pedido.filtro = "Arquivo Texto|*.TXT";
  pedido.extensao_padrao = "TXT";
  pedido.nome_inicial = TextoCore(arquivo);

  // Accepts the file dialog; a box that comes up over it is noted and refused, and the choice
  // then cancelled, so a question cannot keep the test waiting.
  QStringList caixas;
  bool aceito = false;
  QTimer vigia;
  QObject::connect(&vigia, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* caixa = qobject_cast<QMessageBox*>(modal)) {
      caixas << caixa->text();
      caixa->reject();
    } else if (auto* dialogo = qobject_cast<QFileDialog*>(modal)) {
      // Accepted from a timer of its own: a box it opens waits inside that call, and the watch,
      // which does not fire again while its own call runs, must be free to see it.
      if (!aceito) QTimer::singleShot(0, dialogo, [dialogo] { static_cast<QDialog*>(dialogo)->accept(); });
      else if (!caixas.isEmpty()) dialogo->reject();
      aceito = true;
    }
  });
  vigia.start(10);
  std::vector<std::string> escolhidos;
  EXPECT_TRUE(interacao.EscolheArquivos(pedido, escolhidos));
  vigia.stop();
  EXPECT_EQ(caixas.join(u'\n').toStdString(), "");  // no box came up
  EXPECT_EQ(escolhidos, std::vector<std::string>{TextoCore(arquivo)});
}

TEST(ProgressoQt, ShowsWhatIsDoneAndCarriesTheCancel) {
  QWidget janela;
  InteracaoQt interacao;
  interacao.DefinePai(&janela);
  EXPECT_FALSE(interacao.CancelamentoPedido());  // nothing running

  interacao.Progresso("EmiteLeituraX -> LX.TXT", 4000, 0);
  QProgressDialog* dialogo = interacao.DialogoProgresso();
  ASSERT_NE(dialogo, nullptr);
  EXPECT_EQ(dialogo->parent(), &janela);
  EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("EmiteLeituraX -> LX.TXT"));
  EXPECT_EQ(dialogo->labelText(), QStringLiteral("Recebidos 4000 bytes"));
  EXPECT_EQ(dialogo->maximum(), 0);  // no total: a busy bar

  interacao.Progresso("Dump", 250, 1000);
  EXPECT_EQ(interacao.DialogoProgresso(), dialogo);  // the same dialog goes on
  EXPECT_EQ(dialogo->value(), 250);
  EXPECT_EQ(dialogo->labelText(), QStringLiteral("250 de 1000"));
  EXPECT_FALSE(interacao.CancelamentoPedido());

  dialogo->cancel();
  EXPECT_TRUE(interacao.CancelamentoPedido());
  interacao.FimProgresso();
  EXPECT_EQ(interacao.DialogoProgresso(), nullptr);
  EXPECT_FALSE(interacao.CancelamentoPedido());  // the next work starts uncancelled
}

// Between two pieces of long work the window repaints, but a click or a shortcut on it is dropped: a
// second dump or command started meanwhile would move the printer under the first. A modal dialog
// in front (the progress dialog once shown, a command file's run dialog) keeps its buttons.
TEST(ProgressoQt, ThePersonsInputWaitsForNoLongWorkButADialogInFrontAnswers) {
  QWidget janela;
  auto* botao = new QPushButton(QStringLiteral("Executa"), &janela);
  auto* atalho = new QAction(&janela);
  atalho->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_M));
  janela.addAction(atalho);
  janela.show();
  janela.activateWindow();
  QApplication::setActiveWindow(&janela);
  QApplication::processEvents();
  InteracaoQt interacao;
  interacao.DefinePai(&janela);
  QSignalSpy cliques(botao, &QPushButton::clicked);
  QSignalSpy atalhos(atalho, &QAction::triggered);
  const auto pessoa = [&] {
    QTest::mouseClick(botao, Qt::LeftButton);
    QTest::keyClick(&janela, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
  };

  pessoa();  // no work running: both act
  EXPECT_EQ(cliques.count(), 1);
  EXPECT_EQ(atalhos.count(), 1);

  QTimer::singleShot(0, &janela, pessoa);
  interacao.ProcessaEventos();
  EXPECT_EQ(cliques.count(), 1);
  EXPECT_EQ(atalhos.count(), 1);
  QApplication::processEvents();  // nothing was only put off
  EXPECT_EQ(cliques.count(), 1);
  EXPECT_EQ(atalhos.count(), 1);

  QDialog dialogo(&janela);
  dialogo.setWindowModality(Qt::WindowModal);
  auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), &dialogo);
  QSignalSpy cancelamentos(cancelar, &QPushButton::clicked);
  const auto clica_no_dialogo = [&] { QTest::mouseClick(cancelar, Qt::LeftButton); };
  // A dialog that comes up while the events go through answers at once...
  QTimer::singleShot(0, &janela, [&] {
    dialogo.show();
    clica_no_dialogo();
  });
  interacao.ProcessaEventos();
  EXPECT_EQ(cancelamentos.count(), 1);
  // ...and so does one that was already in front.
  QTimer::singleShot(0, &dialogo, clica_no_dialogo);
  interacao.ProcessaEventos();
  EXPECT_EQ(cancelamentos.count(), 2);
  EXPECT_EQ(cliques.count(), 1);
}

}  // namespace
}  // namespace tarnel::gui
