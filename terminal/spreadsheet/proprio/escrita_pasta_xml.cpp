// Writing the workbook back in SpreadsheetML 2003: sheet names, defined names, every label and
// number, and every formula exactly as it was read, with its result computed now beside it so that
// a reader that does not compute still sees the figures. The same text as the other engine writes.
#include <charconv>
#include <string>

#include "compat/xml_text.h"
#include "spreadsheet/proprio/dados_pasta.h"

namespace tarnel {
namespace {

void Escapa(std::string& saida, std::string_view texto) { compat::append_xml_escaped(saida, texto); }

std::string Numero(double valor) {
  char texto[64];
  return std::string(texto, std::to_chars(texto, texto + sizeof texto, valor).ptr);
}

void Dado(std::string& saida, const char* tipo, std::string_view conteudo) {
  saida += "<Data ss:Type=\"";
  saida += tipo;
  saida += "\">";
  Escapa(saida, conteudo);
  saida += "</Data>";
}

// A value as a Data element; nothing for an empty cell or an error. A formula's logical result is
// written as the number it counts as.
void DadoValor(std::string& saida, const Valor& valor, bool de_formula) {
  switch (valor.tipo) {
    case Valor::Tipo::Texto: Dado(saida, "String", valor.texto); break;
    case Valor::Tipo::Numero: Dado(saida, "Number", Numero(valor.numero)); break;
    case Valor::Tipo::Logico:
      if (de_formula) Dado(saida, "Number", Numero(valor.numero));
      else Dado(saida, "Boolean", valor.numero != 0 ? "1" : "0");
      break;
    default: break;
  }
}

void EscreveFolha(std::string& saida, DadosPasta& dados, int folha) {
  saida += " <Worksheet ss:Name=\"";
  Escapa(saida, dados.folhas[folha].nome);
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
      Escapa(saida, dados.formulas[celula.formula].texto);
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
  std::string saida =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<?mso-application progid=\"Excel.Sheet\"?>\n"
      "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\n"
      " xmlns:o=\"urn:schemas-microsoft-com:office:office\"\n"
      " xmlns:x=\"urn:schemas-microsoft-com:office:excel\"\n"
      " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"\n"
      " xmlns:html=\"http://www.w3.org/TR/REC-html40\">\n";
  if (!dados.nomes.empty()) {
    saida += " <Names>\n";
    for (const NomeDefinido& nome : dados.nomes) {
      saida += "  <NamedRange ss:Name=\"";
      Escapa(saida, nome.nome);
      saida += "\" ss:RefersTo=\"=";
      Escapa(saida, nome.referencia);
      saida += "\"/>\n";
    }
    saida += " </Names>\n";
  }
  for (int folha = 0; folha < static_cast<int>(dados.folhas.size()); ++folha) EscreveFolha(saida, dados, folha);
  saida += "</Workbook>\n";
  return saida;
}

}  // namespace tarnel
