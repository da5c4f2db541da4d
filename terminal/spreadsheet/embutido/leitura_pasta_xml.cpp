// Reading a SpreadsheetML 2003 workbook: the file's parser calls our import interface, which puts
// values straight into the engine and keeps formulas and names as text until every sheet exists
// (a formula may refer to a sheet further down the file).
#include <orcus/orcus_xls_xml.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include <ixion/cell.hpp>
#include <ixion/exceptions.hpp>
#include <ixion/formula.hpp>
#include <ixion/formula_name_resolver.hpp>

#include <exception>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "compat/cp1252.h"
#include "spreadsheet/embutido/celula_pasta.h"
#include "spreadsheet/embutido/dados_pasta.h"
#include "spreadsheet/embutido/formato_pasta_xml.h"
#include "spreadsheet/embutido/leitor_xml.h"

namespace tarnel {
namespace {

namespace iface = orcus::spreadsheet::iface;
using orcus::spreadsheet::col_t;
using orcus::spreadsheet::row_t;

struct FormulaLida {
  ixion::abs_address_t endereco;
  std::string texto;
};

// Day number of a civil date, with 1899-12-30 as day 0 (the spreadsheets' date serial).
double SerialData(int ano, int mes, int dia) {
  ano -= mes <= 2;
  const int era = (ano >= 0 ? ano : ano - 399) / 400;
  const int ano_era = ano - era * 400;
  const int dia_ano = (153 * (mes + (mes > 2 ? -3 : 9)) + 2) / 5 + dia - 1;
  const int dia_era = ano_era * 365 + ano_era / 4 - ano_era / 100 + dia_ano;
  const long dias_1970 = era * 146097L + dia_era - 719468L;
  return static_cast<double>(dias_1970 + 25569L);
}

class TextosCompartilhados : public iface::import_shared_strings {
 public:
  explicit TextosCompartilhados(std::vector<std::string>& textos) : textos_(textos) {}
  size_t append(std::string_view s) override {
    textos_.emplace_back(s);
    return textos_.size() - 1;
  }
  size_t add(std::string_view s) override {
    for (size_t i = 0; i < textos_.size(); ++i)
      if (textos_[i] == s) return i;
    return append(s);
  }
  void set_segment_font(size_t) override {}
  void set_segment_bold(bool) override {}
  void set_segment_italic(bool) override {}
  void set_segment_font_name(std::string_view) override {}
  void set_segment_font_size(double) override {}
  void set_segment_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                              orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override {}
  void append_segment(std::string_view s) override { segmentos_ += s; }
  size_t commit_segments() override {
    const size_t indice = append(segmentos_);
    segmentos_.clear();
    return indice;
  }

 private:
  std::vector<std::string>& textos_;
  std::string segmentos_;
};

class FormulaImportada : public iface::import_formula {
 public:
  FormulaImportada(ixion::sheet_t folha, std::vector<FormulaLida>& destino) : folha_(folha), destino_(destino) {}
  void set_position(row_t row, col_t col) override { endereco_ = ixion::abs_address_t(folha_, row, col); }
  void set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view formula) override { texto_ = formula; }
  void set_shared_formula_index(size_t) override {}
  void set_result_string(std::string_view) override {}
  void set_result_value(double) override {}
  void set_result_bool(bool) override {}
  void set_result_empty() override {}
  // orcus gives the formula without its "=", and passes over one without it.
  void commit() override {
    destino_.push_back({endereco_, "=" + texto_});
    texto_.clear();
  }

 private:
  ixion::sheet_t folha_;
  std::vector<FormulaLida>& destino_;
  ixion::abs_address_t endereco_;
  std::string texto_;
};

class NomesImportados : public iface::import_named_expression {
 public:
  explicit NomesImportados(std::vector<NomeDefinido>& nomes) : nomes_(nomes) {}
  void set_base_position(const orcus::spreadsheet::src_address_t&) override {}
  void set_named_expression(std::string_view name, std::string_view expression) override {
    atual_ = {std::string(name), std::string(expression), ixion::abs_range_t(ixion::abs_range_t::invalid)};
  }
  void set_named_range(std::string_view name, std::string_view range) override { set_named_expression(name, range); }
  void commit() override {
    if (!atual_.nome.empty()) nomes_.push_back(atual_);
    atual_ = NomeDefinido{};
  }

