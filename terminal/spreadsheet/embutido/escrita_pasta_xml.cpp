// Writing the workbook back: every label and number, and every formula exactly as it was read, with
// its last computed value beside it so that a reader that does not compute still sees the figures.
#include <ixion/cell.hpp>
#include <ixion/formula_result.hpp>

#include <string>

#include "spreadsheet/embutido/dados_pasta.h"
#include "spreadsheet/embutido/grava_pasta_xml.h"
#include "spreadsheet/embutido/texto_pasta_xml.h"

namespace tarnel {
namespace {

// The value of a cell as a Data element; none for an empty cell or a formula without a value.
void DadoCelula(CelulaGravada& celula, const ixion::model_context& contexto, const ixion::abs_address_t& endereco) {
  switch (contexto.get_celltype(endereco)) {
    case ixion::celltype_t::string:
      celula.tipo = "String";
      celula.dado = contexto.get_string_value(endereco);
      break;
    case ixion::celltype_t::numeric:
      celula.tipo = "Number";
      celula.dado = NumeroXml(contexto.get_numeric_value(endereco));
      break;
    case ixion::celltype_t::boolean:
      celula.tipo = "Boolean";
      celula.dado = contexto.get_boolean_value(endereco) ? "1" : "0";
      break;
    case ixion::celltype_t::formula: {
      const ixion::formula_result resultado =
          contexto.get_formula_cell(endereco)->get_result_cache(ixion::formula_result_wait_policy_t::throw_exception);
      if (resultado.get_type() == ixion::formula_result::result_type::value) {
        celula.tipo = "Number";
        celula.dado = NumeroXml(resultado.get_value());
      } else if (resultado.get_type() == ixion::formula_result::result_type::string) {
        celula.tipo = "String";
        celula.dado = resultado.get_string();
      }
      break;
    }
    default:
      break;
  }
}

FolhaGravada ParaGravar(const DadosPasta& dados, ixion::sheet_t folha) {
  const ixion::model_context& contexto = dados.contexto;
  FolhaGravada gravada{contexto.get_sheet_name(folha), {}};
  const ixion::abs_range_t area = contexto.get_data_range(folha);
  if (!area.valid()) return gravada;
  for (ixion::row_t linha = 0; linha <= area.last.row; ++linha)
    for (ixion::col_t coluna = 0; coluna <= area.last.column; ++coluna) {
      const ixion::abs_address_t endereco(folha, linha, coluna);
      if (contexto.get_celltype(endereco) == ixion::celltype_t::empty) continue;
      CelulaGravada& celula = gravada.celulas.emplace_back();
      celula.linha = linha;
      celula.coluna = coluna;
      if (auto formula = dados.formulas.find(endereco); formula != dados.formulas.end()) {
        celula.tem_formula = true;
        celula.formula = formula->second.texto;
      }
      if (auto constante = dados.erros.find(endereco); constante != dados.erros.end()) {
        celula.tipo = "Error";
        celula.dado = constante->second;
      } else {
        DadoCelula(celula, contexto, endereco);
      }
    }
  return gravada;
}

}  // namespace

std::string EscrevePastaXml(const DadosPasta& dados, const FormatoPasta& formato) {
  std::vector<NomeGravado> nomes;
  for (const NomeDefinido& nome : dados.nomes) nomes.push_back({nome.nome, nome.referencia});
  std::vector<FolhaGravada> folhas;
  for (ixion::sheet_t folha = 0; folha < static_cast<ixion::sheet_t>(dados.contexto.get_sheet_count()); ++folha)
    folhas.push_back(ParaGravar(dados, folha));
  return GravaPastaXml(nomes, folhas, formato);
}

}  // namespace tarnel
