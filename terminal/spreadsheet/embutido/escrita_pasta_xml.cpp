// Writing the workbook back in SpreadsheetML 2003: sheet names, defined names, every label and
// number, and every formula exactly as it was read, with its last computed value beside it so that
// a reader that does not compute still sees the figures.
#include <ixion/cell.hpp>
#include <ixion/formula_result.hpp>

#include <string>

#include "spreadsheet/embutido/dados_pasta.h"
#include "spreadsheet/embutido/texto_pasta_xml.h"

namespace tarnel {
namespace {

// The value of a cell as a Data element; nothing for an empty cell or a formula without a value.
void DadoCelula(std::string& saida, const ixion::model_context& contexto, const ixion::abs_address_t& endereco) {
  switch (contexto.get_celltype(endereco)) {
    case ixion::celltype_t::string:
      DadoXml(saida, "String", contexto.get_string_value(endereco));
      break;
    case ixion::celltype_t::numeric:
      DadoXml(saida, "Number", NumeroXml(contexto.get_numeric_value(endereco)));
      break;
    case ixion::celltype_t::boolean:
      DadoXml(saida, "Boolean", contexto.get_boolean_value(endereco) ? "1" : "0");
      break;
    case ixion::celltype_t::formula: {
      const ixion::formula_result resultado =
          contexto.get_formula_cell(endereco)->get_result_cache(ixion::formula_result_wait_policy_t::throw_exception);
      if (resultado.get_type() == ixion::formula_result::result_type::value)
        DadoXml(saida, "Number", NumeroXml(resultado.get_value()));
      else if (resultado.get_type() == ixion::formula_result::result_type::string)
        DadoXml(saida, "String", resultado.get_string());
      break;
    }
    default:
      break;
  }
}

void EscreveFolha(std::string& saida, const DadosPasta& dados, ixion::sheet_t folha) {
  const ixion::model_context& contexto = dados.contexto;
  saida += " <Worksheet ss:Name=\"";
  EscapaXml(saida, contexto.get_sheet_name(folha));
  saida += "\">\n  <Table>\n";
  const ixion::abs_range_t area = contexto.get_data_range(folha);
  if (area.valid()) {
    for (ixion::row_t linha = 0; linha <= area.last.row; ++linha) {
      std::string celulas;
      ixion::col_t proxima = 0;
      for (ixion::col_t coluna = 0; coluna <= area.last.column; ++coluna) {
        const ixion::abs_address_t endereco(folha, linha, coluna);
        if (contexto.get_celltype(endereco) == ixion::celltype_t::empty) continue;
        celulas += "    <Cell";
        if (coluna != proxima) celulas += " ss:Index=\"" + std::to_string(coluna + 1) + "\"";
        auto formula = dados.formulas.find(endereco);
        if (formula != dados.formulas.end()) {
          celulas += " ss:Formula=\"";
          ExpressaoXml(celulas, formula->second.texto);
          celulas += "\"";
        }
        celulas += ">";
        DadoCelula(celulas, contexto, endereco);
        celulas += "</Cell>\n";
        proxima = coluna + 1;
      }
      if (celulas.empty()) continue;
      saida += "   <Row ss:Index=\"" + std::to_string(linha + 1) + "\">\n" + celulas + "   </Row>\n";
    }
  }
  saida += "  </Table>\n </Worksheet>\n";
}

}  // namespace

std::string EscrevePastaXml(const DadosPasta& dados) {
  std::string saida = InicioPastaXml(dados.nomes);
  for (ixion::sheet_t folha = 0; folha < static_cast<ixion::sheet_t>(dados.contexto.get_sheet_count()); ++folha)
    EscreveFolha(saida, dados, folha);
  saida += "</Workbook>\n";
  return saida;
}

}  // namespace tarnel
