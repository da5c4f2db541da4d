#include "spreadsheet/embutido/pasta_embutida.h"

#include <ixion/cell.hpp>
#include <ixion/exceptions.hpp>
#include <ixion/formula.hpp>
#include <ixion/formula_name_resolver.hpp>
#include <ixion/formula_result.hpp>
#include <ixion/matrix.hpp>

#include <cmath>
#include <utility>

#include "compat/cp1252.h"
#include "quorbal/igual_sem_caixa.h"
#include "spreadsheet/embutido/celula_pasta.h"
#include "spreadsheet/embutido/conta_com_texto.h"
#include "spreadsheet/embutido/dados_pasta.h"
#include "spreadsheet/embutido/texto_pasta_xml.h"

namespace tarnel {
namespace {

const NomeDefinido* AchaNome(const DadosPasta& dados, const std::string& nome) {
  const std::string procurado = compat::cp1252_to_utf8(nome);
  for (const NomeDefinido& definido : dados.nomes)
    if (definido.faixa.valid() && quorbal::IgualSemCaixa(definido.nome, procurado)) return &definido;
  return nullptr;
}

int Colunas(const ixion::abs_range_t& faixa) { return faixa.last.column - faixa.first.column + 1; }
int Celulas(const ixion::abs_range_t& faixa) { return (faixa.last.row - faixa.first.row + 1) * Colunas(faixa); }

// Cell i of the name, counted row by row; false outside the range.
bool EnderecoCelula(const DadosPasta& dados, const std::string& nome, int i, ixion::abs_address_t& endereco) {
  const NomeDefinido* definido = AchaNome(dados, nome);
  if (definido == nullptr || i < 0 || i >= Celulas(definido->faixa)) return false;
  const ixion::abs_range_t& faixa = definido->faixa;
  endereco = ixion::abs_address_t(faixa.first.sheet, faixa.first.row + i / Colunas(faixa),
                                  faixa.first.column + i % Colunas(faixa));
  return true;
}

bool ResultadoFormula(const DadosPasta& dados, const ixion::abs_address_t& endereco, ValorPlanilha& valor,
                      std::string& erro) {
  auto falha = dados.formulas.find(endereco);
  if (falha != dados.formulas.end() && !falha->second.erro.empty()) {
    erro = NomeCelula(dados.contexto, endereco) + ": " + falha->second.erro;
    return false;
  }
  if (auto texto = dados.contas_com_texto.find(endereco); texto != dados.contas_com_texto.end()) {
    erro = NomeCelula(dados.contexto, endereco) + ": a conta usa o texto de " +
           NomeCelula(dados.contexto, texto->second) + ", que o motor embutido não converte em número";
    return false;
  }
  const ixion::formula_cell* celula = dados.contexto.get_formula_cell(endereco);
  ixion::formula_result resultado = celula->get_result_cache(ixion::formula_result_wait_policy_t::throw_exception);
  switch (resultado.get_type()) {
    case ixion::formula_result::result_type::value:
      valor = resultado.get_value();
      return true;
    case ixion::formula_result::result_type::string:
      valor = compat::utf8_to_cp1252(resultado.get_string());
      return true;
    case ixion::formula_result::result_type::error:
      erro = NomeCelula(dados.contexto, endereco) + ": a fórmula dá o erro " +
             std::string(ixion::get_formula_error_name(resultado.get_error()));
      return false;
    case ixion::formula_result::result_type::matrix:
      break;
  }
  erro = NomeCelula(dados.contexto, endereco) + ": a fórmula dá uma matriz, não um valor";
  return false;
}

}  // namespace

std::string MotivoFormula(const std::exception& e) {
  const std::string texto = e.what();
  const auto inicio = texto.find("(name=");
  if (dynamic_cast<const ixion::not_implemented_error*>(&e) != nullptr && inicio != std::string::npos) {
    const auto fim = texto.find(')', inicio);
    return "a função " + compat::utf8_to_cp1252(texto.substr(inicio + 6, fim - inicio - 6)) +
           " não é calculada pelo motor embutido";
  }
  return "o motor embutido não calcula a fórmula (" + compat::utf8_to_cp1252(texto) + ")";
}

void CalculaFormulas(DadosPasta& dados, const std::vector<ixion::abs_range_t>& ordenadas) {
  ixion::model_context& contexto = dados.contexto;
  for (const ixion::abs_range_t& celula : ordenadas) {
    try {
      ixion::calculate_sorted_cells(contexto, {celula}, 0);
    } catch (const std::exception& e) {
      FormulaPasta& formula = dados.formulas[celula.first];
      formula.erro = MotivoFormula(e);
      ixion::unregister_formula_cell(contexto, celula.first);
      contexto.set_formula_cell(celula.first, ixion::create_formula_error_tokens(contexto, formula.texto, e.what()));
      ixion::register_formula_cell(contexto, celula.first);
      ixion::calculate_sorted_cells(contexto, {celula}, 0);
    }
    dados.contas_com_texto.erase(celula.first);
    if (auto texto = ContaComTexto(dados, celula.first)) dados.contas_com_texto.emplace(celula.first, *texto);
  }
}

std::string NomeCelula(const ixion::model_context& contexto, const ixion::abs_address_t& endereco) {
  return compat::utf8_to_cp1252(contexto.get_sheet_name(endereco.sheet)) + "!" + LetrasColuna(endereco.column) +
         std::to_string(endereco.row + 1);
}

PastaEmbutida::PastaEmbutida(std::unique_ptr<DadosPasta> dados, FormatoPasta formato)
    : dados_(std::move(dados)), formato_(std::move(formato)) {}
PastaEmbutida::~PastaEmbutida() = default;

std::unique_ptr<PastaEmbutida> PastaEmbutida::CarregaUtf8(std::string_view xml, std::string& erro) {
  auto dados = std::make_unique<DadosPasta>();
  FormatoPasta formato = LeFormatoPasta(xml);
  if (!LePastaXml(xml, formato, *dados, erro)) return nullptr;
  return std::unique_ptr<PastaEmbutida>(new PastaEmbutida(std::move(dados), std::move(formato)));
}

int PastaEmbutida::TamanhoNome(const std::string& nome) const {
  const NomeDefinido* definido = AchaNome(*dados_, nome);
  return definido == nullptr ? -1 : Celulas(definido->faixa);
}

bool PastaEmbutida::LeCelula(const std::string& nome, int i, ValorPlanilha& valor, std::string& erro) {
  ixion::abs_address_t endereco;
  if (!EnderecoCelula(*dados_, nome, i, endereco)) return false;
  Recalcula();
  if (auto constante = dados_->erros.find(endereco); constante != dados_->erros.end()) {
    erro = NomeCelula(dados_->contexto, endereco) + ": " + MensagemErroConstante(constante->second);
    return false;
  }
  const ixion::model_context& contexto = dados_->contexto;
  switch (contexto.get_celltype(endereco)) {
    case ixion::celltype_t::string:
      valor = compat::utf8_to_cp1252(contexto.get_string_value(endereco));
      return true;
    case ixion::celltype_t::numeric:
      valor = contexto.get_numeric_value(endereco);
      return true;
    case ixion::celltype_t::boolean:
      valor = contexto.get_boolean_value(endereco);
      return true;
    case ixion::celltype_t::formula:
      return ResultadoFormula(*dados_, endereco, valor, erro);
    default:
      valor = std::string();
      return true;
  }
}

bool PastaEmbutida::EscreveCelula(const std::string& nome, int i, const ValorPlanilha& valor) {
  ixion::abs_address_t endereco;
  if (!EnderecoCelula(*dados_, nome, i, endereco)) return false;
  // No spreadsheet file can hold an infinite or undefined number.
  if (const auto* numero = std::get_if<double>(&valor); numero != nullptr && !std::isfinite(*numero)) return false;
  ixion::model_context& contexto = dados_->contexto;
  // A value written over a formula replaces it, as in any spreadsheet; so over an error constant and
  // the formula that stands in for it.
  if (dados_->formulas.erase(endereco) + dados_->erros.erase(endereco) > 0)
    ixion::unregister_formula_cell(contexto, endereco);
  dados_->contas_com_texto.erase(endereco);
  if (const auto* texto = std::get_if<std::string>(&valor)) {
    if (texto->empty())
      contexto.empty_cell(endereco);
    else
      contexto.set_string_cell(endereco, compat::cp1252_to_utf8(TextoGravavel(*texto)));
  } else if (const auto* numero = std::get_if<double>(&valor)) {
    contexto.set_numeric_cell(endereco, *numero);
  } else if (const auto* inteiro = std::get_if<std::int32_t>(&valor)) {
    contexto.set_numeric_cell(endereco, *inteiro);
  } else {
    contexto.set_boolean_cell(endereco, std::get<bool>(valor));
  }
  dados_->alteradas.insert(endereco);
  return true;
}

void PastaEmbutida::Recalcula() {
  if (dados_->alteradas.empty()) return;
  CalculaFormulas(*dados_, ixion::query_and_sort_dirty_cells(dados_->contexto, dados_->alteradas));
  dados_->alteradas.clear();
}

std::string PastaEmbutida::TextoXml() {
  Recalcula();
  return EscrevePastaXml(*dados_, formato_);
}

}  // namespace tarnel
