#include "texto_qt.h"

#include "compat/cp1252.h"

namespace tarnel::gui {

QString QTexto(const std::string& texto_cp1252) {
  return QString::fromStdString(compat::cp1252_to_utf8(texto_cp1252));
}

std::string TextoCore(const QString& texto) { return compat::utf8_to_cp1252(texto.toStdString()); }

}  // namespace tarnel::gui
