// Computing formulas on demand. A cell's formula runs once its sources are computed: these are found
// by walking what each formula refers to with a stack of our own (no recursion, however long the
// chain), and each result is kept until the next write moves the workbook's generation on. The
// values follow the spreadsheets' rules: an empty cell is 0 to arithmetic and "" to text, text that
// reads as a number counts as one, numbers sort before texts and texts before logical values, texts
// compare ignoring letter case, and an error in an operand is the result.
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "spreadsheet/proprio/dados_pasta.h"

namespace tarnel {
namespace {

bool Fresca(const DadosPasta& dados, const Formula& f) { return f.geracao == dados.geracao; }

// Calls visita(celula) for each cell held in faixa, row by row.
template <typename Visita>
void CadaCelula(const DadosPasta& dados, const Faixa& faixa, Visita visita) {
  if (faixa.folha < 0 || faixa.folha >= static_cast<int>(dados.folhas.size())) return;
  const auto& celulas = dados.folhas[faixa.folha].celulas;
  const auto fim = celulas.upper_bound(ChaveCelula(faixa.ultima_linha, faixa.ultima_coluna));
  for (auto it = celulas.lower_bound(ChaveCelula(faixa.linha, faixa.coluna)); it != fim; ++it) {
    const int coluna = static_cast<int>(it->first % kColunasFolha);
    if (coluna >= faixa.coluna && coluna <= faixa.ultima_coluna) visita(it->second);
  }
}

// A cell's value as it stands: a formula's kept result, or #REF! for one still being computed (a
// circular reference).
Valor Conteudo(const DadosPasta& dados, const Celula& celula) {
  if (celula.formula < 0) return celula.valor;
  const Formula& f = dados.formulas[celula.formula];
  return Fresca(dados, f) ? f.resultado : Valor::DeErro(ErroCelula::Referencia);
}

// A reference as a single value: its cell's value when it is one cell, #VALUE! for a wider range.
Valor Escalar(const DadosPasta& dados, Valor v) {
  if (v.tipo != Valor::Tipo::Faixa) return v;
  const Faixa& f = v.faixa;
  if (f.Linhas() != 1 || f.Colunas() != 1) return Valor::DeErro(ErroCelula::Valor);
  Valor resultado;
  CadaCelula(dados, f, [&](const Celula& c) { resultado = Conteudo(dados, c); });
  return resultado;
}

bool TextoComoNumero(std::string_view t, double& n) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  bool negativo = false;
  if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
    negativo = t.front() == '-';
    t.remove_prefix(1);
  }
  if (t.empty()) return false;
  const auto [fim, erro] = std::from_chars(t.data(), t.data() + t.size(), n);
  if (erro != std::errc() || fim != t.data() + t.size()) return false;
  if (negativo) n = -n;
  return true;
}

// The operand as a number; false with erro when it is none.
bool ComoNumero(const Valor& v, double& n, ErroCelula& erro) {
  switch (v.tipo) {
    case Valor::Tipo::Vazio: n = 0; return true;
    case Valor::Tipo::Numero:
    case Valor::Tipo::Logico: n = v.numero; return true;
    case Valor::Tipo::Texto:
      if (TextoComoNumero(v.texto, n)) return true;
      erro = ErroCelula::Valor;
      return false;
    case Valor::Tipo::Erro: erro = v.erro; return false;
    case Valor::Tipo::Faixa: erro = ErroCelula::Valor; return false;
  }
  return false;
}

std::string NumeroComoTexto(double n) {
  char texto[32];
  char* fim = std::to_chars(texto, texto + sizeof texto, n, std::chars_format::general, 15).ptr;
  for (char* c = texto; c != fim; ++c)
    if (*c == 'e') *c = 'E';
  return std::string(texto, fim);
}

std::string ComoTexto(const Valor& v) {
  switch (v.tipo) {
    case Valor::Tipo::Numero: return NumeroComoTexto(v.numero);
    case Valor::Tipo::Logico: return v.numero != 0 ? "TRUE" : "FALSE";
    case Valor::Tipo::Texto: return v.texto;
    default: return std::string();
  }
}

int Ordem(Valor::Tipo tipo) { return tipo == Valor::Tipo::Numero ? 0 : tipo == Valor::Tipo::Texto ? 1 : 2; }

