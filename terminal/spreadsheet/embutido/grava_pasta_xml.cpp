#include "spreadsheet/embutido/grava_pasta_xml.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <set>

#include "spreadsheet/embutido/texto_pasta_xml.h"

namespace tarnel {
namespace {

const FormatoFolha kSemFormato;

void InicioPasta(std::string& saida, const std::vector<NomeGravado>& nomes, const FormatoPasta& formato) {
  saida +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<?mso-application progid=\"Excel.Sheet\"?>\n"
      "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\n"
      " xmlns:o=\"urn:schemas-microsoft-com:office:office\"\n"
      " xmlns:x=\"urn:schemas-microsoft-com:office:excel\"\n"
      " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"\n"
      " xmlns:html=\"http://www.w3.org/TR/REC-html40\"";
  saida += formato.declaracoes;
  saida += ">\n";
  saida += formato.antes_nomes;
  if (!nomes.empty()) {
    saida += " <Names>\n";
    for (const NomeGravado& nome : nomes) {
      saida += "  <NamedRange ss:Name=\"";
      EscapaXml(saida, nome.nome);
      saida += "\" ss:RefersTo=\"";
      ExpressaoXml(saida, nome.referencia);
      saida += "\"";
      if (auto atributos = formato.atributos_nomes.find(nome.nome); atributos != formato.atributos_nomes.end())
        saida += atributos->second;
      saida += "/>\n";
    }
    saida += " </Names>\n";
  }
  saida += formato.depois_nomes;
}

// A cell of a row: what the engine holds of it, how it looks, or both.
struct CelulaDaLinha {
  int coluna;
  const CelulaGravada* gravada;
  const FormatoCelula* formato;
};

void EscreveCelula(std::string& saida, const CelulaDaLinha& celula, int proxima, int seguinte) {
  saida += "    <Cell";
  if (celula.coluna != proxima) saida += " ss:Index=\"" + std::to_string(celula.coluna + 1) + "\"";
  const CelulaGravada* gravada = celula.gravada;
  if (gravada != nullptr && gravada->tem_formula) {
    saida += " ss:Formula=\"";
    EscapaXml(saida, gravada->formula);
    saida += "\"";
  }
  if (celula.formato != nullptr) {
    saida += celula.formato->atributos;
    // A merge stops short of a cell that now holds something of its own.
    const int mescla = std::min(celula.formato->mescla_colunas, seguinte - celula.coluna - 1);
    if (mescla > 0) saida += " ss:MergeAcross=\"" + std::to_string(mescla) + "\"";
  }
  saida += ">";
  if (gravada != nullptr && gravada->tipo != nullptr) DadoXml(saida, gravada->tipo, gravada->dado);
  if (celula.formato != nullptr) saida += celula.formato->conteudo;
  saida += "</Cell>\n";
}

// The cells of a row in column order: those the engine holds, from gravada on (which moves past
// them), each with its formatting if it has some, and those that only have formatting.
void CelulasDaLinha(int linha, std::vector<CelulaGravada>::const_iterator& gravada,
                    std::vector<CelulaGravada>::const_iterator fim, const FormatoFolha& formato,
                    std::vector<CelulaDaLinha>& celulas) {
  celulas.clear();
  auto formatada = formato.celulas.lower_bound({linha, 0});
  auto so_formatadas_ate = [&](int coluna) {
    for (; formatada != formato.celulas.end() && formatada->first.first == linha && formatada->first.second < coluna;
         ++formatada)
      celulas.push_back({formatada->first.second, nullptr, &formatada->second});
  };
  for (; gravada != fim && gravada->linha == linha; ++gravada) {
    so_formatadas_ate(gravada->coluna);
    const bool mesma = formatada != formato.celulas.end() && formatada->first == std::pair(linha, gravada->coluna);
    celulas.push_back({gravada->coluna, &*gravada, mesma ? &(formatada++)->second : nullptr});
  }
  so_formatadas_ate(INT_MAX);
}

// A row's start tag, or the whole of an empty row, looking as aparencia says down to row ate.
void EscreveLinha(std::string& saida, int linha, const FormatoLinha* aparencia, int ate, bool vazia = true) {
  saida += "   <Row ss:Index=\"" + std::to_string(linha + 1) + "\"";
  if (aparencia != nullptr) saida += aparencia->atributos;
  if (ate > linha) saida += " ss:Span=\"" + std::to_string(ate - linha) + "\"";
  saida += vazia ? "/>\n" : ">\n";
}

void EscreveFolha(std::string& saida, const FolhaGravada& folha, const FormatoFolha& formato) {
  saida += " <Worksheet ss:Name=\"";
  EscapaXml(saida, folha.nome);
  saida += "\"" + formato.atributos + ">\n" + formato.antes_tabela;
  saida += "  <Table" + formato.atributos_tabela + ">\n" + formato.colunas;
  std::set<int> linhas;
  for (const CelulaGravada& celula : folha.celulas) linhas.insert(celula.linha);
  for (const auto& [lugar, celula] : formato.celulas) linhas.insert(lugar.first);
  for (const auto& [linha, formato_linha] : formato.linhas) linhas.insert(linha);

  std::vector<CelulaGravada>::const_iterator gravada = folha.celulas.begin();
  std::vector<CelulaDaLinha> celulas;
  for (auto linha = linhas.begin(); linha != linhas.end(); ++linha) {
    CelulasDaLinha(*linha, gravada, folha.celulas.end(), formato, celulas);
    // A row inside the span of a formatted one looks like it, and so do the rows after it up to the
    // next one written: an empty row spans them, a row with cells is followed by one that does.
    const FormatoLinha* aparencia = nullptr;
    int ate = *linha;
    auto formato_linha = formato.linhas.upper_bound(*linha);
    if (formato_linha != formato.linhas.begin()) {
      --formato_linha;
      const int ultima = formato_linha->first + formato_linha->second.repeticoes;
      if (*linha <= ultima) {
        aparencia = &formato_linha->second;
        ate = std::min(ultima, std::next(linha) == linhas.end() ? INT_MAX : *std::next(linha) - 1);
      }
    }
    if (celulas.empty()) {
      EscreveLinha(saida, *linha, aparencia, ate);
      continue;
    }
    EscreveLinha(saida, *linha, aparencia, *linha, false);
    for (std::size_t k = 0; k < celulas.size(); ++k)
      EscreveCelula(saida, celulas[k], k == 0 ? 0 : celulas[k - 1].coluna + 1,
                    k + 1 < celulas.size() ? celulas[k + 1].coluna : INT_MAX);
    saida += "   </Row>\n";
    if (ate > *linha) EscreveLinha(saida, *linha + 1, aparencia, ate);
  }
  saida += "  </Table>\n" + formato.depois_tabela + " </Worksheet>\n";
}

}  // namespace

std::string GravaPastaXml(const std::vector<NomeGravado>& nomes, const std::vector<FolhaGravada>& folhas,
                          const FormatoPasta& formato) {
  const bool com_formato = formato.folhas.size() == folhas.size();
  std::string saida;
  InicioPasta(saida, nomes, com_formato ? formato : FormatoPasta());
  for (std::size_t folha = 0; folha < folhas.size(); ++folha)
    EscreveFolha(saida, folhas[folha], com_formato ? formato.folhas[folha] : kSemFormato);
  if (com_formato) saida += formato.depois_folhas;
  saida += "</Workbook>\n";
  return saida;
}

}  // namespace tarnel