 private:
  std::vector<NomeDefinido>& nomes_;
  NomeDefinido atual_;
};

class FolhaImportada : public iface::import_sheet {
 public:
  FolhaImportada(DadosPasta& dados, ixion::sheet_t folha, const std::vector<std::string>& textos,
                 std::vector<FormulaLida>& formulas)
      : dados_(dados), folha_(folha), textos_(textos), formula_(folha, formulas) {}

  iface::import_formula* get_formula() override { return &formula_; }
  void set_auto(row_t row, col_t col, std::string_view s) override {
    dados_.contexto.set_string_cell(Endereco(row, col), s);
  }
  void set_string(row_t row, col_t col, orcus::spreadsheet::string_id_t sindex) override {
    if (static_cast<size_t>(sindex) < textos_.size()) dados_.contexto.set_string_cell(Endereco(row, col), textos_[sindex]);
  }
  void set_value(row_t row, col_t col, double value) override {
    dados_.contexto.set_numeric_cell(Endereco(row, col), value);
  }
  void set_bool(row_t row, col_t col, bool value) override { dados_.contexto.set_boolean_cell(Endereco(row, col), value); }
  void set_date_time(row_t row, col_t col, int year, int month, int day, int hour, int minute, double second) override {
    const double fracao = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    dados_.contexto.set_numeric_cell(Endereco(row, col), SerialData(year, month, day) + fracao);
  }
  void set_format(row_t, col_t, size_t) override {}
  void set_format(row_t, col_t, row_t, col_t, size_t) override {}
  void fill_down_cells(row_t src_row, col_t src_col, row_t range_size) override {
    dados_.contexto.fill_down_cells(Endereco(src_row, src_col), range_size);
  }
  orcus::spreadsheet::range_size_t get_sheet_size() const override {
    return {DadosPasta::kLinhas, DadosPasta::kColunas};
  }

 private:
  ixion::abs_address_t Endereco(row_t row, col_t col) const { return ixion::abs_address_t(folha_, row, col); }

  DadosPasta& dados_;
  ixion::sheet_t folha_;
  const std::vector<std::string>& textos_;
  FormulaImportada formula_;
};

class AjustesImportados : public iface::import_global_settings {
 public:
  void set_origin_date(int, int, int) override {}
  void set_default_formula_grammar(orcus::spreadsheet::formula_grammar_t g) override { gramatica_ = g; }
  orcus::spreadsheet::formula_grammar_t get_default_formula_grammar() const override { return gramatica_; }
  void set_character_set(orcus::character_set_t) override {}

 private:
  orcus::spreadsheet::formula_grammar_t gramatica_ = orcus::spreadsheet::formula_grammar_t::xls_xml;
};

class PastaImportada : public iface::import_factory {
 public:
  explicit PastaImportada(DadosPasta& dados) : dados_(dados), textos_compartilhados_(textos_), nomes_(dados.nomes) {}

  iface::import_global_settings* get_global_settings() override { return &ajustes_; }
  iface::import_shared_strings* get_shared_strings() override { return &textos_compartilhados_; }
  iface::import_named_expression* get_named_expression() override { return &nomes_; }
  iface::import_sheet* append_sheet(orcus::spreadsheet::sheet_t, std::string_view name) override {
    const ixion::sheet_t folha = dados_.contexto.append_sheet(std::string(name));
    folhas_.push_back(std::make_unique<FolhaImportada>(dados_, folha, textos_, formulas));
    return folhas_.back().get();
  }
  iface::import_sheet* get_sheet(std::string_view name) override {
    const ixion::sheet_t folha = dados_.contexto.get_sheet_index(name);
    return get_sheet(folha);
  }
  iface::import_sheet* get_sheet(orcus::spreadsheet::sheet_t indice) override {
    return indice >= 0 && static_cast<size_t>(indice) < folhas_.size() ? folhas_[indice].get() : nullptr;
  }
  void finalize() override {}