// -1, 0 or 1; an empty operand takes the other's kind.
int Compara(Valor a, Valor b) {
  auto vazio_como = [](Valor& v, Valor::Tipo tipo) {
    if (v.tipo != Valor::Tipo::Vazio) return;
    v.tipo = tipo == Valor::Tipo::Vazio ? Valor::Tipo::Numero : tipo;
    v.numero = 0;
  };
  vazio_como(a, b.tipo);
  vazio_como(b, a.tipo);
  if (Ordem(a.tipo) != Ordem(b.tipo)) return Ordem(a.tipo) < Ordem(b.tipo) ? -1 : 1;
  if (a.tipo == Valor::Tipo::Texto) {
    const std::size_t n = std::min(a.texto.size(), b.texto.size());
    for (std::size_t k = 0; k < n; ++k) {
      const int x = std::tolower(static_cast<unsigned char>(a.texto[k]));
      const int y = std::tolower(static_cast<unsigned char>(b.texto[k]));
      if (x != y) return x < y ? -1 : 1;
    }
    return a.texto.size() == b.texto.size() ? 0 : a.texto.size() < b.texto.size() ? -1 : 1;
  }
  return a.numero == b.numero ? 0 : a.numero < b.numero ? -1 : 1;
}

// The first n characters (not bytes) of a UTF-8 text.
std::string Esquerda(const std::string& texto, double n) {
  std::size_t k = 0;
  for (double contados = 0; k < texto.size(); ++k) {
    if ((static_cast<unsigned char>(texto[k]) & 0xC0) == 0x80) continue;
    if (contados >= n) break;
    ++contados;
  }
  return texto.substr(0, k);
}

Valor ResultadoNumerico(double n) {
  return std::isfinite(n) ? Valor::DeNumero(n) : Valor::DeErro(ErroCelula::Numero);
}

// SUM and MAX: numbers of ranges (their text, logical values and empty cells left out) and of
// single values (converted).
Valor Agrega(const DadosPasta& dados, FuncaoPlanilha funcao, const Valor* args, int n) {
  double total = 0;
  bool algum = false;
  ErroCelula erro{};
  bool falhou = false;
  auto conta = [&](double x) {
    total = funcao == FuncaoPlanilha::Soma ? total + x : (algum ? std::max(total, x) : x);
    algum = true;
  };
  for (int k = 0; k < n && !falhou; ++k) {
    if (args[k].tipo == Valor::Tipo::Faixa) {
      CadaCelula(dados, args[k].faixa, [&](const Celula& c) {
        const Valor v = Conteudo(dados, c);
        if (v.tipo == Valor::Tipo::Erro && !falhou) {
          falhou = true;
          erro = v.erro;
        } else if (v.tipo == Valor::Tipo::Numero) {
          conta(v.numero);
        }
      });
    } else {
      double x;
      if (!ComoNumero(args[k], x, erro)) falhou = true;
      else conta(x);
    }
  }
  return falhou ? Valor::DeErro(erro) : ResultadoNumerico(total);
}

Valor Funcao(const DadosPasta& dados, FuncaoPlanilha funcao, Valor* args, int n) {
  if (funcao == FuncaoPlanilha::Soma || funcao == FuncaoPlanilha::Maximo) return Agrega(dados, funcao, args, n);
  for (int k = 0; k < n; ++k) {
    args[k] = Escalar(dados, std::move(args[k]));
    if (args[k].tipo == Valor::Tipo::Erro) return args[k];
  }
  double x;
  ErroCelula erro;
  if (funcao == FuncaoPlanilha::Inteiro)
    return ComoNumero(args[0], x, erro) ? ResultadoNumerico(std::floor(x)) : Valor::DeErro(erro);
  // LEFT(texto[, quantos]): one character when quantos is left out.
  x = 1;
  if (n > 1 && !ComoNumero(args[1], x, erro)) return Valor::DeErro(erro);
  if (x < 0) return Valor::DeErro(ErroCelula::Valor);
  return Valor::DeTexto(Esquerda(ComoTexto(args[0]), std::floor(x)));
}

Valor Binaria(const DadosPasta& dados, Instrucao::Op op, Valor a, Valor b) {
  using Op = Instrucao::Op;
  a = Escalar(dados, std::move(a));
  b = Escalar(dados, std::move(b));
  if (a.tipo == Valor::Tipo::Erro) return a;
  if (b.tipo == Valor::Tipo::Erro) return b;
  switch (op) {
    case Op::Concatena: return Valor::DeTexto(ComoTexto(a) + ComoTexto(b));
    case Op::Igual: return Valor::DeLogico(Compara(a, b) == 0);
    case Op::Diferente: return Valor::DeLogico(Compara(a, b) != 0);
    case Op::Menor: return Valor::DeLogico(Compara(a, b) < 0);
    case Op::Maior: return Valor::DeLogico(Compara(a, b) > 0);
    case Op::MenorIgual: return Valor::DeLogico(Compara(a, b) <= 0);
    case Op::MaiorIgual: return Valor::DeLogico(Compara(a, b) >= 0);
    default: break;
  }
  double x, y;
  ErroCelula erro;
  if (!ComoNumero(a, x, erro) || !ComoNumero(b, y, erro)) return Valor::DeErro(erro);
  switch (op) {
    case Op::Soma: return ResultadoNumerico(x + y);
    case Op::Subtrai: return ResultadoNumerico(x - y);
    case Op::Multiplica: return ResultadoNumerico(x * y);
    default: return y == 0 ? Valor::DeErro(ErroCelula::DivisaoPorZero) : ResultadoNumerico(x / y);
  }
}

