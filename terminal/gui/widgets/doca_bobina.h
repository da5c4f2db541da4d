// The emulated printer's paper: a pane beside the transcript that shows its roll file in 48
// monospaced columns, bold and double-width lines drawn as such, following what is printed after
// every command. Shown only while the channel is the emulated one; a real printer's paper is real.
#pragma once
#include <QFrame>
#include <memory>

#include "window/bobina.h"
#include "window/mainfrm.h"

class QPlainTextEdit;
class QToolButton;

namespace tarnel::gui {

class DocaBobina : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kColunas = 48;

  DocaBobina(TfrmMain& frm, QWidget* pai);

  // Follows the channel in cbCanalECF: shown for the emulated one, hidden for a real one.
  void AcompanhaCanal();
  // Adds what was printed since the last look.
  void Atualiza();
  // Tears the paper: the view forgets what it showed.
  void Rasga();

  QPlainTextEdit* papel;
  QToolButton* btRasgar;

 private:
  TfrmMain& frm_;
  std::unique_ptr<LeitorBobina> leitor_;
  QFont fonte_;
};

}  // namespace tarnel::gui
