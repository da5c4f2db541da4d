#include "quorbal/registro.h"

namespace quorbal {

namespace {

bool EhBranco(char c) { return c == ' ' || c == '\t'; }
bool TerminaToken(char c) { return EhBranco(c) || c == ';' || c == '}'; }
bool EhAlgarismo(char c) { return c >= '0' && c <= '9'; }

bool PrecisaAspas(const std::string& valor) {
  if (valor.empty() || valor.front() == '#') return true;
  for (char c : valor)
    if (TerminaToken(c) || c == '"' || c == '\\' || c == '\r' || c == '\n') return true;
  return false;
}

// What may stand between "#": the composer puts a date or time there only when this holds, and the
// reader accepts nothing else, so every composed value reads back.
bool CabeEntreCerquilhas(std::string_view valor) {
  if (valor.empty()) return false;
  for (char c : valor)
    if (!EhAlgarismo(c) && c != '/' && c != ':') return false;
  return true;
}

class Leitor {
 public:
  explicit Leitor(std::string_view texto) : texto_(texto) {}

  const ErroLeitura& Erro() const { return erro_; }

  bool Fim() const { return pos_ >= texto_.size(); }
  bool Em(char c) const { return !Fim() && texto_[pos_] == c; }
  bool Consome(char c) {
    if (!Em(c)) return false;
    ++pos_;
    return true;
  }
  void PulaBrancos() {
    while (!Fim() && EhBranco(texto_[pos_])) ++pos_;
  }
  bool Falha(FalhaLeitura falha, std::size_t posicao) {
    erro_ = {posicao, falha};
    return false;
  }
  bool Falha(FalhaLeitura falha) { return Falha(falha, pos_); }

  bool LeAbertura() {
    for (char c : {'{', '0', ';'})
      if (!Consome(c)) return Falha(FalhaLeitura::kSemAbertura);
    return true;
  }

  // Everything up to the next ";", which is consumed.
  bool LeCabeca(std::string& cabeca) {
    const std::size_t fim = texto_.find(';', pos_);
    if (fim == std::string_view::npos) return Falha(FalhaLeitura::kFaltaPontoEVirgula, texto_.size());
    cabeca.assign(texto_.substr(pos_, fim - pos_));
    pos_ = fim + 1;
    return true;
  }

  // Items up to the ";" that closes them in a record (consumed), or up to the end of the text.
  bool LeItens(bool em_registro, std::vector<Item>& itens) {
    for (;;) {
      PulaBrancos();
      if (Fim()) return em_registro ? Falha(FalhaLeitura::kFaltaPontoEVirgula) : true;
      if (em_registro && Consome(';')) return true;
      Item item;
      if (!LeItem(item)) return false;
      itens.push_back(std::move(item));
      if (Fim() || EhBranco(texto_[pos_]) || (em_registro && Em(';'))) continue;
      return Falha(FalhaLeitura::kFaltaSeparador);
    }
  }

  // After the record only blanks and line ends.
  bool LeFecho() {
    if (!Consome('}')) return Falha(FalhaLeitura::kFaltaFecho);
    for (; !Fim(); ++pos_) {
      const char c = texto_[pos_];
      if (!EhBranco(c) && c != '\r' && c != '\n') return Falha(FalhaLeitura::kTextoAposRegistro);
    }
    return true;
  }

 private:
  bool LeItem(Item& item) {
    const std::size_t inicio = pos_;
    while (!Fim() && CaractereDeNome(texto_[pos_])) ++pos_;
    if (pos_ == inicio) return Falha(FalhaLeitura::kNomeVazio);
    item.nome.assign(texto_.substr(inicio, pos_ - inicio));
    if (!Consome('=')) return Falha(FalhaLeitura::kFaltaIgual);
    if (Em('"')) return LeEntreAspas(item);
    if (Em('#')) return LeEntreCerquilhas(item);
    const std::size_t valor = pos_;
    while (!Fim() && !TerminaToken(texto_[pos_])) ++pos_;
    item.valor.assign(texto_.substr(valor, pos_ - valor));
    item.tipo = kString;
    return true;
  }

  bool LeEntreAspas(Item& item) {
    const std::size_t abertura = pos_++;
    item.valor.clear();
    item.tipo = kString;
    while (!Fim()) {
      char c = texto_[pos_++];
      if (c == '"') return true;
      if (c == '\\') {
        if (Fim()) return Falha(FalhaLeitura::kBarraNoFim, pos_ - 1);
        c = CaractereEscapado(texto_[pos_++]);
      }
      item.valor += c;
    }
    return Falha(FalhaLeitura::kAspasAbertas, abertura);
  }

