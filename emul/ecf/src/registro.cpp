#include "ecf/registro.h"

#include <cctype>

#include "quorbal/carimbo.h"
#include "quorbal/itens.h"

namespace ecf {

namespace {

bool TerminaToken(char c) { return c == ' ' || c == '\t' || c == ';' || c == '}'; }

bool PrecisaAspas(const std::string& valor) {
  if (valor.empty() || valor.front() == '#') return true;
  for (char c : valor)
    if (TerminaToken(c) || c == '"' || c == '\\' || c == '\r' || c == '\n') return true;
  return false;
}

// A date or time travels between "#" only when its text can live there.
bool CabeEntreCerquilhas(const std::string& valor) {
  if (valor.empty()) return false;
  for (char c : valor)
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '/' && c != ':') return false;
  return true;
}

bool CaractereDeNome(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

class Leitor {
 public:
  explicit Leitor(const std::string& texto) : texto_(texto) {}

  bool Fim() const { return pos_ >= texto_.size(); }
  char Atual() const { return Fim() ? '\0' : texto_[pos_]; }
  bool Consome(char c) {
    if (Atual() != c || Fim()) return false;
    ++pos_;
    return true;
  }
  void PulaBrancos() {
    while (!Fim() && (texto_[pos_] == ' ' || texto_[pos_] == '\t')) ++pos_;
  }
  std::string LeAte(char fim) {
    std::string lido;
    while (!Fim() && texto_[pos_] != fim) lido += texto_[pos_++];
    return lido;
  }
  bool LeNome(std::string& nome) {
    nome.clear();
    while (!Fim() && CaractereDeNome(texto_[pos_])) nome += texto_[pos_++];
    return !nome.empty();
  }
  bool LeValor(Item& item) {
    item.valor.clear();
    item.tipo = 7;
    if (Consome('"')) {
      while (!Fim()) {
        char c = texto_[pos_++];
        if (c == '"') return true;
        if (c == '\\') {
          if (Fim()) return false;
          c = texto_[pos_++];
        }
        item.valor += c;
      }
      return false;  // unterminated text
    }
    if (Consome('#')) {
      item.valor = LeAte('#');
      if (!Consome('#')) return false;
      if (item.valor.find('/') != std::string::npos) item.tipo = 2;
      else if (item.valor.find(':') != std::string::npos) item.tipo = 3;
      return true;
    }
    while (!Fim() && !TerminaToken(texto_[pos_])) item.valor += texto_[pos_++];
    return true;
  }
  // Only line ends or blanks may follow the record.
  bool SoRestamFinsDeLinha() const {
    for (std::size_t i = pos_; i < texto_.size(); ++i)
      if (texto_[i] != '\r' && texto_[i] != '\n' && texto_[i] != ' ' && texto_[i] != '\t') return false;
    return true;
  }

 private:
  const std::string& texto_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string FormataItem(const Item& item) {
  std::string texto = item.nome + "=";
  if ((item.tipo == 2 || item.tipo == 3) && CabeEntreCerquilhas(item.valor)) return texto + "#" + item.valor + "#";
  return texto + (PrecisaAspas(item.valor) ? quorbal::EntreAspas(item.valor) : item.valor);
}

std::string FormataItens(const std::vector<Item>& itens) {
  std::string texto;
  for (const Item& item : itens) {
    if (!texto.empty()) texto += ' ';
    texto += FormataItem(item);
  }
  return texto;
}

bool LeRegistro(const std::string& texto, Registro& registro) {
  Leitor leitor(texto);
  if (!leitor.Consome('{') || !leitor.Consome('0') || !leitor.Consome(';')) return false;
  Registro lido;
  lido.cabeca = leitor.LeAte(';');
  if (!leitor.Consome(';')) return false;
  for (;;) {
    leitor.PulaBrancos();
    if (leitor.Consome(';')) break;
    Item item;
    if (!leitor.LeNome(item.nome) || !leitor.Consome('=') || !leitor.LeValor(item)) return false;
    lido.itens.push_back(std::move(item));
    char seguinte = leitor.Atual();
    if (seguinte != ' ' && seguinte != '\t' && seguinte != ';') return false;
  }
  if (!leitor.Consome('}') || !leitor.SoRestamFinsDeLinha()) return false;
  registro = std::move(lido);
  return true;
}

std::string ItensResposta(const Resposta& resposta) {
  return resposta.codigo_erro != 0 ? quorbal::ItensErro(resposta.nome_erro, resposta.circunstancia)
                                   : FormataItens(resposta.retornos);
}

std::string FormataResposta(const Resposta& resposta) {
  return quorbal::ComporRegistro(std::to_string(resposta.codigo_erro), ItensResposta(resposta));
}

}  // namespace ecf
