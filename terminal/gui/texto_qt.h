// Core texts are Windows-1252 bytes; Qt's are UTF-16. Every text crosses here.
#pragma once
#include <QString>
#include <string>

namespace tarnel::gui {

QString QTexto(const std::string& texto_cp1252);
std::string TextoCore(const QString& texto);

}  // namespace tarnel::gui
