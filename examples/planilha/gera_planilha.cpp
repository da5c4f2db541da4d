// gera_planilha FONTE SAIDA: writes the workbook described by FONTE (PlanilhaECF.txt) as SpreadsheetML
// 2003 XML, the format Excel, LibreOffice and the embedded engine (orcus) all read. The file keeps the
// ".xls" name Tarnel opens; the applications recognise the XML by its content.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "compat/xml_text.h"
#include "fonte_planilha.h"

namespace {

std::string Escapa(const std::string& s) { return compat::xml_escaped(s); }

void EscreveCelula(std::ostream& s, int coluna, const planilha::Celula& c) {
  using Tipo = planilha::Celula::Tipo;
  s << "    <Cell ss:Index=\"" << coluna << "\"";
  if (c.tipo == Tipo::kFormula) {
    s << " ss:Formula=\"" << Escapa(c.conteudo) << "\"/>\n";
    return;
  }
  s << "><Data ss:Type=\"" << (c.tipo == Tipo::kNumero ? "Number" : "String") << "\">" << Escapa(c.conteudo)
    << "</Data></Cell>\n";
}

void EscrevePasta(std::ostream& s, const planilha::Pasta& pasta) {
  s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
       "<?mso-application progid=\"Excel.Sheet\"?>\n"
       "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\n"
       " xmlns:o=\"urn:schemas-microsoft-com:office:office\"\n"
       " xmlns:x=\"urn:schemas-microsoft-com:office:excel\"\n"
       " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\n"
       " <Names>\n";
  for (const auto& n : pasta.nomes)
    s << "  <NamedRange ss:Name=\"" << Escapa(n.nome) << "\" ss:RefersTo=\"" << Escapa(n.referencia) << "\"/>\n";
  s << " </Names>\n";
  for (const auto& folha : pasta.folhas) {
    s << " <Worksheet ss:Name=\"" << Escapa(folha.nome) << "\">\n  <Table>\n";
    for (const auto& [linha, celulas] : folha.linhas) {
      s << "   <Row ss:Index=\"" << linha << "\">\n";
      for (const auto& [coluna, celula] : celulas) EscreveCelula(s, coluna, celula);
      s << "   </Row>\n";
    }
    s << "  </Table>\n </Worksheet>\n";
  }
  s << "</Workbook>\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "uso: gera_planilha FONTE SAIDA\n";
    return 2;
  }
  std::ifstream entrada(argv[1], std::ios::binary);
  if (!entrada) {
    std::cerr << argv[1] << ": não foi possível ler\n";
    return 1;
  }
  std::ostringstream texto;
  texto << entrada.rdbuf();
  planilha::Pasta pasta;
  std::string erro;
  if (!planilha::LeFonte(texto.str(), pasta, erro)) {
    std::cerr << argv[1] << ": " << erro << "\n";
    return 1;
  }
  // Written beside the target and renamed over it, so a failed run never leaves half a workbook.
  const std::string temporario = std::string(argv[2]) + ".tmp";
  {
    std::ofstream saida(temporario, std::ios::binary | std::ios::trunc);
    EscrevePasta(saida, pasta);
    if (!saida.flush()) {
      std::cerr << temporario << ": não foi possível gravar\n";
      return 1;
    }
  }
  if (std::rename(temporario.c_str(), argv[2]) != 0) {
    std::cerr << argv[2] << ": não foi possível gravar\n";
    std::remove(temporario.c_str());
    return 1;
  }
  return 0;
}
