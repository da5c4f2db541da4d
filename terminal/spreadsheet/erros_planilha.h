// The error list the workbook operations fill: lines are counted, and past ten errors the operation
// ends with a last line.
#pragma once
#include <string>

#include "window/mostraerros.h"

namespace tarnel {

class ContagemErros {
 public:
  explicit ContagemErros(TfrmErros& lista) : lista_(lista) {}

  // Adds an error line; false once more than ten errors were counted (the closing line is added).
  bool Erro(const std::string& linha);
  // Adds a line that does not count against the limit (a difference found by a check).
  void Diferenca(const std::string& linha) { lista_.Acrescenta(linha); }
  // Adds the reason for the line before, indented, not counted either.
  void Motivo(const std::string& motivo) { lista_.Acrescenta("  " + motivo); }

 private:
  TfrmErros& lista_;
  int erros_ = 0;
};

}  // namespace tarnel
