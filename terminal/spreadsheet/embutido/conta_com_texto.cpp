#include "spreadsheet/embutido/conta_com_texto.h"

#include <ixion/cell.hpp>
#include <ixion/formula_tokens.hpp>

#include <cstddef>
#include <vector>

#include "spreadsheet/embutido/dados_pasta.h"

namespace tarnel {
namespace {

bool Aritmetica(ixion::fopcode_t op) {
  return op == ixion::fop_plus || op == ixion::fop_minus || op == ixion::fop_multiply ||
         op == ixion::fop_divide || op == ixion::fop_exponent;
}

// A text typed or written into a cell. A formula's text result needs no look: ixion gives #VALUE!
// when one is added or multiplied.
bool TemTexto(const ixion::model_context& contexto, const ixion::abs_address_t& endereco) {
  return contexto.get_celltype(endereco) == ixion::celltype_t::string;
}

// For every parenthesis, whether it is a function's (SUM(...)) rather than one that groups a part of
// the formula: an operand inside a function's parentheses is the function's argument, not the
// neighbouring operator's.
std::vector<bool> ParentesesDeFuncao(const ixion::formula_tokens_t& fichas) {
  std::vector<bool> de_funcao(fichas.size(), false);
  std::vector<std::size_t> abertos;
  for (std::size_t i = 0; i < fichas.size(); ++i) {
    const ixion::fopcode_t op = fichas[i]->get_opcode();
    if (op == ixion::fop_open) {
      de_funcao[i] = i > 0 && fichas[i - 1]->get_opcode() == ixion::fop_function;
      abertos.push_back(i);
    } else if (op == ixion::fop_close && !abertos.empty()) {
      de_funcao[i] = de_funcao[abertos.back()];
      abertos.pop_back();
    }
  }
  return de_funcao;
}

// Whether the operand at i is added, subtracted, multiplied, divided or raised: an arithmetic
// operator next to it, past the parentheses that only group it.
bool OperandoDeConta(const ixion::formula_tokens_t& fichas, const std::vector<bool>& de_funcao, std::size_t i) {
  std::size_t antes = i;
  while (antes > 0 && fichas[antes - 1]->get_opcode() == ixion::fop_open && !de_funcao[antes - 1]) --antes;
  if (antes > 0 && Aritmetica(fichas[antes - 1]->get_opcode())) return true;
  std::size_t depois = i + 1;
  while (depois < fichas.size() && fichas[depois]->get_opcode() == ixion::fop_close && !de_funcao[depois]) ++depois;
  return depois < fichas.size() && Aritmetica(fichas[depois]->get_opcode());
}

std::optional<ixion::abs_address_t> MarcaEm(const DadosPasta& dados, const ixion::abs_range_t& faixa) {
  for (const auto& [formula, texto] : dados.contas_com_texto)
    if (faixa.contains(formula)) return texto;
  return std::nullopt;
}

std::optional<ixion::abs_address_t> NasFichas(const DadosPasta& dados, const ixion::formula_tokens_t& fichas,
                                              const ixion::abs_address_t& origem, int profundidade) {
  // Which parentheses are functions' is worked out only once a text is met, which is seldom: this
  // runs for every formula computed.
  std::vector<bool> de_funcao;
  const auto operando_de_conta = [&](std::size_t i) {
    if (de_funcao.empty()) de_funcao = ParentesesDeFuncao(fichas);
    return OperandoDeConta(fichas, de_funcao, i);
  };
  for (std::size_t i = 0; i < fichas.size(); ++i) {
    switch (fichas[i]->get_opcode()) {
      case ixion::fop_single_ref: {
        const ixion::abs_address_t celula = fichas[i]->get_single_ref().to_abs(origem);
        if (auto marca = MarcaEm(dados, ixion::abs_range_t(celula))) return marca;
        if (TemTexto(dados.contexto, celula) && operando_de_conta(i)) return celula;
        break;
      }
      case ixion::fop_range_ref:
        if (auto marca = MarcaEm(dados, fichas[i]->get_range_ref().to_abs(origem))) return marca;
        break;
      case ixion::fop_named_expression: {
        // A workbook name in the formula stands for its reference; a name defined by another name
        // is followed only so deep, which no workbook of ours needs.
        const ixion::named_expression_t* nome =
            dados.contexto.get_named_expression(origem.sheet, fichas[i]->get_name());
        if (nome == nullptr || profundidade > 4) break;
        if (nome->tokens.size() == 1 && nome->tokens[0]->get_opcode() == ixion::fop_single_ref) {
          const ixion::abs_address_t celula = nome->tokens[0]->get_single_ref().to_abs(nome->origin);
          if (TemTexto(dados.contexto, celula) && operando_de_conta(i)) return celula;
        }
        if (auto marca = NasFichas(dados, nome->tokens, nome->origin, profundidade + 1)) return marca;
        break;
      }
      default:
        break;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<ixion::abs_address_t> ContaComTexto(const DadosPasta& dados, const ixion::abs_address_t& endereco) {
  const ixion::formula_cell* celula = dados.contexto.get_formula_cell(endereco);
  if (celula == nullptr) return std::nullopt;
  return NasFichas(dados, celula->get_tokens()->get(), endereco, 0);
}

}  // namespace tarnel
