// The window through a whole run: start-up restores what the last exit saved, and the register
// reader in the tool bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QToolButton>

#include "apoio/interacao_roteirizada.h"
#include "inicio/inicia_tfrmmain.h"
#include "main/janela_principal.h"
#include "test_support/temp_folder.h"
#include "texto_qt.h"
#include "widgets/lista_comandos.h"
#include "widgets/terminal_texto.h"

namespace tarnel::gui {
namespace {

using test_support::TempFolder;

// One run of the program: the window, the start-up, and at the end the exit.
struct Execucao {
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm{interacao};
  JanelaPrincipal janela{frm};

  Execucao() {
    IniciaTfrmMain(frm);
    janela.AplicaGeometria();
    janela.show();
    QApplication::processEvents();
  }
  ~Execucao() {
    janela.close();
    EncerraTfrmMain(frm);
  }
};

class InicioTest : public ::testing::Test {
 protected:
  InicioTest() : pasta_("tarnel-gui-inicio", TempFolder::enter | TempFolder::user_folders) {
    pasta_.set_env("TARNEL_DROVIK", DROVIK_ARQUIVO);
  }
  TempFolder pasta_;
};

TEST_F(InicioTest, WhatTheWindowHadAtExitIsWhatItHasAtTheNextStart) {
  QSize tamanho;
  int terminal = 0, comandos = 0;
  {
    Execucao primeira;
    // The design size on a first run, as far as the desktop holds it with the frame: the offscreen
    // desktop is only 800 pixels wide.
    EXPECT_EQ(primeira.janela.height(), 510);
    const QRect tela = primeira.janela.screen()->availableVirtualGeometry();
    EXPECT_TRUE(tela.contains(primeira.janela.frameGeometry())) << tela.width() << "x" << tela.height();
    primeira.janela.resize(760, 560);  // within the offscreen desktop of 800 pixels
    QApplication::processEvents();
    primeira.janela.divisorHorizontal->setSizes({400, 140});
    primeira.janela.divisorVertical->setSizes({250, 600});
    QApplication::processEvents();
    tamanho = primeira.janela.size();
    terminal = primeira.janela.Terminal->height();
    comandos = primeira.janela.lbComandos->width();
    primeira.janela.cbCanalECF->setEditText(QStringLiteral("Emul"));
    primeira.janela.acConnect->trigger();
    ASSERT_TRUE(primeira.frm.Connect.Checked);
  }
  Execucao segunda;
  EXPECT_EQ(segunda.janela.size(), tamanho);
  EXPECT_EQ(segunda.janela.Terminal->height(), terminal);
  EXPECT_EQ(segunda.janela.lbComandos->width(), comandos);
  // The connection open at exit is opened again.
  EXPECT_TRUE(segunda.frm.Connect.Checked);
  EXPECT_TRUE(segunda.janela.btConectar->isChecked());
  EXPECT_TRUE(segunda.interacao.mensagens.empty());
}

TEST_F(InicioTest, TheRegisterReaderShowsValuesAndRefusalsInTheToolBar) {
  Execucao execucao;
  JanelaPrincipal& janela = execucao.janela;
  janela.acConnect->trigger();
  ASSERT_TRUE(execucao.frm.Connect.Checked);
  janela.cbNomeRegistrador->setEditText(QStringLiteral("COO"));
  janela.btLeRegistradorAutomatico->click();
  QApplication::processEvents();
  EXPECT_TRUE(janela.btLeRegistradorAutomatico->isChecked());
  EXPECT_EQ(janela.btLeRegistradorAutomatico->toolTip(), QStringLiteral("Desativar Leitura Automática"));
  bool numero = false;
  janela.lbValorRegistrador->text().toInt(&numero);
  EXPECT_TRUE(numero) << janela.lbValorRegistrador->text().toStdString();
  const QColor fundo_normal = janela.lbValorRegistrador->palette().color(QPalette::Window);

  // Typing a name the library does not know: its refusal, in the error look.
  janela.cbNomeRegistrador->setEditText(QStringLiteral("NaoExiste"));
  QApplication::processEvents();
  EXPECT_EQ(janela.lbValorRegistrador->text(), QStringLiteral("Registrador inexiste para esta versão de protocolo!"));
  EXPECT_NE(janela.lbValorRegistrador->palette().color(QPalette::Window), fundo_normal);

  // An indexed register shows its index field and is read with it.
  janela.cbNomeRegistrador->setEditText(QStringLiteral("TotalDiaValorAliquota"));
  QApplication::processEvents();
  EXPECT_FALSE(janela.ebIndiceRegistrador->isHidden());
  EXPECT_FALSE(janela.lbValorRegistrador->text().isEmpty());
  EXPECT_EQ(janela.lbValorRegistrador->palette().color(QPalette::Window), fundo_normal)
      << janela.lbValorRegistrador->text().toStdString();

  // The index is read once complete: two digits and Enter read index 12, and nothing else is sent
  // (a read after the first digit used to move the focus to the command list, where the Enter ran
  // the selected command).
  ASSERT_TRUE(execucao.frm.SelecionaComandoPorNome("AbreGaveta"));
  QApplication::processEvents();
  janela.activateWindow();
  janela.ebIndiceRegistrador->setFocus();
  janela.ebIndiceRegistrador->selectAll();
  const qsizetype antes = janela.Terminal->toPlainText().size();
  for (const Qt::Key tecla : {Qt::Key_1, Qt::Key_2, Qt::Key_Return}) {
    QKeyEvent aperta(QEvent::KeyPress, tecla, Qt::NoModifier, tecla == Qt::Key_Return ? "\r" : QString(QChar(tecla)));
    QApplication::sendEvent(QApplication::focusWidget(), &aperta);
    QApplication::processEvents();
  }
  const QString transcricao = janela.Terminal->toPlainText().mid(antes);
  EXPECT_EQ(transcricao.count(QStringLiteral(" -> ")), 1) << transcricao.toStdString();
  EXPECT_TRUE(transcricao.contains(QStringLiteral("TotalDiaValorAliquota[12]"))) << transcricao.toStdString();
  EXPECT_FALSE(transcricao.contains(QStringLiteral("AbreGaveta"))) << transcricao.toStdString();

  janela.cbNomeRegistrador->setEditText(QStringLiteral("COO"));
  QApplication::processEvents();
  EXPECT_TRUE(janela.ebIndiceRegistrador->isHidden());
}

}  // namespace
}  // namespace tarnel::gui
