#include "fonte_planilha.h"

#include <cctype>
#include <cstdio>
#include <sstream>

namespace planilha {
namespace {

// Where an identifier of the source lives: one cell, or a column of a table.
struct Lugar {
  int folha = 0;
  int linha = 0;  // first cell
  int coluna = 0;
  int celulas = 1;
  std::string tabela;  // the table a column belongs to; empty for a single cell
};

// A formula waiting for every identifier to have its place.
struct Pendente {
  int folha, linha, coluna, indice, numero_linha;
  std::string tabela, formula, lido;  // lido: the row's captured cell, for {Lido}
};

class Leitor {
 public:
  explicit Leitor(Pasta& pasta) : pasta_(pasta) {}

  bool Le(const std::string& texto, std::string& erro) {
    std::istringstream entrada(texto);
    std::string linha;
    while (std::getline(entrada, linha)) {
      ++numero_;
      if (!linha.empty() && linha.back() == '\r') linha.pop_back();
      if (!Linha(linha)) break;
    }
    if (erro_.empty() && tabela_aberta_) Falha("a tabela '" + tabela_ + "' não termina com fim");
    for (const Apelido& a : apelidos_) {
      if (!erro_.empty()) break;
      numero_ = a.numero_linha;
      ResolveApelido(a);
    }
    for (const Pendente& p : pendentes_) {
      if (!erro_.empty()) break;
      numero_ = p.numero_linha;
      std::string expandida;
      if (Expande(p, p.formula, -1, expandida)) Grava(p.folha, p.linha, p.coluna, {Celula::Tipo::kFormula, "=" + expandida});
    }
    erro = erro_;
    return erro_.empty();
  }

 private:
  // A second name for one cell of another name ({Nome:k}), placed once every name has its place.
  struct Apelido {
    std::string id, alvo;
    int indice, numero_linha;
  };

  struct Coluna {
    std::string id, rotulo, definicao;
    bool nomeada = true;
    int numero_linha = 0;
  };

  bool Falha(const std::string& motivo) {
    if (erro_.empty()) erro_ = "linha " + std::to_string(numero_) + ": " + motivo;
    return false;
  }

  static std::string Apara(const std::string& s) {
    std::size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
  }

  // Splits "palavra palavra "texto" ... [: ...| = ...]" into its words and the definition after them.
  bool Palavras(const std::string& linha, std::vector<std::string>& palavras, std::string& definicao) {
    std::size_t p = 0;
    while (p < linha.size()) {
      char c = linha[p];
      if (c == ' ' || c == '\t') {
        ++p;
      } else if (c == ':' || c == '=') {
        definicao = Apara(linha.substr(p));
        return true;
      } else if (c == '"') {
        std::size_t fim = linha.find('"', p + 1);
        if (fim == std::string::npos) return Falha("texto sem aspas de fechamento");
        palavras.push_back(linha.substr(p, fim - p + 1));
        p = fim + 1;
      } else {
        std::size_t fim = linha.find_first_of(" \t:=\"", p);
        if (fim == std::string::npos) fim = linha.size();
        palavras.push_back(linha.substr(p, fim - p));
        p = fim;
      }
    }
    return true;
  }

  static bool Texto(const std::string& palavra) { return palavra.size() >= 2 && palavra.front() == '"'; }
  static std::string SemAspas(const std::string& palavra) { return palavra.substr(1, palavra.size() - 2); }

