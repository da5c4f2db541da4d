#include "spreadsheet/embutido/formato_pasta_xml.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "spreadsheet/embutido/leitor_xml.h"
#include "spreadsheet/embutido/texto_pasta_xml.h"

namespace tarnel {
namespace {

// The names after the prefix of the attributes the workbook's start always writes (xmlns,
// xmlns:o...): a reader tells attributes apart by that name, so no other may have one of them.
constexpr std::string_view kPrefixosEscritos[] = {"xmlns", "o", "x", "ss", "html"};

// A namespace declaration of the root to carry over: one of a prefix that is not always declared.
bool DeclaracaoAMais(std::string_view atributo, std::string_view local) {
  return atributo.rfind("xmlns:", 0) == 0 &&
         std::find(std::begin(kPrefixosEscritos), std::end(kPrefixosEscritos), local) == std::end(kPrefixosEscritos);
}

// A whole number the attribute holds, or -1.
int Numero(const std::string& texto) {
  int numero = -1;
  const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), numero);
  return erro == std::errc() && fim == texto.data() + texto.size() && numero >= 0 ? numero : -1;
}

class LeitorFormato {
 public:
  LeitorFormato(std::string_view xml, FormatoPasta& formato) : texto_(xml), xml_(xml), formato_(formato) {}

  bool Le() {
    EventoXml evento;
    if (!Filho(evento) || evento.tipo != EventoXml::Tipo::Abre || evento.nome != "Workbook") return false;
    for (std::size_t k = 0; k < evento.atributos.size(); ++k)
      if (DeclaracaoAMais(evento.atributos_brutos[k], evento.atributos[k].first))
        (formato_.declaracoes += ' ') += evento.atributos_brutos[k];
    std::string* outros = &formato_.antes_nomes;
    while (Filho(evento)) {
      if (evento.tipo == EventoXml::Tipo::Fecha) return true;
      if (evento.nome == "Worksheet") {
        if (!Folha(evento)) return false;
        outros = &formato_.depois_folhas;
      } else if (evento.nome == "Names") {
        if (!Nomes()) return false;
        if (outros == &formato_.antes_nomes) outros = &formato_.depois_nomes;
      } else if (!Guarda(outros, " ")) {
        return false;
      }
    }
    return false;
  }

 private:
  // The next element opened, or the end of the one open; text between elements is passed over.
  bool Filho(EventoXml& evento) {
    do {
      if (!xml_.Proximo(evento) || evento.tipo == EventoXml::Tipo::Fim) return false;
    } while (evento.tipo == EventoXml::Tipo::Texto);
    return true;
  }

  // Passes over the rest of the element just opened; with a destino, adds it there as the file
  // spelled it, between recuo and fim.
  bool Guarda(std::string* destino, std::string_view recuo, std::string_view fim = "\n") {
    const std::size_t inicio = xml_.InicioEvento();
    EventoXml evento;
    for (int abertos = 1; abertos > 0;) {
      if (!xml_.Proximo(evento) || evento.tipo == EventoXml::Tipo::Fim) return false;
      if (evento.tipo == EventoXml::Tipo::Abre) ++abertos;
      if (evento.tipo == EventoXml::Tipo::Fecha) --abertos;
    }
    if (destino != nullptr) ((*destino += recuo) += texto_.substr(inicio, xml_.FimEvento() - inicio)) += fim;
    return true;
  }

  // The element's attributes as the file spelled them, but those named (without their prefix).
  static std::string Atributos(const EventoXml& evento, std::initializer_list<std::string_view> exceto) {
    std::string atributos;
    for (std::size_t k = 0; k < evento.atributos.size(); ++k)
      if (std::find(exceto.begin(), exceto.end(), evento.atributos[k].first) == exceto.end())
        (atributos += ' ') += evento.atributos_brutos[k];
    return atributos;
  }

  // The place ss:Index gives (from 1), else the one after anterior; false out of the sheet.
  static bool Indice(const EventoXml& evento, int anterior, int limite, int& indice) {
    const std::string* texto = evento.Atributo("Index");
    indice = texto == nullptr ? anterior + 1 : Numero(*texto) - 1;
    return indice >= 0 && indice < limite;
  }

  bool Nomes() {
    EventoXml evento;
    while (Filho(evento)) {
      if (evento.tipo == EventoXml::Tipo::Fecha) return true;
      const std::string* nome = evento.Atributo("Name");
      std::string atributos = Atributos(evento, {"Name", "RefersTo"});
      if (evento.nome == "NamedRange" && nome != nullptr && !atributos.empty())
        formato_.atributos_nomes[*nome] = std::move(atributos);
      if (!Guarda(nullptr, {})) return false;
    }
    return false;
  }

