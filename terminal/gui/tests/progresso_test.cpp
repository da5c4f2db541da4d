// The progress dialog of long work: shown while it runs, gone at its end, and Cancel stops it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QWidget>

#include "interacao_qt.h"

namespace tarnel::gui {
namespace {

QProgressDialog* Dialogo(QWidget& pai) { return pai.findChild<QProgressDialog*>(); }

TEST(Progresso, ShownWhileRunningClosedAtTheEndAndCancelStops) {
  QWidget pai;
  InteracaoQt interacao;
  interacao.DefinePai(&pai);
  EXPECT_TRUE(interacao.Progride("Lendo", 250, 1000));
  QProgressDialog* dialogo = Dialogo(pai);
  ASSERT_TRUE(dialogo);
  EXPECT_EQ(dialogo->value(), 250);
  EXPECT_EQ(dialogo->labelText(), QStringLiteral("Lendo"));
  EXPECT_TRUE(interacao.Progride("Lendo", 1000, 1000));
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Dialogo(pai));

  EXPECT_TRUE(interacao.Progride("Lendo", 1, 10));
  ASSERT_TRUE(Dialogo(pai));
  Dialogo(pai)->cancel();
  EXPECT_FALSE(interacao.Progride("Lendo", 2, 10));
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Dialogo(pai));
}

}  // namespace
}  // namespace tarnel::gui
