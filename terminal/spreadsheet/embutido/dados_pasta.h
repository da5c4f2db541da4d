// What the embedded engine holds of one workbook, shared by its reader, its writer and the named
// view. The engine's texts are UTF-8; the core's are Windows-1252.
#pragma once
#include <ixion/address.hpp>
#include <ixion/model_context.hpp>

#include <exception>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/embutido/texto_pasta_xml.h"

namespace tarnel {

struct FormatoPasta;

// A formula as the file spelled it ("=SUM(R1C1:R3C1)", or another program's "of:=SUM([.A1:.A3])"),
// kept to be written back unchanged; erro is why the engine cannot compute it (Windows-1252), empty
// when it can.
struct FormulaPasta {
  std::string texto;
  std::string erro;
};

struct NomeDefinido {
  std::string nome;        // UTF-8, as in the file
  std::string referencia;  // "Dados!R1C1:R3C1", as in the file without the "="
  ixion::abs_range_t faixa{ixion::abs_range_t::invalid};  // invalid when it is no range of cells
};

struct DadosPasta {
  DadosPasta() : contexto(ixion::rc_size_t(kLinhas, kColunas)) {}

  static constexpr ixion::row_t kLinhas = kLinhasFolha;
  static constexpr ixion::col_t kColunas = kColunasFolha;

  ixion::model_context contexto;
  std::vector<NomeDefinido> nomes;
  std::map<ixion::abs_address_t, FormulaPasta> formulas;
  // Error constants ("#N/A"), which the engine has no cell for: an error formula stands in their
  // cells, so that what depends on them is an error too.
  std::map<ixion::abs_address_t, std::string> erros;
  // Formulas doing arithmetic with a text, directly or through another formula: the text's cell
  // (see conta_com_texto.h). Kept up to date as they are computed.
  std::map<ixion::abs_address_t, ixion::abs_address_t> contas_com_texto;
  ixion::abs_range_set_t alteradas;  // cells written since the last recalculation
};

// Fills dados from SpreadsheetML 2003 text and computes every formula; false with erro
// (Windows-1252) when the text is no such workbook. formato is the text's, read before: the cell
// contents orcus passes over come from it.
bool LePastaXml(std::string_view xml, const FormatoPasta& formato, DadosPasta& dados, std::string& erro);
// The workbook in SpreadsheetML 2003, UTF-8, with the formatting its file came with.
std::string EscrevePastaXml(const DadosPasta& dados, const FormatoPasta& formato);

// Computes the formula cells in the order given (dependencies first). A formula the engine turns
// out not to compute (a function it knows by name only) is marked with the reason and becomes an
// error, which what depends on it then gets; one that does arithmetic with a text is marked as long
// as the text is there.
void CalculaFormulas(DadosPasta& dados, const std::vector<ixion::abs_range_t>& ordenadas);
// Why the engine refused a formula, in the person's words (Windows-1252).
std::string MotivoFormula(const std::exception& e);

// "Totais!C7" for a cell, in Windows-1252.
std::string NomeCelula(const ixion::model_context& contexto, const ixion::abs_address_t& endereco);

}  // namespace tarnel
