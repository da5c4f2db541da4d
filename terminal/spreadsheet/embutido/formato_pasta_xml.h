// What a person gave the workbook besides its values, formulas and names: styles, column widths,
// row heights, merged cells, comments, document properties, sheet options. The engines have no use
// for it, so it is read apart from the file as it came and written back beside what they hold, in
// the file's own words: a save then keeps the workbook looking as the person left it.
#pragma once
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnel {

struct FormatoCelula {
  std::string atributos;   // the cell's attributes but its place, formula and merge, each after a blank
  int mescla_colunas = 0;  // ss:MergeAcross: the columns after it that it covers
  std::string conteudo;    // its elements but the data (Comment, NamedCell...)
};

// A cell's content that the native engine's parser (orcus) passes over, as the file spelled it: a
// formula without its leading "=" (another program's notation), or, in a cell without formula, a
// logical or an error constant. That engine takes it from here, so that a save keeps it.
struct ConteudoCelula {
  bool tem_formula = false;
  std::string formula;
  std::string tipo, dado;  // the Data element's type ("Boolean" or "Error") and its text
};

struct FormatoLinha {
  std::string atributos;  // the row's attributes but its place and span, each after a blank
  int repeticoes = 0;     // ss:Span: the rows after it that look the same
};

struct FormatoFolha {
  std::string atributos;         // the sheet's, but its name
  std::string atributos_tabela;  // the table's, but the counts of rows and columns in use
  std::string antes_tabela, colunas, depois_tabela;  // elements, one per line
  std::map<int, FormatoLinha> linhas;                    // by row, from 0
  std::map<std::pair<int, int>, FormatoCelula> celulas;  // by row and column, from 0
  std::map<std::pair<int, int>, ConteudoCelula> conteudos;  // the same
};

struct FormatoPasta {
  std::string declaracoes;  // the root's namespace declarations beyond the ones always written
  std::map<std::string, std::string> atributos_nomes;  // a defined name's attributes but its name and range (ss:Hidden)
  // The workbook's other elements (properties, settings, styles), one per line, where they stood:
  // before its names, between its names and its first sheet, after its sheets.
  std::string antes_nomes, depois_nomes, depois_folhas;
  std::vector<FormatoFolha> folhas;
};

// The formatting of a SpreadsheetML 2003 text, cells placed as the engines place them (ss:Index,
// else after the previous cell and the columns it merges). Nothing when the text cannot be read
// this way (an ss:Index that is no place in the sheet), a text both engines refuse.
FormatoPasta LeFormatoPasta(std::string_view xml);

}  // namespace tarnel
