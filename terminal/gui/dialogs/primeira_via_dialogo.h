// TfrmPrimeiraVia's window: "Armazenar Primeira Via", the file's name with its "..." button,
// "&Filtrar Arquivo", OK and Cancel.
#pragma once
#include <QDialog>

#include "readings/primeiravia.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace tarnel::gui {

class PrimeiraViaDialogo : public QDialog {
  Q_OBJECT
 public:
  PrimeiraViaDialogo(TfrmPrimeiraVia& modelo, QWidget* pai);

  // Shows the dialog modally; OK stores the settings, any close sets the menu's check mark.
  void Mostra();

  QCheckBox* cbGravar;
  QGroupBox* gbGravar;
  QLineEdit* ebArquivo;

 private:
  void MostraModelo();
  TfrmPrimeiraVia& modelo_;
};

}  // namespace tarnel::gui