  std::vector<FormulaLida> formulas;

 private:
  DadosPasta& dados_;
  std::vector<std::string> textos_;
  TextosCompartilhados textos_compartilhados_;
  NomesImportados nomes_;
  AjustesImportados ajustes_;
  std::vector<std::unique_ptr<FolhaImportada>> folhas_;
};

// The engine marks a whole row or column ("Planilha!C2", "Cupom!R4") by leaving the other
// coordinate unset: its cells are then those of the sheet, from the first to the last.
ixion::abs_range_t NaFolha(ixion::abs_range_t faixa) {
  if (faixa.all_rows()) {
    faixa.first.row = 0;
    faixa.last.row = DadosPasta::kLinhas - 1;
  }
  if (faixa.all_columns()) {
    faixa.first.column = 0;
    faixa.last.column = DadosPasta::kColunas - 1;
  }
  return faixa;
}

void DefineNomes(DadosPasta& dados, const ixion::formula_name_resolver& resolvedor) {
  const ixion::abs_address_t origem(0, 0, 0);
  for (NomeDefinido& nome : dados.nomes) {
    const std::string_view expressao = SemIgual(nome.referencia);
    const ixion::formula_name_t resolvido = resolvedor.resolve(expressao, origem);
    if (resolvido.type == ixion::formula_name_t::range_reference)
      nome.faixa = NaFolha(std::get<ixion::range_t>(resolvido.value).to_abs(origem));
    else if (resolvido.type == ixion::formula_name_t::cell_reference)
      nome.faixa = NaFolha(ixion::abs_range_t(std::get<ixion::address_t>(resolvido.value).to_abs(origem)));
    try {
      dados.contexto.set_named_expression(nome.nome, ixion::parse_formula_string(dados.contexto, origem, resolvedor, expressao));
    } catch (const std::exception&) {
      // A name the engine cannot read stays out of its formulas; those then give #NAME?.
    }
  }
}

// The cell contents orcus passes over, taken from the reading of the file's formatting (which places
// cells as orcus does): formulas in another notation for DefineFormulas, logical and error
// constants. False with erro for a constant that is no such, or when that reading could not place
// the cells (orcus takes an ss:Index it cannot use as none, and what it passed over would be lost).
bool CompletaCelulas(const FormatoPasta& formato, DadosPasta& dados, std::vector<FormulaLida>& formulas,
                     std::string& erro) {
  if (formato.folhas.size() != dados.contexto.get_sheet_count()) {
    erro = "a pasta não é uma planilha XML legível (uma linha ou célula tem ss:Index inválido ou além do fim da "
           "planilha)";
    return false;
  }
  for (ixion::sheet_t folha = 0; folha < static_cast<ixion::sheet_t>(formato.folhas.size()); ++folha)
    for (const auto& [lugar, conteudo] : formato.folhas[folha].conteudos) {
      const ixion::abs_address_t endereco(folha, lugar.first, lugar.second);
      if (conteudo.tem_formula) {
        formulas.push_back({endereco, conteudo.formula});
        continue;
      }
      if (std::string motivo = MotivoConstante(conteudo.tipo, conteudo.dado); !motivo.empty()) {
        erro = "a pasta não é uma planilha XML legível (" + motivo + " na " +
               LugarCelula(lugar.first, lugar.second, dados.contexto.get_sheet_name(folha)) + ")";
        return false;
      }
      if (conteudo.tipo == "Boolean")
        dados.contexto.set_boolean_cell(endereco, conteudo.dado == "1");
      else
        dados.erros[endereco] = conteudo.dado;
    }
  return true;
}

void DefineFormulas(DadosPasta& dados, const ixion::formula_name_resolver& resolvedor,
                    const std::vector<FormulaLida>& formulas) {
  ixion::abs_range_set_t todas;
  for (const auto& [endereco, constante] : dados.erros) {
    dados.contexto.set_formula_cell(endereco, ixion::create_formula_error_tokens(dados.contexto, constante, constante));
    ixion::register_formula_cell(dados.contexto, endereco);
    todas.insert(endereco);
  }
  for (const FormulaLida& lida : formulas) {
    FormulaPasta& formula = dados.formulas[lida.endereco];
    formula.texto = lida.texto;
    formula.erro = MotivoNotacao(lida.texto);
    ixion::formula_tokens_t fichas;
    if (!formula.erro.empty()) {
      fichas = ixion::create_formula_error_tokens(dados.contexto, lida.texto, "");
    } else {
      try {
        fichas = ixion::parse_formula_string(dados.contexto, lida.endereco, resolvedor, SemIgual(lida.texto));
      } catch (const std::exception& e) {
        formula.erro = MotivoFormula(e);
        fichas = ixion::create_formula_error_tokens(dados.contexto, lida.texto, e.what());
      }
    }
    dados.contexto.set_formula_cell(lida.endereco, std::move(fichas));
    try {
      ixion::register_formula_cell(dados.contexto, lida.endereco);
    } catch (const std::exception& e) {
      // ixion follows no whole row or column a formula reads (SUM(C2), or a name over one): the
      // formula is kept and says so, rather than the whole workbook refused.
      formula.erro = std::string(e.what()).find("unset column or row") != std::string::npos
                         ? "o motor embutido não calcula fórmulas sobre linhas ou colunas inteiras"
                         : MotivoFormula(e);
      dados.contexto.set_formula_cell(lida.endereco,
                                      ixion::create_formula_error_tokens(dados.contexto, lida.texto, e.what()));
      ixion::register_formula_cell(dados.contexto, lida.endereco);
    }
    todas.insert(lida.endereco);
  }
  CalculaFormulas(dados, ixion::query_and_sort_dirty_cells(dados.contexto, {}, &todas));
}

// orcus prints a parse error on the standard error too, in English and before throwing it: the
// person gets its reason in our message instead, and the terminal stays clean.
class ErroPadraoCalado {
 public:
  ErroPadraoCalado() : anterior_(std::cerr.rdbuf(descarte_.rdbuf())) {}
  ~ErroPadraoCalado() { std::cerr.rdbuf(anterior_); }
  ErroPadraoCalado(const ErroPadraoCalado&) = delete;
  ErroPadraoCalado& operator=(const ErroPadraoCalado&) = delete;

