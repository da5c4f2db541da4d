// Pieces of the workbook text both embedded engines write: SpreadsheetML 2003, UTF-8, formulas and
// references with their leading "=".
#pragma once
#include <charconv>
#include <string>
#include <string_view>

#include "compat/xml_text.h"

namespace tarnel {

// The size of a sheet, as spreadsheet programs have it and both engines read it.
constexpr int kLinhasFolha = 1048576;
constexpr int kColunasFolha = 16384;

inline void EscapaXml(std::string& saida, std::string_view texto) { compat::append_xml_escaped(saida, texto); }

// References of defined names as the file spells them: the readers drop one leading "=", so one is
// always put back (a reference the file gave as "==F!R1C1" keeps its second "=" and still reads as
// no range).
inline void ExpressaoXml(std::string& saida, std::string_view texto) {
  saida += '=';
  EscapaXml(saida, texto);
}

// The shortest text that reads back as the same number.
inline std::string NumeroXml(double valor) {
  char texto[64];
  return std::string(texto, std::to_chars(texto, texto + sizeof texto, valor).ptr);
}

inline void DadoXml(std::string& saida, const char* tipo, std::string_view conteudo) {
  saida += "<Data ss:Type=\"";
  saida += tipo;
  saida += "\">";
  EscapaXml(saida, conteudo);
  saida += "</Data>";
}

// The text as the workbook file can hold it: control characters other than tab and line breaks
// become "?", so that what is read now is what the saved file gives back.
inline std::string TextoGravavel(std::string texto) {
  for (char& c : texto)
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') c = '?';
  return texto;
}

// "A", "Z", "AA" for columns 0, 25, 26.
inline std::string LetrasColuna(int coluna) {
  std::string letras;
  for (int c = coluna + 1; c > 0; c = (c - 1) / 26) letras.insert(letras.begin(), char('A' + (c - 1) % 26));
  return letras;
}

}  // namespace tarnel
