// TfrmTimeout's window: "Timeout dos Comandos:" [spin] "seg.", OK and Cancel.
#pragma once
#include <QDialog>

#include "window/timeoutfrm.h"

class QSpinBox;

namespace tarnel::gui {

class TimeoutDialogo : public QDialog {
  Q_OBJECT
 public:
  TimeoutDialogo(TfrmTimeout& modelo, QWidget* pai);

  // Shows the dialog modally over frm's timeout; OK stores it, Cancel leaves it.
  void Mostra(TfrmMain& frm);

  QSpinBox* ebTimeout;

 private:
  TfrmTimeout& modelo_;
};

}  // namespace tarnel::gui