  bool LeEntreCerquilhas(Item& item) {
    const std::size_t abertura = pos_++;
    const std::size_t fecho = texto_.find('#', pos_);
    if (fecho == std::string_view::npos) return Falha(FalhaLeitura::kCerquilhaAberta, abertura);
    const std::string_view valor = texto_.substr(pos_, fecho - pos_);
    if (!CabeEntreCerquilhas(valor)) return Falha(FalhaLeitura::kDataHoraInvalida, abertura);
    item.valor.assign(valor);
    item.tipo = valor.find('/') != std::string_view::npos   ? kData
                : valor.find(':') != std::string_view::npos ? kHora
                                                            : kString;
    pos_ = fecho + 1;
    return true;
  }

  std::string_view texto_;
  std::size_t pos_ = 0;
  ErroLeitura erro_;
};

}  // namespace

bool CaractereDeNome(char c) {
  return EhAlgarismo(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool NomeValido(std::string_view nome) {
  if (nome.empty()) return false;
  for (char c : nome)
    if (!CaractereDeNome(c)) return false;
  return true;
}

std::string FormataItem(const Item& item) {
  std::string texto = item.nome + "=";
  if ((item.tipo == kData || item.tipo == kHora) && CabeEntreCerquilhas(item.valor))
    return texto + "#" + item.valor + "#";
  return texto + (PrecisaAspas(item.valor) ? EntreAspas(item.valor) : item.valor);
}

std::string FormataItens(const std::vector<Item>& itens) {
  std::string texto;
  for (const Item& item : itens) {
    if (!texto.empty()) texto += ' ';
    texto += FormataItem(item);
  }
  return texto;
}

std::string ComporRegistro(const std::string& cabeca, const std::string& itens) {
  return "{0;" + cabeca + ";" + itens + ";}";
}

const char* TextoFalha(FalhaLeitura falha) {
  switch (falha) {
    case FalhaLeitura::kSemAbertura: return "o registro não começa com \"{0;\"";
    case FalhaLeitura::kFaltaPontoEVirgula: return "o texto acaba antes do \";\"";
    case FalhaLeitura::kFaltaFecho: return "falta \"}\" depois do \";\" que fecha os itens";
    case FalhaLeitura::kTextoAposRegistro: return "há texto depois do \"}\"";
    case FalhaLeitura::kNomeVazio: return "item sem nome";
    case FalhaLeitura::kFaltaIgual: return "falta \"=\" depois do nome";
    case FalhaLeitura::kAspasAbertas: return "aspas abertas e não fechadas";
    case FalhaLeitura::kBarraNoFim: return "barra invertida no fim do texto";
    case FalhaLeitura::kCerquilhaAberta: return "\"#\" aberto e não fechado";
    case FalhaLeitura::kDataHoraInvalida:
      return "data ou hora entre \"#\" vazia ou com algo além de algarismos, \"/\" e \":\"";
    case FalhaLeitura::kFaltaSeparador: return "falta um branco (ou o \";\" final) depois do valor";
  }
  return "";
}

std::string DescreveErro(const ErroLeitura& erro) {
  return std::string(TextoFalha(erro.falha)) + " (byte " + std::to_string(erro.posicao) + ")";
}

bool LeRegistro(std::string_view texto, Registro& registro, ErroLeitura& erro) {
  Leitor leitor(texto);
  Registro lido;
  if (!leitor.LeAbertura() || !leitor.LeCabeca(lido.cabeca) || !leitor.LeItens(true, lido.itens) ||
      !leitor.LeFecho()) {
    erro = leitor.Erro();
    return false;
  }
  registro = std::move(lido);
  return true;
}

bool LeRegistro(std::string_view texto, Registro& registro) {
  ErroLeitura erro;
  return LeRegistro(texto, registro, erro);
}

bool LeItens(std::string_view texto, std::vector<Item>& itens, ErroLeitura& erro) {
  Leitor leitor(texto);
  std::vector<Item> lidos;
  if (!leitor.LeItens(false, lidos)) {
    erro = leitor.Erro();
    return false;
  }
  itens = std::move(lidos);
  return true;
}

}  // namespace quorbal
