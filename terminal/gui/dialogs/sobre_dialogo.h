// TfrmAbout's window: the picture, the program's name and version, the reseller's lines.
#pragma once
#include <QDialog>

#include "window/aboutfrm.h"

class QLabel;

namespace tarnel::gui {

class SobreDialogo : public QDialog {
  Q_OBJECT
 public:
  SobreDialogo(const TfrmAbout& modelo, QWidget* pai);

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* OEMEmpresa;
  QLabel* Linha1;
  QLabel* Linha2;
};

}  // namespace tarnel::gui
