#include "texto_qt.h"

#include "compat/cp1252.h"

namespace tarnel::gui {

QString QTexto(const std::string& texto_cp1252) {
  return QString::fromStdString(compat::cp1252_to_utf8(texto_cp1252));
}

std::string TextoCore(const QString& texto) { return compat::utf8_to_cp1252(texto.toStdString()); }

bool RemoveForaDoCp1252(QString& texto, int* posicao) {
  QString mantido;
  mantido.reserve(texto.size());
  for (qsizetype i = 0; i < texto.size(); ++i) {
    const char16_t c = texto[i].unicode();
    // Windows-1252 has a code for ASCII, U+00A0..U+00FF and 27 more characters (€, “, …); none
    // outside the basic plane, so both halves of a surrogate pair go.
    const bool tem = c < 0x80 || (c >= 0xA0 && c <= 0xFF) ||
                     compat::cp1252_to_utf16(compat::utf16_to_cp1252(std::u16string(1, c), '\0')) == std::u16string(1, c);
    if (tem) mantido += texto[i];
    else if (posicao && i < *posicao) --*posicao;
  }
  if (mantido.size() == texto.size()) return false;
  texto = mantido;
  return true;
}

QValidator::State ValidadorCp1252::validate(QString& texto, int& posicao) const {
  RemoveForaDoCp1252(texto, &posicao);
  return Acceptable;
}

}  // namespace tarnel::gui
