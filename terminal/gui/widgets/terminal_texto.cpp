#include "widgets/terminal_texto.h"

#include <QFontDatabase>
#include <QPalette>
#include <QScrollBar>

#include "texto_qt.h"

namespace tarnel::gui {

TerminalTexto::TerminalTexto(QWidget* pai) : QPlainTextEdit(pai) {
  setObjectName(QStringLiteral("Terminal"));
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Base, QColor(0x80, 0x80, 0x80));
  paleta.setColor(QPalette::Text, QColor(0x00, 0xff, 0xff));
  setPalette(paleta);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // The stored height may be as short as 35 pixels; the scroll bars' own minimum would hold the
  // transcript at about 70.
  setMinimumHeight(1);
}

void TerminalTexto::Mostra(const std::string& texto) {
  QString linhas = QTexto(texto);
  linhas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (linhas.endsWith(u'\n')) linhas.chop(1);
  if (linhas == toPlainText()) return;
  setPlainText(linhas);
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

}  // namespace tarnel::gui
