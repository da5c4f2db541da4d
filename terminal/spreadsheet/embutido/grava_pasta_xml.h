// Writing a workbook in SpreadsheetML 2003, the same text from both engines (so that a file saved
// by one reads the same in the other): the defined names, each sheet's cells with what the engine
// holds of them, and the formatting the file came with around them.
#pragma once
#include <string>
#include <vector>

#include "spreadsheet/embutido/formato_pasta_xml.h"

namespace tarnel {

// A cell the engine holds something for. Texts are UTF-8.
struct CelulaGravada {
  int linha = 0, coluna = 0;  // from 0
  bool tem_formula = false;
  std::string formula;         // as the file spelled it, its "=" too
  const char* tipo = nullptr;  // the Data element's type ("String", "Number", "Boolean", "Error"); null: none
  std::string dado;
};

struct FolhaGravada {
  std::string nome;
  std::vector<CelulaGravada> celulas;  // row by row, column by column
};

struct NomeGravado {
  std::string nome, referencia;  // the reference without the leading "="
};

// formato is used when it has as many sheets as folhas (it came from the file they were read from).
std::string GravaPastaXml(const std::vector<NomeGravado>& nomes, const std::vector<FolhaGravada>& folhas,
                          const FormatoPasta& formato);

}  // namespace tarnel
