// Reading a SpreadsheetML 2003 workbook: sheets, their rows and cells (ss:Index skips ahead), the
// cells' data and formulas, and the workbook's defined names. Formulas and names are resolved once
// every sheet is known, as a formula may refer to a sheet further down the file. Elements the engine
// has no use for (styles, options, properties) are passed over with their content.
#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "compat/cp1252.h"
#include "spreadsheet/embutido/celula_pasta.h"
#include "spreadsheet/embutido/leitor_xml.h"
#include "spreadsheet/proprio/dados_pasta.h"

namespace tarnel {
namespace {

struct FormulaLida {
  Faixa origem;
  std::string texto;
};

class LeitorPasta {
 public:
  LeitorPasta(std::string_view xml, DadosPasta& dados) : xml_(xml), dados_(dados) {}

  bool Le(std::string& erro) {
    EventoXml evento;
    for (;;) {
      if (!xml_.Proximo(evento)) return Falha(xml_.Erro(), erro);
      if (evento.tipo == EventoXml::Tipo::Fim) break;
      if (!Evento(evento)) return Falha(motivo_, erro);
    }
    for (NomeDefinido& nome : dados_.nomes) nome.valido = LeReferencia(dados_, nome.referencia, Faixa{}, nome.faixa);
    for (const FormulaLida& lida : formulas_) {
      Celula& celula = dados_.folhas[lida.origem.folha].celulas[ChaveCelula(lida.origem.linha, lida.origem.coluna)];
      celula.valor = Valor();
      celula.formula = static_cast<int>(dados_.formulas.size());
      dados_.formulas.emplace_back();
      dados_.formulas.back().texto = lida.texto;
      CompilaFormula(dados_, lida.origem, dados_.formulas.back());
    }
    return true;
  }

 private:
  static bool Falha(const std::string& motivo, std::string& erro) {
    erro = "a pasta não é uma planilha XML legível (" + motivo + ")";
    return false;
  }
  // motivo in Windows-1252: pieces of the file go through Trecho.
  bool Recusa(std::string motivo) {
    motivo_ = std::move(motivo);
    return false;
  }
  std::string Lugar() const { return LugarCelula(linha_, coluna_, dados_.folhas.back().nome); }

  // An ss:Index (from 1) or the next place after the last one; false when it is out of the sheet.
  bool Indice(const EventoXml& evento, int anterior, int limite, int& indice, const char* o_que) {
    const std::string* texto = evento.Atributo("Index");
    if (texto == nullptr) {
      indice = anterior + 1;
    } else {
      int lido = 0;
      const auto [fim, erro] = std::from_chars(texto->data(), texto->data() + texto->size(), lido);
      if (erro != std::errc() || fim != texto->data() + texto->size() || lido < 1)
        return Recusa(std::string(o_que) + " com ss:Index inválido '" + Trecho(*texto) + "'");
      indice = lido - 1;
    }
    if (indice >= limite) return Recusa(std::string(o_que) + " além do fim da planilha");
    return true;
  }

  bool Evento(const EventoXml& evento) {
    const std::size_t nivel = caminho_.size();
    if (evento.tipo == EventoXml::Tipo::Texto) {
      if (em_dado_) texto_ += evento.texto;
      return true;
    }
    if (evento.tipo == EventoXml::Tipo::Fecha) {
      const bool dado = em_dado_ && Em({"Workbook", "Worksheet", "Table", "Row", "Cell", "Data"});
      const bool celula = Em({"Workbook", "Worksheet", "Table", "Row", "Cell"});
      caminho_.pop_back();
      if (dado) return FechaDado();
      if (celula) coluna_ += mescladas_;
      return true;
    }
    caminho_.push_back(evento.nome);
    if (nivel == 0) {
      return evento.nome == "Workbook" ? true : Recusa("o elemento principal é <" + Trecho(evento.nome) + ">, não <Workbook>");
    }
    if (Em({"Workbook", "Names", "NamedRange"})) return AbreNome(evento);
    if (Em({"Workbook", "Worksheet"})) return AbreFolha(evento);
    if (Em({"Workbook", "Worksheet", "Table", "Row"})) {
      coluna_ = -1;
      return Indice(evento, linha_, kLinhasFolha, linha_, "linha");
    }
    if (Em({"Workbook", "Worksheet", "Table", "Row", "Cell"})) return AbreCelula(evento);
    if (Em({"Workbook", "Worksheet", "Table", "Row", "Cell", "Data"})) {
      const std::string* tipo = evento.Atributo("Type");
      tipo_ = tipo != nullptr ? *tipo : std::string();
      texto_.clear();
      em_dado_ = true;
    }
    return true;
  }

