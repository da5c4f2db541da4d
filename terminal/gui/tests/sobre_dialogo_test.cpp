// The about box with a reseller's longest lines: they wrap, and the box stays narrower than a small
// screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "dialogs/sobre_dialogo.h"
#include "window/aboutfrm.h"

namespace tarnel::gui {
namespace {

TEST(SobreDialogo, LinhasLongasDoRevendedorQuebramDentroDaCaixa) {
  TfrmAbout modelo("tarnel");
  modelo.OEMEmpresa = std::string(199, 'E');
  for (std::size_t i = 10; i < modelo.OEMEmpresa.size(); i += 11) modelo.OEMEmpresa[i] = ' ';
  modelo.Linha1 = modelo.OEMEmpresa;
  modelo.Linha2 = modelo.OEMEmpresa;
  SobreDialogo caixa(modelo, nullptr);
  caixa.show();
  QApplication::processEvents();
  EXPECT_LE(caixa.width(), 800);
  for (const QLabel* rotulo : {caixa.OEMEmpresa, caixa.Linha1, caixa.Linha2}) {
    EXPECT_GE(rotulo->height(), rotulo->fontMetrics().height() * 2) << rotulo->text().toStdString();
    EXPECT_LE(rotulo->width(), caixa.width());
  }
}

}  // namespace
}  // namespace tarnel::gui