  static bool Identificador(const std::string& s) {
    if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0]))) return false;
    for (char c : s)
      if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
  }

  // The constants after ":" (numbers or quoted texts).
  bool Constantes(const std::string& definicao, std::vector<Celula>& valores) {
    std::vector<std::string> palavras;
    std::string resto;
    if (!Palavras(definicao.substr(1), palavras, resto)) return false;
    if (!resto.empty()) return Falha("constante inesperada: " + resto);
    for (const std::string& p : palavras) {
      if (Texto(p)) {
        valores.push_back({Celula::Tipo::kTexto, SemAspas(p)});
        continue;
      }
      char* fim = nullptr;
      std::strtod(p.c_str(), &fim);
      if (p.empty() || *fim != '\0') return Falha("constante que não é número nem texto: " + p);
      valores.push_back({Celula::Tipo::kNumero, p});
    }
    if (valores.empty()) return Falha("':' sem valores");
    return true;
  }

  bool Novo(const std::string& id, const Lugar& lugar) {
    if (!Identificador(id)) return Falha("identificador inválido: '" + id + "'");
    if (!lugares_.emplace(id, lugar).second) return Falha("'" + id + "' definido duas vezes");
    return true;
  }

  void Grava(int folha, int linha, int coluna, Celula celula) {
    pasta_.folhas[static_cast<std::size_t>(folha)].linhas[linha][coluna] = std::move(celula);
  }

  void DefineNome(const std::string& id, const Lugar& l) {
    const std::string& folha = pasta_.folhas[static_cast<std::size_t>(l.folha)].nome;
    std::string ref = "=" + folha + "!R" + std::to_string(l.linha) + "C" + std::to_string(l.coluna);
    if (l.celulas > 1) ref += ":R" + std::to_string(l.linha + l.celulas - 1) + "C" + std::to_string(l.coluna);
    pasta_.nomes.push_back({id, ref, l.celulas});
  }

  // A definition (": constants" or "= formula") for cell (linha, coluna); indice is the row of a table.
  bool Define(const std::string& definicao, int linha, int coluna, int indice, const std::string& tabela,
              const std::vector<Celula>* constantes, const std::string& lido = std::string()) {
    if (definicao.empty()) return true;
    if (definicao[0] == '=') {
      pendentes_.push_back({folha_, linha, coluna, indice, numero_, tabela, Apara(definicao.substr(1)), lido});
      return true;
    }
    const Celula& c = constantes->size() == 1 ? constantes->front() : (*constantes)[static_cast<std::size_t>(indice)];
    Grava(folha_, linha, coluna, c);
    return true;
  }

  bool Linha(const std::string& linha) {
    std::string limpa = Apara(linha);
    if (limpa.empty() || limpa[0] == '#') return true;
    std::vector<std::string> p;
    std::string definicao;
    if (!Palavras(limpa, p, definicao)) return false;
    const std::string& verbo = p[0];
    if (verbo == "folha") return Folha_(p, definicao);
    if (folha_ < 0) return Falha("'" + verbo + "' antes da primeira folha");
    if (tabela_aberta_) {
      if (verbo == "fim") return FechaTabela();
      if ((verbo == "coluna" || verbo == "auxcol") && p.size() == 3 && Texto(p[2])) {
        colunas_.push_back({p[1], SemAspas(p[2]), definicao, verbo == "coluna", numero_});
        return true;
      }
      return Falha("dentro de uma tabela só cabem coluna, auxcol e fim");
    }
    if ((verbo == "valor" || verbo == "aux") && p.size() == 3 && Texto(p[2])) return Valor(p, definicao, verbo == "valor");
    if (verbo == "registro" && p.size() == 3 && Texto(p[2])) return Registro(p, definicao);
    if (verbo == "lista" && p.size() == 3 && Texto(p[2])) return Lista(p, definicao);
    if (verbo == "apelido" && p.size() == 3 && Texto(p[2])) return Apelido_(p, definicao);
    if (verbo == "texto" && p.size() == 2 && Texto(p[1])) {
      Grava(folha_, ++linha_, 1, {Celula::Tipo::kTexto, SemAspas(p[1])});
      return true;
    }
    if (verbo == "tabela" && p.size() == 4 && Texto(p[3])) {
      tabela_ = p[1];
      linhas_tabela_ = std::atoi(p[2].c_str());
      if (!Identificador(tabela_) || linhas_tabela_ < 1 || linhas_tabela_ > 1000)
        return Falha("tabela precisa de nome e de 1 a 1000 linhas");
      if (!tabelas_.emplace(tabela_, linhas_tabela_).second) return Falha("tabela '" + tabela_ + "' definida duas vezes");
      titulo_tabela_ = SemAspas(p[3]);
      tabela_aberta_ = true;
      colunas_.clear();
      return true;
    }
    return Falha("linha não reconhecida: " + limpa);
  }

  bool Folha_(const std::vector<std::string>& p, const std::string& definicao) {
    if (tabela_aberta_) return Falha("folha dentro de uma tabela");
    if (p.size() != 3 || !Identificador(p[1]) || !Texto(p[2]) || !definicao.empty())
      return Falha("folha precisa de um nome sem espaços e de um título entre aspas");
    for (const Folha& f : pasta_.folhas)
      if (f.nome == p[1]) return Falha("folha '" + p[1] + "' definida duas vezes");
    pasta_.folhas.push_back({p[1], {}});
    folha_ = static_cast<int>(pasta_.folhas.size()) - 1;
    linha_ = 1;
    Grava(folha_, 1, 1, {Celula::Tipo::kTexto, SemAspas(p[2])});
    ++linha_;  // a blank row under the title
    return true;
  }

  bool ConstantesDe(const std::string& definicao, std::vector<Celula>& c, int linhas) {
    if (definicao.empty() || definicao[0] != ':') return true;
    if (!Constantes(definicao, c)) return false;
    if (c.size() != 1 && static_cast<int>(c.size()) != linhas)
      return Falha("são " + std::to_string(c.size()) + " valores para " + std::to_string(linhas) + " linhas");
    return true;
  }

  bool Valor(const std::vector<std::string>& p, const std::string& definicao, bool nomeado) {
    Lugar l{folha_, ++linha_, 2, 1, {}};
    std::vector<Celula> c;
    if (!Novo(p[1], l) || !ConstantesDe(definicao, c, 1)) return false;
    Grava(folha_, l.linha, 1, {Celula::Tipo::kTexto, SemAspas(p[2])});
    if (nomeado) DefineNome(p[1], l);
    return Define(definicao, l.linha, 2, 0, {}, &c);
  }

  // A register: its captured value in column B and, when a formula is given, its value after the
  // mirrored commands ("Pos" + name) in column C; {Lido} in the formula is the captured cell.
  bool Registro(const std::vector<std::string>& p, const std::string& definicao) {
    Lugar l{folha_, ++linha_, 2, 1, {}};
    if (!Novo(p[1], l)) return false;
    Grava(folha_, l.linha, 1, {Celula::Tipo::kTexto, SemAspas(p[2])});
    DefineNome(p[1], l);
    if (definicao.empty()) return true;
    if (definicao[0] != '=') return Falha("registro aceita só uma fórmula da posição após os comandos");
    Lugar pos{folha_, l.linha, 3, 1, {}};
    if (!Novo("Pos" + p[1], pos)) return false;
    DefineNome("Pos" + p[1], pos);
    return Define(definicao, l.linha, 3, 0, {}, nullptr, "R" + std::to_string(l.linha) + "C2");
  }

  bool Lista(const std::vector<std::string>& p, const std::string& definicao) {
    std::vector<Celula> c;
    if (definicao.empty() || definicao[0] != ':' || !Constantes(definicao, c)) return Falha("lista precisa de ': textos'");
    Grava(folha_, ++linha_, 1, {Celula::Tipo::kTexto, SemAspas(p[2])});
    Lugar l{folha_, linha_, 2, static_cast<int>(c.size()), {}};
    if (!Novo(p[1], l)) return false;
    for (std::size_t k = 0; k < c.size(); ++k) Grava(folha_, linha_ + static_cast<int>(k), 2, c[k]);
    linha_ += static_cast<int>(c.size()) - 1;
    DefineNome(p[1], l);
    return true;
  }

  // apelido Nome "rótulo" = {Outro:k}: Nome is cell k of Outro; the row shows its label and value.
  bool Apelido_(const std::vector<std::string>& p, const std::string& definicao) {
    const std::string ref = definicao.size() > 1 && definicao[0] == '=' ? Apara(definicao.substr(1)) : std::string();
    const std::size_t dois_pontos = ref.find(':');
    if (ref.size() < 5 || ref.front() != '{' || ref.back() != '}' || dois_pontos == std::string::npos)
      return Falha("apelido precisa de = {Nome:linha}");
    const std::string linha_alvo = ref.substr(dois_pontos + 1, ref.size() - dois_pontos - 2);
    if (linha_alvo.empty() || linha_alvo.find_first_not_of("0123456789") != std::string::npos)
      return Falha("apelido precisa de = {Nome:linha}");
    const int indice = std::atoi(linha_alvo.c_str());
    Grava(folha_, ++linha_, 1, {Celula::Tipo::kTexto, SemAspas(p[2])});
    apelidos_.push_back({p[1], ref.substr(1, dois_pontos - 1), indice, numero_});
    pendentes_.push_back({folha_, linha_, 2, 0, numero_, {}, ref, {}});
    return true;
  }

  bool ResolveApelido(const Apelido& a) {
    auto it = lugares_.find(a.alvo);
    if (it == lugares_.end()) return Falha("'" + a.alvo + "' não está definido");
    if (a.indice >= it->second.celulas) return Falha("'" + a.alvo + "' não tem a linha " + std::to_string(a.indice));
    const Lugar celula{it->second.folha, it->second.linha + a.indice, it->second.coluna, 1, {}};
    if (!Novo(a.id, celula)) return false;
    DefineNome(a.id, celula);
    return true;
  }

  bool FechaTabela() {
    const int linha_fim = numero_;
    tabela_aberta_ = false;
    linha_ += 2;  // a blank row, then the header
    const int cabecalho = linha_;
    Grava(folha_, cabecalho, 1, {Celula::Tipo::kTexto, titulo_tabela_});
    for (std::size_t k = 0; k < colunas_.size(); ++k) {
      const Coluna& col = colunas_[k];
      numero_ = col.numero_linha;
      const int coluna = static_cast<int>(k) + 2;
      Lugar l{folha_, cabecalho + 1, coluna, linhas_tabela_, tabela_};
      std::vector<Celula> c;
      if (!Novo(col.id, l) || !ConstantesDe(col.definicao, c, linhas_tabela_)) return false;
      Grava(folha_, cabecalho, coluna, {Celula::Tipo::kTexto, col.rotulo});
      if (col.nomeada) DefineNome(col.id, l);
      for (int i = 0; i < linhas_tabela_; ++i)
        if (!Define(col.definicao, cabecalho + 1 + i, coluna, i, tabela_, &c)) return false;
    }
    for (int i = 0; i < linhas_tabela_; ++i)
      Grava(folha_, cabecalho + 1 + i, 1, {Celula::Tipo::kNumero, std::to_string(i)});
    linha_ = cabecalho + linhas_tabela_;
    numero_ = linha_fim;
    return true;
  }

  std::string Referencia(const Pendente& p, const Lugar& l, int linha) const {
    const std::string r = "R" + std::to_string(linha) + "C" + std::to_string(l.coluna);
    if (l.folha == p.folha) return linha == p.linha ? "RC" + std::to_string(l.coluna) : r;
    return pasta_.folhas[static_cast<std::size_t>(l.folha)].nome + "!" + r;
  }

  // The row index a selector names: a number, i (the formula's row) or j (the sum's term).
  bool Indice(const std::string& s, const Pendente& p, int j, int& indice) {
    if (s == "i") indice = p.indice;
    else if (s == "j" && j >= 0) indice = j;
    else if (!s.empty() && s.find_first_not_of("0123456789") == std::string::npos) indice = std::atoi(s.c_str());
    else return Falha("índice inválido: " + s);
    return true;
  }

  bool Marcador(const Pendente& p, const std::string& dentro, int j, std::string& saida) {
    const std::size_t dois_pontos = dentro.find(':');
    const std::string id = dentro.substr(0, dois_pontos);
    const std::string seletor = dois_pontos == std::string::npos ? std::string() : dentro.substr(dois_pontos + 1);
    if (id == "i" || id == "j") {
      int n = 0;
      if (!Indice(id, p, j, n)) return false;
      char texto[16];
      std::snprintf(texto, sizeof texto, seletor == "02" ? "%02d" : "%d", n);
      saida += texto;
      return true;
    }
    if (id == "Lido") {
      if (p.lido.empty()) return Falha("{Lido} fora de um registro");
      saida += p.lido;
      return true;
    }
    auto it = lugares_.find(id);
    if (it == lugares_.end()) return Falha("'" + id + "' não está definido");
    const Lugar& l = it->second;
    if (seletor == "*") {
      const std::string prefixo = l.folha == p.folha ? std::string() : pasta_.folhas[static_cast<std::size_t>(l.folha)].nome + "!";
      saida += prefixo + "R" + std::to_string(l.linha) + "C" + std::to_string(l.coluna) + ":R" +
               std::to_string(l.linha + l.celulas - 1) + "C" + std::to_string(l.coluna);
      return true;
    }
    int indice = 0;
    if (!seletor.empty()) {
      if (!Indice(seletor, p, j, indice)) return false;
    } else if (!l.tabela.empty()) {
      if (l.tabela != p.tabela) return Falha("'" + id + "' é coluna de outra tabela: diga qual linha ({" + id + ":i})");
      indice = p.indice;
    }
    if (indice < 0 || indice >= l.celulas) return Falha("'" + id + "' não tem a linha " + std::to_string(indice));
    saida += Referencia(p, l, l.linha + indice);
    return true;
  }

  // Expands the references of formula, inside its texts too ("NF{i}"); j is the term of an enclosing
  // sum (-1 outside one).
  bool Expande(const Pendente& p, const std::string& formula, int j, std::string& saida) {
    std::size_t k = 0;
    while (k < formula.size()) {
      char c = formula[k];
      if (c == '}') return Falha("'}' sem '{'");
      if (c != '{') {
        saida += c;
        ++k;
        continue;
      }
      int nivel = 0;
      std::size_t fim = k;
      for (; fim < formula.size(); ++fim) {
        if (formula[fim] == '{') ++nivel;
        if (formula[fim] == '}' && --nivel == 0) break;
      }
      if (fim == formula.size()) return Falha("'{' sem '}'");
      const std::string dentro = formula.substr(k + 1, fim - k - 1);
      k = fim + 1;
      if (dentro.rfind("soma ", 0) == 0 || dentro.rfind("lista ", 0) == 0) {
        if (!Soma(p, dentro, saida)) return false;
      } else if (!Marcador(p, dentro, j, saida)) {
        return false;
      }
    }
    return true;
  }

  // A comparison ("=", "<", ">") or a joining ("&") outside parentheses, braces and quoted text:
  // both bind more loosely than the "+" the terms are added with.
  static bool ComparacaoNoTopo(const std::string& termo) {
    int nivel = 0;
    bool aspas = false;
    for (const char c : termo) {
      if (c == '"') aspas = !aspas;
      if (aspas) continue;
      if (c == '(' || c == '{') ++nivel;
      if (c == ')' || c == '}') --nivel;
      if (nivel == 0 && (c == '=' || c == '<' || c == '>' || c == '&')) return true;
    }
    return false;
  }

  // {soma j em Tabela: termo}: the term once for every row j of the table, added up; {lista ...}: the
  // terms separated by commas, as the arguments of a function (MAX).
  bool Soma(const Pendente& p, const std::string& dentro, std::string& saida) {
    std::istringstream s(dentro);
    std::string tipo, var, em, tabela;
    s >> tipo >> var >> em >> tabela;
    const bool soma = tipo == "soma";
    const std::size_t dois_pontos = dentro.find(':');
    if (!tabela.empty() && tabela.back() == ':') tabela.pop_back();
    if (var != "j" || em != "em" || dois_pontos == std::string::npos) return Falha("escreva {soma j em Tabela: termo} ou {lista j em Tabela: termo}");
    auto t = tabelas_.find(tabela);
    if (t == tabelas_.end()) return Falha("tabela '" + tabela + "' não está definida");
    const std::string termo = Apara(dentro.substr(dois_pontos + 1));
    // "+" binds tighter than "=" and "&": the terms A=B added up would read A=(B+C)=..., a silent
    // wrong sum.
    if (soma && ComparacaoNoTopo(termo)) return Falha("ponha entre parênteses o termo somado: " + termo);
    if (soma) saida += "(";
    for (int n = 0; n < t->second; ++n) {
      if (n > 0) saida += soma ? "+" : ",";
      if (!Expande(p, termo, n, saida)) return false;
    }
    if (soma) saida += ")";
    return true;
  }

  Pasta& pasta_;
  std::map<std::string, Lugar> lugares_;
  std::map<std::string, int> tabelas_;
  std::vector<Pendente> pendentes_;
  std::vector<Apelido> apelidos_;
  std::vector<Coluna> colunas_;
  std::string erro_, tabela_, titulo_tabela_;
  bool tabela_aberta_ = false;
  int numero_ = 0, folha_ = -1, linha_ = 0, linhas_tabela_ = 0;
};

}  // namespace

bool LeFonte(const std::string& texto, Pasta& pasta, std::string& erro) {
  pasta = Pasta{};
  return Leitor(pasta).Le(texto, erro);
}

}  // namespace planilha
