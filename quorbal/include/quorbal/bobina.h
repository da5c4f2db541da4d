// The paper-roll file: what the emulated printer printed on its roll, one printed line per file
// line, for a person with a text editor and for Tarnel's roll view. Written by the printer beside
// its context file (NomeArquivoBobina), only ever appended.
//
// UTF-8, CR LF line ends. Every line is a three-character margin, then the printed text:
//   column 1  'N' when the line was printed bold (negrito), blank otherwise
//   column 2  'E' when it was printed double width (expandido), blank otherwise
//   column 3  '|', the paper's left edge
// e.g. "  |CNPJ:11.222.333/0001-81" and "NE|TOTAL R$           21,00". The text is the line as the
// paper shows it, attribute switches removed: at most 48 columns, 24 characters in double width.
#pragma once
#include <string>
#include <string_view>

namespace quorbal {

struct LinhaBobina {
  std::string texto;  // Windows-1252, like every other text of the core
  bool negrito = false;
  bool expandido = false;
};

inline bool operator==(const LinhaBobina& a, const LinhaBobina& b) {
  return a.texto == b.texto && a.negrito == b.negrito && a.expandido == b.expandido;
}

// "bobina<n>.txt", the roll of printer number n (0: the driver library's channel "Emul").
std::string NomeArquivoBobina(int numero);

// The line as the file holds it, CR LF included. Control bytes in the text become blanks, so one
// printed line is always one file line.
std::string FormataLinhaBobina(const LinhaBobina& linha);

// One file line (UTF-8, without its line end) read back. A line without the margin (edited by
// hand) is plain text, whole; characters without a Windows-1252 form become '?'.
LinhaBobina LeLinhaBobina(std::string_view linha);

}  // namespace quorbal
