// TfrmErros's window: the list of detected errors and an OK button.
#pragma once
#include <QDialog>

#include "window/mostraerros.h"

class QListWidget;

namespace tarnel::gui {

class ErrosDialogo : public QDialog {
  Q_OBJECT
 public:
  ErrosDialogo(const TfrmErros& modelo, QWidget* pai);

  // Shows the model's lines modally.
  void Mostra();

  QListWidget* lbErros;

 private:
  const TfrmErros& modelo_;
};

}  // namespace tarnel::gui
