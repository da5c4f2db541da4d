// Formulas in R1C1 notation compiled to a program for a stack of values. Recursive descent over
// the text with the spreadsheets' precedence (comparisons, then &, then + -, then * /, then the
// signs); IF jumps over the branch it does not take. Nesting is bounded, so that no text can run the
// compiler or the evaluator out of stack.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>
#include <string>

#include "compat/cp1252.h"
#include "quorbal/igual_sem_caixa.h"
#include "spreadsheet/embutido/celula_pasta.h"
#include "spreadsheet/embutido/leitor_xml.h"
#include "spreadsheet/proprio/dados_pasta.h"

namespace tarnel {
namespace {

constexpr int kProfundidadeMaxima = 100;

bool ComecoNome(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalpha(u) || c == '_' || c == '\\' || u >= 0x80;
}
bool ParteNome(char c) { return ComecoNome(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '.'; }

std::size_t FimNome(std::string_view t, std::size_t p) {
  while (p < t.size() && ParteNome(t[p])) ++p;
  return p;
}

// One coordinate of an R1C1 reference after its letter: "5" (absolute, from 1), "[-2]" (relative)
// or nothing (the same row or column). fora: it falls outside the sheet.
bool Coordenada(std::string_view t, std::size_t& p, int base, int limite, int& valor, bool& fora) {
  auto numero = [&](std::size_t& q, int& n) {
    const auto inicio = q;
    n = 0;
    while (q < t.size() && std::isdigit(static_cast<unsigned char>(t[q])) && q - inicio < 8) n = n * 10 + (t[q++] - '0');
    return q > inicio && (q >= t.size() || !std::isdigit(static_cast<unsigned char>(t[q])));
  };
  if (p < t.size() && t[p] == '[') {
    std::size_t q = p + 1;
    const bool negativo = q < t.size() && t[q] == '-';
    if (q < t.size() && (t[q] == '-' || t[q] == '+')) ++q;
    int n;
    if (!numero(q, n) || q >= t.size() || t[q] != ']') return false;
    valor = base + (negativo ? -n : n);
    p = q + 1;
  } else if (p < t.size() && std::isdigit(static_cast<unsigned char>(t[p]))) {
    std::size_t q = p;
    int n;
    if (!numero(q, n)) return false;
    valor = n - 1;
    p = q;
  } else {
    valor = base;
  }
  if (valor < 0 || valor >= limite) fora = true;
  return true;
}

// "R1C1", "RC[2]", "R[-1]C" at p, relative to (base_linha, base_coluna); p moves past it. False
// (p unchanged) when the text there is not one.
bool CelulaR1C1(std::string_view t, std::size_t& p, int base_linha, int base_coluna, int& linha, int& coluna,
                bool& fora) {
  std::size_t q = p;
  if (q >= t.size() || (t[q] != 'R' && t[q] != 'r')) return false;
  ++q;
  if (!Coordenada(t, q, base_linha, kLinhasFolha, linha, fora)) return false;
  if (q >= t.size() || (t[q] != 'C' && t[q] != 'c')) return false;
  ++q;
  if (!Coordenada(t, q, base_coluna, kColunasFolha, coluna, fora)) return false;
  if (q < t.size() && (ParteNome(t[q]) || t[q] == '(')) return false;
  p = q;
  return true;
}

// A whole row or column at p, or a block of them: "R4", "C[1]", "R4:R6", "C2:C3". Every cell of
// them is in faixa (the sheet is left to the caller). False (p unchanged) when the text there is not
// one.
bool LinhasOuColunas(std::string_view t, std::size_t& p, const Faixa& origem, Faixa& faixa, bool& fora) {
  for (const bool linhas : {true, false}) {
    const char letra = linhas ? 'R' : 'C';
    const int base = linhas ? origem.linha : origem.coluna, limite = linhas ? kLinhasFolha : kColunasFolha;
    bool fora_aqui = false;
    // One "R4" or "C[1]" at q: a coordinate must follow the letter, and nothing of a name after it.
    const auto uma = [&](std::size_t& q, int& valor) {
      std::size_t r = q + 1;
      if (q >= t.size() || std::toupper(static_cast<unsigned char>(t[q])) != letra || r >= t.size() ||
          (t[r] != '[' && !std::isdigit(static_cast<unsigned char>(t[r]))))
        return false;
      if (!Coordenada(t, r, base, limite, valor, fora_aqui)) return false;
      if (r < t.size() && (ParteNome(t[r]) || t[r] == '(')) return false;
      q = r;
      return true;
    };
    std::size_t q = p;
    int primeira, ultima;
    if (!uma(q, primeira)) continue;
    ultima = primeira;
    if (q < t.size() && t[q] == ':') {
      std::size_t r = q + 1;
      if (uma(r, ultima)) q = r;
    }
    const int de = std::min(primeira, ultima), ate = std::max(primeira, ultima);
    faixa = linhas ? Faixa{faixa.folha, de, 0, ate, kColunasFolha - 1} : Faixa{faixa.folha, 0, de, kLinhasFolha - 1, ate};
    fora = fora || fora_aqui;
    p = q;
    return true;
  }
  return false;
}

// A sheet name at p: 'quoted' ('' for a quote) or plain, followed by '!'. False (p unchanged) when none.
bool PrefixoFolha(std::string_view t, std::size_t& p, std::string& nome) {
  std::size_t q = p;
  nome.clear();
  if (q < t.size() && t[q] == '\'') {
    for (++q;; ++q) {
      if (q >= t.size()) return false;
      if (t[q] == '\'') {
        if (q + 1 < t.size() && t[q + 1] == '\'') {
          nome += '\'';
          ++q;
          continue;
        }
        ++q;
        break;
      }
      nome += t[q];
    }
  } else {
    if (q >= t.size() || !ComecoNome(t[q])) return false;
    q = FimNome(t, q);
    nome.assign(t.substr(p, q - p));
  }
  if (q >= t.size() || t[q] != '!') return false;
  p = q + 1;
  return true;
}

// A reference or a range at p ("Folha!R1C1:R3C1", "RC[-1]", "Folha!C2"), relative to origem. Returns false (p
// unchanged) when there is none; folha_existe false and fora true say it refers to nothing.
bool ReferenciaEm(const DadosPasta& dados, std::string_view t, std::size_t& p, const Faixa& origem, Faixa& faixa,
                  bool& invalida) {
  std::size_t q = p;
  std::string folha_nome;
  int folha = origem.folha;
  invalida = false;
  if (PrefixoFolha(t, q, folha_nome)) {
    folha = AchaFolha(dados, folha_nome);
    if (folha < 0) invalida = true;
  }
  int linha, coluna;
  if (!CelulaR1C1(t, q, origem.linha, origem.coluna, linha, coluna, invalida)) {
    faixa.folha = folha;
    if (!LinhasOuColunas(t, q, origem, faixa, invalida)) return false;
    p = q;
    return true;
  }
  int ultima_linha = linha, ultima_coluna = coluna;
  if (q < t.size() && t[q] == ':') {
    std::size_t r = q + 1;
    if (CelulaR1C1(t, r, origem.linha, origem.coluna, ultima_linha, ultima_coluna, invalida)) q = r;
  }
  faixa = {folha, std::min(linha, ultima_linha), std::min(coluna, ultima_coluna), std::max(linha, ultima_linha),
           std::max(coluna, ultima_coluna)};
  p = q;
  return true;
}

static_assert(std::size(kErrosCelula) == static_cast<std::size_t>(ErroCelula::NaoDisponivel) + 1,
              "ErroCelula follows kErrosCelula");

struct FuncaoConhecida {
  const char* nome;
  FuncaoPlanilha funcao;
  int minimo, maximo;  // arguments
};
constexpr FuncaoConhecida kFuncoes[] = {{"SUM", FuncaoPlanilha::Soma, 1, 255},
                                        {"MAX", FuncaoPlanilha::Maximo, 1, 255},
                                        {"INT", FuncaoPlanilha::Inteiro, 1, 1},
                                        {"LEFT", FuncaoPlanilha::Esquerda, 1, 2}};

class Compilador {
 public:
  Compilador(const DadosPasta& dados, const Faixa& origem, Formula& formula)
      : dados_(dados), origem_(origem), f_(formula), t_(SemIgual(formula.texto)) {}

  bool Compila() {
    if (!Expressao()) return false;
    Brancos();
    if (p_ < t_.size()) return Sintaxe("sobra '" + Trecho(t_.substr(p_)) + "'");
    return true;
  }
  std::string motivo;  // Windows-1252

 private:
  using Op = Instrucao::Op;

  struct Nivel {
    explicit Nivel(int& p) : profundidade(p) { ++profundidade; }
    ~Nivel() { --profundidade; }
    int& profundidade;
  };

  // detalhe in Windows-1252: pieces of the formula go through Trecho.
  bool Sintaxe(const std::string& detalhe) {
    motivo = "o motor embutido não calcula a fórmula (" + detalhe + ")";
    return false;
  }
  void Brancos() {
    while (p_ < t_.size() && (t_[p_] == ' ' || t_[p_] == '\n' || t_[p_] == '\r' || t_[p_] == '\t')) ++p_;
  }
  bool Le(char c) {
    Brancos();
    if (p_ < t_.size() && t_[p_] == c) {
      ++p_;
      return true;
    }
    return false;
  }
  int Emite(Op op, int a = 0, FuncaoPlanilha funcao = FuncaoPlanilha::Nenhuma) {
    f_.programa.push_back({op, funcao, a, 0});
    return static_cast<int>(f_.programa.size()) - 1;
  }
  void Constante(Valor v) {
    f_.constantes.push_back(std::move(v));
    Emite(Op::Constante, static_cast<int>(f_.constantes.size()) - 1);
  }
  void Referencia(const Faixa& faixa) {
    f_.faixas.push_back(faixa);
    Emite(Op::Referencia, static_cast<int>(f_.faixas.size()) - 1);
  }

  bool Expressao() {
    Nivel nivel(profundidade_);
    if (profundidade_ > kProfundidadeMaxima) return Sintaxe("aninhada demais");
    if (!Concatenacao()) return false;
    for (;;) {
      Brancos();
      Op op;
      const std::string_view resto = t_.substr(p_);
      std::size_t tamanho = 2;
      if (resto.rfind("<>", 0) == 0) op = Op::Diferente;
      else if (resto.rfind("<=", 0) == 0) op = Op::MenorIgual;
      else if (resto.rfind(">=", 0) == 0) op = Op::MaiorIgual;
      else if ((tamanho = 1), resto.rfind("=", 0) == 0) op = Op::Igual;
      else if (resto.rfind("<", 0) == 0) op = Op::Menor;
      else if (resto.rfind(">", 0) == 0) op = Op::Maior;
      else return true;
      p_ += tamanho;
      if (!Concatenacao()) return false;
      Emite(op);
    }
  }
  bool Concatenacao() {
    if (!Aditiva()) return false;
    while (Le('&')) {
      if (!Aditiva()) return false;
      Emite(Op::Concatena);
    }
    return true;
  }
  bool Aditiva() {
    if (!Multiplicativa()) return false;
    for (;;) {
      const Op op = Le('+') ? Op::Soma : Le('-') ? Op::Subtrai : Op::Salta;
      if (op == Op::Salta) return true;
      if (!Multiplicativa()) return false;
      Emite(op);
    }
  }
  bool Multiplicativa() {
    if (!Unaria()) return false;
    for (;;) {
      const Op op = Le('*') ? Op::Multiplica : Le('/') ? Op::Divide : Op::Salta;
      if (op == Op::Salta) return true;
      if (!Unaria()) return false;
      Emite(op);
    }
  }
  bool Unaria() {
    Nivel nivel(profundidade_);
    if (profundidade_ > kProfundidadeMaxima) return Sintaxe("aninhada demais");
    if (Le('-')) {
      if (!Unaria()) return false;
      Emite(Op::Nega);
      return true;
    }
    if (Le('+')) {
      if (!Unaria()) return false;
      Emite(Op::Positivo);
      return true;
    }
    return Primaria();
  }

  bool Primaria() {
    Brancos();
    if (p_ >= t_.size()) return Sintaxe("termina no meio");
    const char c = t_[p_];
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return Numero();
    if (c == '"') return Texto();
    if (c == '(') {
      ++p_;
      if (!Expressao()) return false;
      return Le(')') ? true : Sintaxe("falta ')'");
    }
    if (c == '#') {
      for (std::size_t e = 0; e < std::size(kErrosCelula); ++e)
        if (t_.substr(p_).rfind(kErrosCelula[e], 0) == 0) {
          p_ += kErrosCelula[e].size();
          Constante(Valor::DeErro(static_cast<ErroCelula>(e)));
          return true;
        }
      return Sintaxe("erro desconhecido");
    }
    Faixa faixa;
    bool invalida;
    if (ReferenciaEm(dados_, t_, p_, origem_, faixa, invalida)) {
      if (invalida)
        Constante(Valor::DeErro(ErroCelula::Referencia));
      else
        Referencia(faixa);
      return true;
    }
    if (!ComecoNome(c)) return Sintaxe("'" + Trecho(t_.substr(p_, 1)) + "' inesperado");
    const std::size_t inicio = p_;
    p_ = FimNome(t_, p_);
    const std::string_view nome = t_.substr(inicio, p_ - inicio);
    if (p_ < t_.size() && t_[p_] == '(') return Funcao(nome);
    if (p_ < t_.size() && t_[p_] == '!') return Sintaxe("referência malformada depois de '" + Trecho(nome) + "!'");
    if (quorbal::IgualSemCaixa(nome, "TRUE") || quorbal::IgualSemCaixa(nome, "FALSE")) {
      Constante(Valor::DeLogico(quorbal::IgualSemCaixa(nome, "TRUE")));
      return true;
    }
    for (const NomeDefinido& definido : dados_.nomes)
      if (quorbal::IgualSemCaixa(definido.nome, nome)) {
        if (definido.valido)
          Referencia(definido.faixa);
        else
          Constante(Valor::DeErro(ErroCelula::Referencia));
        return true;
      }
    Constante(Valor::DeErro(ErroCelula::Nome));
    return true;
  }

  bool Numero() {
    double valor = 0;
    const auto [fim, erro] = std::from_chars(t_.data() + p_, t_.data() + t_.size(), valor);
    if (erro != std::errc()) return Sintaxe("número malformado");
    p_ = fim - t_.data();
    Constante(Valor::DeNumero(valor));
    return true;
  }

  bool Texto() {
    std::string texto;
    for (++p_;; ++p_) {
      if (p_ >= t_.size()) return Sintaxe("texto sem aspas de fim");
      if (t_[p_] == '"') {
        if (p_ + 1 < t_.size() && t_[p_ + 1] == '"') {
          texto += '"';
          ++p_;
          continue;
        }
        ++p_;
        break;
      }
      texto += t_[p_];
    }
    Constante(Valor::DeTexto(std::move(texto)));
    return true;
  }

  // One argument of a call; an empty one (",," or "(,") counts as an empty cell.
  bool Argumento() {
    Brancos();
    if (p_ < t_.size() && (t_[p_] == ',' || t_[p_] == ')')) {
      Constante(Valor());
      return true;
    }
    return Expressao();
  }

  bool Funcao(std::string_view nome) {
    std::string maiusculo(nome);
    for (char& ch : maiusculo) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    ++p_;  // '('
    if (maiusculo == "IF") return Se();
    const FuncaoConhecida* conhecida = nullptr;
    for (const FuncaoConhecida& f : kFuncoes)
      if (maiusculo == f.nome) conhecida = &f;
    if (conhecida == nullptr) {
      motivo = "a função " + compat::utf8_to_cp1252(maiusculo) + " não é calculada pelo motor embutido";
      return false;
    }
    int argumentos = 0;
    if (!Le(')')) {
      do {
        if (!Argumento()) return false;
        ++argumentos;
      } while (Le(','));
      if (!Le(')')) return Sintaxe("falta ')' em " + maiusculo);
    }
    if (argumentos < conhecida->minimo || argumentos > conhecida->maximo)
      return Sintaxe(maiusculo + " com " + std::to_string(argumentos) + " argumentos");  // a known, ASCII name
    Emite(Op::Funcao, argumentos, conhecida->funcao);
    return true;
  }

  // IF(condição, então[, senão]): the condition decides which branch runs; without senão, FALSE.
  bool Se() {
    if (!Argumento()) return false;
    if (!Le(',')) return Sintaxe("IF com 1 argumento");
    const int desvio = Emite(Op::SeFalsoSalta);
    if (!Argumento()) return false;
    const int salto = Emite(Op::Salta);
    f_.programa[desvio].a = static_cast<int>(f_.programa.size());
    if (Le(',')) {
      if (!Argumento()) return false;
    } else {
      Constante(Valor::DeLogico(false));
    }
    if (!Le(')')) return Sintaxe("falta ')' em IF");
    const int fim = static_cast<int>(f_.programa.size());
    f_.programa[salto].a = fim;
    f_.programa[desvio].b = fim;
    return true;
  }

  const DadosPasta& dados_;
  const Faixa& origem_;
  Formula& f_;
  std::string_view t_;
  std::size_t p_ = 0;
  int profundidade_ = 0;
};

}  // namespace

const char* NomeErro(ErroCelula erro) { return kErrosCelula[static_cast<std::size_t>(erro)].data(); }

int AchaFolha(const DadosPasta& dados, std::string_view nome) {
  for (std::size_t k = 0; k < dados.folhas.size(); ++k)
    if (quorbal::IgualSemCaixa(dados.folhas[k].nome, nome)) return static_cast<int>(k);
  return -1;
}

bool LeReferencia(const DadosPasta& dados, std::string_view texto, const Faixa& origem, Faixa& faixa) {
  std::size_t p = 0;
  bool invalida;
  return ReferenciaEm(dados, texto, p, origem, faixa, invalida) && !invalida && p == texto.size();
}

void CompilaFormula(const DadosPasta& dados, const Faixa& origem, Formula& formula) {
  formula.programa.clear();
  formula.constantes.clear();
  formula.faixas.clear();
  formula.erro = MotivoNotacao(formula.texto);
  if (!formula.erro.empty()) return;
  Compilador compilador(dados, origem, formula);
  if (compilador.Compila()) return;
  formula.erro = compilador.motivo;
  formula.programa.clear();
  formula.constantes.clear();
  formula.faixas.clear();
}

}  // namespace tarnel