// Runs the formula's program; every formula it refers to is computed (or being computed) already.
Valor Executa(DadosPasta& dados, const Formula& f) {
  using Op = Instrucao::Op;
  if (!f.erro.empty()) return Valor::DeErro(ErroCelula::Nome);
  std::vector<Valor>& pilha = dados.pilha;
  pilha.clear();
  for (std::size_t pc = 0; pc < f.programa.size();) {
    const Instrucao& i = f.programa[pc++];
    switch (i.op) {
      case Op::Constante: pilha.push_back(f.constantes[i.a]); break;
      case Op::Referencia: {
        Valor v;
        v.tipo = Valor::Tipo::Faixa;
        v.faixa = f.faixas[i.a];
        pilha.push_back(std::move(v));
        break;
      }
      case Op::Nega:
      case Op::Positivo: {
        Valor v = Escalar(dados, std::move(pilha.back()));
        double x;
        ErroCelula erro;
        if (i.op == Op::Nega) v = ComoNumero(v, x, erro) ? Valor::DeNumero(-x) : Valor::DeErro(erro);
        pilha.back() = std::move(v);
        break;
      }
      case Op::Funcao: {
        Valor* args = pilha.data() + pilha.size() - i.a;
        Valor v = Funcao(dados, i.funcao, args, i.a);
        pilha.resize(pilha.size() - i.a);
        pilha.push_back(std::move(v));
        break;
      }
      case Op::SeFalsoSalta: {
        Valor c = Escalar(dados, std::move(pilha.back()));
        pilha.pop_back();
        double x = 0;
        ErroCelula erro = ErroCelula::Valor;
        bool verdade = false;
        if (c.tipo == Valor::Tipo::Texto && (c.texto == "TRUE" || c.texto == "FALSE"))
          verdade = c.texto == "TRUE";
        else if (c.tipo != Valor::Tipo::Texto && ComoNumero(c, x, erro))
          verdade = x != 0;
        else {
          pilha.push_back(Valor::DeErro(c.tipo == Valor::Tipo::Erro ? c.erro : ErroCelula::Valor));
          pc = i.b;
          break;
        }
        if (!verdade) pc = i.a;
        break;
      }
      case Op::Salta: pc = i.a; break;
      default: {
        Valor b = std::move(pilha.back());
        pilha.pop_back();
        pilha.back() = Binaria(dados, i.op, std::move(pilha.back()), std::move(b));
        break;
      }
    }
  }
  Valor v = pilha.empty() ? Valor() : Escalar(dados, std::move(pilha.back()));
  // A formula that shows an empty cell shows 0.
  if (v.tipo == Valor::Tipo::Vazio) v = Valor::DeNumero(0);
  return v;
}

// Computes formula raiz after the formulas it depends on, deepest first.
void Calcula(DadosPasta& dados, int raiz) {
  if (Fresca(dados, dados.formulas[raiz])) return;
  struct Quadro {
    int formula;
    std::vector<int> fontes;
    std::size_t proxima = 0;
  };
  std::vector<Quadro> pilha;
  auto entra = [&](int indice) {
    Quadro quadro{indice, {}};
    for (const Faixa& faixa : dados.formulas[indice].faixas)
      CadaCelula(dados, faixa, [&](const Celula& c) {
        if (c.formula >= 0) quadro.fontes.push_back(c.formula);
      });
    dados.formulas[indice].calculando = true;
    pilha.push_back(std::move(quadro));
  };
  entra(raiz);
  while (!pilha.empty()) {
    Quadro& topo = pilha.back();
    if (topo.proxima < topo.fontes.size()) {
      const Formula& fonte = dados.formulas[topo.fontes[topo.proxima]];
      const int indice = topo.fontes[topo.proxima++];
      if (!Fresca(dados, fonte) && !fonte.calculando) entra(indice);
      continue;
    }
    Formula& f = dados.formulas[topo.formula];
    f.resultado = Executa(dados, f);
    f.geracao = dados.geracao;
    f.calculando = false;
    pilha.pop_back();
  }
}

}  // namespace

Valor ValorCelula(DadosPasta& dados, int folha, int linha, int coluna) {
  const auto& celulas = dados.folhas[folha].celulas;
  const auto it = celulas.find(ChaveCelula(linha, coluna));
  if (it == celulas.end()) return Valor();
  if (it->second.formula >= 0) Calcula(dados, it->second.formula);
  return Conteudo(dados, it->second);
}

const Formula* FormulaCelula(const DadosPasta& dados, int folha, int linha, int coluna) {
  const auto& celulas = dados.folhas[folha].celulas;
  const auto it = celulas.find(ChaveCelula(linha, coluna));
  return it == celulas.end() || it->second.formula < 0 ? nullptr : &dados.formulas[it->second.formula];
}

}  // namespace tarnel
