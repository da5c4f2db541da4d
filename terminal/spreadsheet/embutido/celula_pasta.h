// A cell's content as the workbook file spells it, read the same way by both engines: formulas
// (kept as read, their "=" too, and written back unchanged), logical and error constants, and the
// cell's place in a message.
#pragma once
#include <string>
#include <string_view>

#include "spreadsheet/embutido/leitor_xml.h"

namespace tarnel {

// The error values a cell can hold (a Data element of type "Error"), as spreadsheets spell them.
constexpr std::string_view kErrosCelula[] = {"#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#NUM!", "#N/A"};

inline bool ErroCelulaConhecido(std::string_view texto) {
  for (std::string_view erro : kErrosCelula)
    if (texto == erro) return true;
  return false;
}

// What reading a cell that holds an error constant gives, after the cell's name (Windows-1252).
inline std::string MensagemErroConstante(std::string_view erro) {
  return "a célula guarda o erro " + std::string(erro);
}

// Why the text of a Data element of type "Boolean" ("1" or "0") or "Error" is no such constant, in
// Windows-1252; empty when it is one, or of another type.
inline std::string MotivoConstante(std::string_view tipo, std::string_view texto) {
  if (tipo == "Boolean" && texto != "0" && texto != "1") return "lógico inválido '" + Trecho(texto) + "'";
  if (tipo == "Error" && !ErroCelulaConhecido(texto)) return "erro inválido '" + Trecho(texto) + "'";
  return {};
}

// "célula da linha 2, coluna 3 de 'Dados'" (rows and columns from 0; folha in UTF-8), in
// Windows-1252.
inline std::string LugarCelula(int linha, int coluna, std::string_view folha) {
  return "célula da linha " + std::to_string(linha + 1) + ", coluna " + std::to_string(coluna + 1) + " de '" +
         Trecho(folha) + "'";
}

// The text after one leading "=", as the engines read it.
inline std::string_view SemIgual(std::string_view texto) {
  if (!texto.empty() && texto.front() == '=') texto.remove_prefix(1);
  return texto;
}

// Why a formula is not computed before reading it, in Windows-1252; empty when the engine may try.
// One without its "=" is in another program's notation (LibreOffice's "Excel 2003 XML" export
// writes OpenFormula, "of:=[.B24]+[.B34]"): read as R1C1 it would compute something else, or
// nothing.
inline std::string MotivoNotacao(std::string_view formula) {
  if (!formula.empty() && formula.front() == '=') return {};
  return "a fórmula '" + Trecho(formula) + "' não está na notação do Excel (=R1C1) e não é calculada pelo motor embutido";
}

}  // namespace tarnel
