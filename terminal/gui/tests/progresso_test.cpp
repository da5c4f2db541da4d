// The window's progress dialog for long work: shown over the window, its Cancel button asked
// between pieces, closed at the end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QWidget>

#include "interacao_qt.h"

namespace tarnel::gui {
namespace {

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

}  // namespace
}  // namespace tarnel::gui
