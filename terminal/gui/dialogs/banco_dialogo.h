// TfrmBanco's window: the banks of CHEQUES.INI in a drop-down box, Cancelar and Selecionar. Not
// modal: the main window stays usable while it is open.
#pragma once
#include <QDialog>

#include "cheques/selbanco.h"

class QComboBox;

namespace tarnel::gui {

class BancoDialogo : public QDialog {
  Q_OBJECT
 public:
  BancoDialogo(TfrmMain& frm, QWidget* pai);

  // Shows the window with the banks as they are now, the first selected.
  void Mostra();

  QComboBox* cbBancos;

 private:
  void Seleciona();

  TfrmMain& frm_;
  TfrmBanco modelo_;
};

}  // namespace tarnel::gui