  // Whether the open elements are exactly these.
  bool Em(std::initializer_list<std::string_view> caminho) const {
    return std::equal(caminho.begin(), caminho.end(), caminho_.begin(), caminho_.end());
  }

  bool AbreNome(const EventoXml& evento) {
    const std::string* nome = evento.Atributo("Name");
    const std::string* referencia = evento.Atributo("RefersTo");
    if (nome == nullptr || nome->empty() || referencia == nullptr) return Recusa("NamedRange sem ss:Name ou ss:RefersTo");
    dados_.nomes.push_back({*nome, std::string(SemIgual(*referencia)), false, Faixa{}});
    return true;
  }

  bool AbreFolha(const EventoXml& evento) {
    const std::string* nome = evento.Atributo("Name");
    if (nome == nullptr || nome->empty()) return Recusa("Worksheet sem ss:Name");
    if (AchaFolha(dados_, *nome) >= 0) return Recusa("duas planilhas chamadas '" + Trecho(*nome) + "'");
    dados_.folhas.push_back({*nome, {}});
    linha_ = -1;
    return true;
  }

  bool AbreCelula(const EventoXml& evento) {
    if (!Indice(evento, coluna_, kColunasFolha, coluna_, "célula")) return false;
    mescladas_ = 0;
    if (const std::string* mescla = evento.Atributo("MergeAcross")) {
      const auto [fim, erro] = std::from_chars(mescla->data(), mescla->data() + mescla->size(), mescladas_);
      if (erro != std::errc() || mescladas_ < 0 || mescladas_ >= kColunasFolha) return Recusa("ss:MergeAcross inválido");
    }
    if (const std::string* formula = evento.Atributo("Formula")) {
      const Faixa origem{static_cast<int>(dados_.folhas.size()) - 1, linha_, coluna_, linha_, coluna_};
      formulas_.push_back({origem, *formula});
    }
    return true;
  }

  bool FechaDado() {
    em_dado_ = false;
    Valor valor;
    if (tipo_ == "String") {
      valor = Valor::DeTexto(std::move(texto_));
    } else if (tipo_ == "Number") {
      double numero = 0;
      std::string_view t = texto_;
      while (!t.empty() && (t.front() == ' ' || t.front() == '\n' || t.front() == '\t')) t.remove_prefix(1);
      while (!t.empty() && (t.back() == ' ' || t.back() == '\n' || t.back() == '\t')) t.remove_suffix(1);
      const bool negativo = !t.empty() && t.front() == '-';
      if (negativo) t.remove_prefix(1);
      const auto [fim, erro] = std::from_chars(t.data(), t.data() + t.size(), numero);
      if (t.empty() || erro != std::errc() || fim != t.data() + t.size())
        return Recusa("número inválido '" + Trecho(texto_) + "' na " + Lugar());
      valor = Valor::DeNumero(negativo ? -numero : numero);
    } else if (tipo_ == "Boolean" || tipo_ == "Error") {
      if (std::string motivo = MotivoConstante(tipo_, texto_); !motivo.empty()) return Recusa(motivo + " na " + Lugar());
      if (tipo_ == "Boolean")
        valor = Valor::DeLogico(texto_ == "1");
      else
        valor = Valor::DeErro(static_cast<ErroCelula>(
            std::find(std::begin(kErrosCelula), std::end(kErrosCelula), texto_) - std::begin(kErrosCelula)));
    } else {
      return Recusa("tipo de dado '" + Trecho(tipo_) + "' não lido, na " + Lugar());
    }
    // A formula's cell keeps its formula; the value beside it is what was last computed.
    auto& celulas = dados_.folhas.back().celulas;
    celulas[ChaveCelula(linha_, coluna_)].valor = std::move(valor);
    return true;
  }

  LeitorXml xml_;
  DadosPasta& dados_;
  std::vector<std::string_view> caminho_;  // names of the open elements, the root first
  std::vector<FormulaLida> formulas_;
  int linha_ = -1, coluna_ = -1, mescladas_ = 0;
  bool em_dado_ = false;
  std::string tipo_, texto_;
  std::string motivo_;
};

}  // namespace

bool LePastaXml(std::string_view xml, DadosPasta& dados, std::string& erro) {
  LeitorPasta leitor(xml, dados);
  if (!leitor.Le(erro)) return false;
  if (dados.folhas.empty()) {
    erro = "a pasta não tem nenhuma planilha";
    return false;
  }
  return true;
}

}  // namespace tarnel
