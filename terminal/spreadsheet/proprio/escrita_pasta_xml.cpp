// Writing the workbook back: every label and number, and every formula exactly as it was read, with
// its result computed now beside it so that a reader that does not compute still sees the figures.
#include <string>

#include "spreadsheet/embutido/grava_pasta_xml.h"
#include "spreadsheet/embutido/texto_pasta_xml.h"
#include "spreadsheet/proprio/dados_pasta.h"

namespace tarnel {
namespace {

// A value as a Data element; none for an empty cell or a formula's error. A formula's logical result
// is written as the number it counts as.
void DadoValor(CelulaGravada& celula, const Valor& valor, bool de_formula) {
  switch (valor.tipo) {
    case Valor::Tipo::Texto:
      celula.tipo = "String";
      celula.dado = valor.texto;
      break;
    case Valor::Tipo::Numero:
      celula.tipo = "Number";
      celula.dado = NumeroXml(valor.numero);
      break;
    case Valor::Tipo::Logico:
      celula.tipo = de_formula ? "Number" : "Boolean";
      celula.dado = de_formula ? NumeroXml(valor.numero) : valor.numero != 0 ? "1" : "0";
      break;
    case Valor::Tipo::Erro:
      if (!de_formula) {
        celula.tipo = "Error";
        celula.dado = NomeErro(valor.erro);
      }
      break;
    default:
      break;
  }
}

FolhaGravada ParaGravar(DadosPasta& dados, int folha) {
  FolhaGravada gravada{dados.folhas[folha].nome, {}};
  for (const auto& [chave, celula] : dados.folhas[folha].celulas) {
    if (celula.formula < 0 && celula.valor.tipo == Valor::Tipo::Vazio) continue;
    CelulaGravada& escrita = gravada.celulas.emplace_back();
    escrita.linha = static_cast<int>(chave / kColunasFolha);
    escrita.coluna = static_cast<int>(chave % kColunasFolha);
    if (celula.formula >= 0) {
      escrita.tem_formula = true;
      escrita.formula = dados.formulas[celula.formula].texto;
      DadoValor(escrita, ValorCelula(dados, folha, escrita.linha, escrita.coluna), true);
    } else {
      DadoValor(escrita, celula.valor, false);
    }
  }
  return gravada;
}

}  // namespace

std::string EscrevePastaXml(DadosPasta& dados, const FormatoPasta& formato) {
  std::vector<NomeGravado> nomes;
  for (const NomeDefinido& nome : dados.nomes) nomes.push_back({nome.nome, nome.referencia});
  std::vector<FolhaGravada> folhas;
  for (int folha = 0; folha < static_cast<int>(dados.folhas.size()); ++folha) folhas.push_back(ParaGravar(dados, folha));
  return GravaPastaXml(nomes, folhas, formato);
}

}  // namespace tarnel
