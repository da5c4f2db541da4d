// The window's tests need one QApplication; without a platform chosen they use the offscreen one,
// so that they run (and are listed) on machines without a display.
#include <gtest/gtest.h>

#include <QApplication>

#include "aplicacao.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplicacao(argc, argv);
  tarnel::gui::NumerosComPonto();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