  bool Folha(const EventoXml& abre) {
    FormatoFolha& folha = formato_.folhas.emplace_back();
    folha.atributos = Atributos(abre, {"Name"});
    bool depois = false;
    int linha = -1;  // rows are counted on across a second table, as the engines read one
    EventoXml evento;
    while (Filho(evento)) {
      if (evento.tipo == EventoXml::Tipo::Fecha) return true;
      if (evento.nome == "Table") {
        if (!depois) folha.atributos_tabela = Atributos(evento, {"ExpandedColumnCount", "ExpandedRowCount"});
        if (!Tabela(folha, linha)) return false;
        depois = true;
      } else if (!Guarda(depois ? &folha.depois_tabela : &folha.antes_tabela, "  ")) {
        return false;
      }
    }
    return false;
  }

  bool Tabela(FormatoFolha& folha, int& linha) {
    EventoXml evento;
    while (Filho(evento)) {
      if (evento.tipo == EventoXml::Tipo::Fecha) return true;
      if (evento.nome == "Row") {
        if (!Linha(evento, folha, linha)) return false;
      } else if (!Guarda(evento.nome == "Column" ? &folha.colunas : nullptr, "   ")) {
        return false;
      }
    }
    return false;
  }

  bool Linha(const EventoXml& abre, FormatoFolha& folha, int& linha) {
    if (!Indice(abre, linha, kLinhasFolha, linha)) return false;
    FormatoLinha formato{Atributos(abre, {"Index", "Span"}), 0};
    if (const std::string* repeticoes = abre.Atributo("Span"))
      formato.repeticoes = std::clamp(Numero(*repeticoes), 0, kLinhasFolha - 1 - linha);
    // A span of rows without attributes gives them no look of their own.
    if (!formato.atributos.empty()) folha.linhas[linha] = std::move(formato);
    int coluna = -1;
    EventoXml evento;
    while (Filho(evento)) {
      if (evento.tipo == EventoXml::Tipo::Fecha) return true;
      if (evento.nome == "Cell") {
        if (!Celula(evento, folha, linha, coluna)) return false;
      } else if (!Guarda(nullptr, {})) {
        return false;
      }
    }
    return false;
  }

  // The text inside the element just opened, up to its end.
  bool Texto(std::string& texto) {
    EventoXml evento;
    for (int abertos = 1; abertos > 0;) {
      if (!xml_.Proximo(evento) || evento.tipo == EventoXml::Tipo::Fim) return false;
      if (evento.tipo == EventoXml::Tipo::Abre) ++abertos;
      if (evento.tipo == EventoXml::Tipo::Fecha) --abertos;
      if (evento.tipo == EventoXml::Tipo::Texto) texto += evento.texto;
    }
    return true;
  }

  bool Celula(const EventoXml& abre, FormatoFolha& folha, int linha, int& coluna) {
    if (!Indice(abre, coluna, kColunasFolha, coluna)) return false;
    FormatoCelula formato{Atributos(abre, {"Index", "Formula", "MergeAcross"}), 0, {}};
    if (const std::string* mescla = abre.Atributo("MergeAcross"))
      formato.mescla_colunas = std::clamp(Numero(*mescla), 0, kColunasFolha - 1 - coluna);
    const std::string* formula = abre.Atributo("Formula");
    ConteudoCelula conteudo;
    if (formula != nullptr && (formula->empty() || formula->front() != '=')) {
      conteudo.tem_formula = true;
      conteudo.formula = *formula;
    }
    EventoXml evento;
    while (Filho(evento)) {
      if (evento.tipo == EventoXml::Tipo::Fecha) {
        const int mescla = formato.mescla_colunas;
        if (!formato.atributos.empty() || mescla > 0 || !formato.conteudo.empty())
          folha.celulas[{linha, coluna}] = std::move(formato);
        if (conteudo.tem_formula || !conteudo.tipo.empty()) folha.conteudos[{linha, coluna}] = std::move(conteudo);
        coluna += mescla;
        return true;
      }
      const std::string* tipo = evento.nome == "Data" ? evento.Atributo("Type") : nullptr;
      if (formula == nullptr && tipo != nullptr && (*tipo == "Boolean" || *tipo == "Error")) {
        conteudo.tipo = *tipo;
        conteudo.dado.clear();
        if (!Texto(conteudo.dado)) return false;
      } else if (!Guarda(evento.nome == "Data" ? nullptr : &formato.conteudo, {}, {})) {
        return false;
      }
    }
    return false;
  }

  std::string_view texto_;
  LeitorXml xml_;
  FormatoPasta& formato_;
};

}  // namespace

FormatoPasta LeFormatoPasta(std::string_view xml) {
  FormatoPasta formato;
  if (!LeitorFormato(xml, formato).Le()) return FormatoPasta();
  return formato;
}

}  // namespace tarnel
