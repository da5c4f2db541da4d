// Core texts are Windows-1252 bytes; Qt's are UTF-16. Every text crosses here.
#pragma once
#include <QString>
#include <QValidator>
#include <string>

namespace tarnel::gui {

QString QTexto(const std::string& texto_cp1252);
std::string TextoCore(const QString& texto);

// Drops the characters Windows-1252 has no code for (日本, emoji); *posicao, when given, moves back
// over those before it. True when something was dropped.
bool RemoveForaDoCp1252(QString& texto, int* posicao = nullptr);

// For the fields a person types into: the characters Windows-1252 lacks are dropped as they are
// typed or pasted, as a key beyond a field's limit is. Sent or used as a file name they would be "?",
// which is another text and another file.
class ValidadorCp1252 : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& texto, int& posicao) const override;
};

}  // namespace tarnel::gui