 private:
  std::ostringstream descarte_;
  std::streambuf* anterior_;
};

}  // namespace

bool LePastaXml(std::string_view xml, const FormatoPasta& formato, DadosPasta& dados, std::string& erro) {
  // orcus takes a text that stops short (a file cut by a full disk or a copy) without a word, and
  // the workbook it then holds lacks what came after: saved, the file would lose it for good.
  std::string motivo;
  if (!XmlBemFormado(xml, motivo)) {
    erro = "a pasta não é uma planilha XML legível (" + motivo + ")";
    return false;
  }
  try {
    PastaImportada pasta(dados);
    orcus::orcus_xls_xml leitor(&pasta);
    {
      ErroPadraoCalado calado;
      leitor.read_stream(xml);
    }
    if (!CompletaCelulas(formato, dados, pasta.formulas, erro)) return false;
    const auto resolvedor =
        ixion::formula_name_resolver::get(ixion::formula_name_resolver_t::excel_r1c1, &dados.contexto);
    DefineNomes(dados, *resolvedor);
    DefineFormulas(dados, *resolvedor, pasta.formulas);
  } catch (const std::exception& e) {
    erro = "a pasta não é uma planilha XML legível (" + compat::utf8_to_cp1252(e.what()) + ")";
    return false;
  }
  if (dados.contexto.get_sheet_count() == 0) {
    erro = "a pasta não tem nenhuma planilha";
    return false;
  }
  return true;
}

}  // namespace tarnel
