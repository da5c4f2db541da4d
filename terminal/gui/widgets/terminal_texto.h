// The transcript pane "Terminal": read-only, grey background, aqua text, following its last line.
#pragma once
#include <QPlainTextEdit>
#include <string>

namespace tarnel::gui {

class TerminalTexto : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TerminalTexto(QWidget* pai);
  // Shows the model's whole text (CR LF line ends, Windows-1252).
  void Mostra(const std::string& texto);
};

}  // namespace tarnel::gui
