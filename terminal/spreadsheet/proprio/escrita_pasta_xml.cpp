// Writing the workbook back in SpreadsheetML 2003: sheet names, defined names, every label and
// number, and every formula exactly as it was read, with its result computed now beside it so that
// a reader that does not compute still sees the figures. The same text as the other engine writes.
#include <string>

#include "spreadsheet/embutido/texto_pasta_xml.h"
#include "spreadsheet/proprio/dados_pasta.h"

namespace tarnel {
namespace {

// A value as a Data element; nothing for an empty cell or an error. A formula's logical result is
// written as the number it counts as.
void DadoValor(std::string& saida, const Valor& valor, bool de_formula) {
  switch (valor.tipo) {
    case Valor::Tipo::Texto: DadoXml(saida, "String", valor.texto); break;
    case Valor::Tipo::Numero: DadoXml(saida, "Number", NumeroXml(valor.numero)); break;
    case Valor::Tipo::Logico:
      if (de_formula) DadoXml(saida, "Number", NumeroXml(valor.numero));
      else DadoXml(saida, "Boolean", valor.numero != 0 ? "1" : "0");
      break;
    default: break;
  }
}

void EscreveFolha(std::string& saida, DadosPasta& dados, int folha) {
  saida += " <Worksheet ss:Name=\"";
  EscapaXml(saida, dados.folhas[folha].nome);
  saida += "\">\n  <Table>\n";
  int linha_aberta = -1, proxima = 0;
  for (const auto& [chave, celula] : dados.folhas[folha].celulas) {
    const int linha = static_cast<int>(chave / kColunasFolha), coluna = static_cast<int>(chave % kColunasFolha);
    if (celula.formula < 0 && celula.valor.tipo == Valor::Tipo::Vazio) continue;
    if (linha != linha_aberta) {
      if (linha_aberta >= 0) saida += "   </Row>\n";
      saida += "   <Row ss:Index=\"" + std::to_string(linha + 1) + "\">\n";
      linha_aberta = linha;
      proxima = 0;
    }
    saida += "    <Cell";
    if (coluna != proxima) saida += " ss:Index=\"" + std::to_string(coluna + 1) + "\"";
    if (celula.formula >= 0) {
      saida += " ss:Formula=\"=";
      EscapaXml(saida, dados.formulas[celula.formula].texto);
      saida += "\">";
      DadoValor(saida, ValorCelula(dados, folha, linha, coluna), true);
    } else {
      saida += ">";
      DadoValor(saida, celula.valor, false);
    }
    saida += "</Cell>\n";
    proxima = coluna + 1;
  }
  if (linha_aberta >= 0) saida += "   </Row>\n";
  saida += "  </Table>\n </Worksheet>\n";
}

}  // namespace

std::string EscrevePastaXml(DadosPasta& dados) {
  std::string saida = InicioPastaXml(dados.nomes);
  for (int folha = 0; folha < static_cast<int>(dados.folhas.size()); ++folha) EscreveFolha(saida, dados, folha);
  saida += "</Workbook>\n";
  return saida;
}

}  // namespace tarnel
