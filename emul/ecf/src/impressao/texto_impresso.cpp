#include "impressao/texto_impresso.h"

#include <vector>

namespace ecf::impressao {

namespace {

// Cuts a clean text into pieces of at most `largura` characters, preferring to break at a blank.
std::vector<std::string> Quebra(const std::string& texto, std::size_t largura) {
  std::vector<std::string> partes;
  std::size_t inicio = 0;
  while (texto.size() - inicio > largura) {
    std::size_t corte = texto.rfind(' ', inicio + largura);
    std::size_t proximo;
    if (corte == std::string::npos || corte <= inicio) {
      corte = inicio + largura;
      proximo = corte;
    } else {
      proximo = corte + 1;
    }
    partes.push_back(texto.substr(inicio, corte - inicio));
    inicio = proximo;
  }
  partes.push_back(texto.substr(inicio));
  return partes;
}

std::string Alinha(const std::string& texto, Alinhamento alinhamento, std::size_t largura) {
  if (texto.size() >= largura || alinhamento == Alinhamento::kEsquerda) return texto;
  const std::size_t folga = largura - texto.size();
  const std::size_t esquerda = alinhamento == Alinhamento::kCentro ? folga / 2 : folga;
  return std::string(esquerda, ' ') + texto;
}

std::string Agrupa(std::uint64_t n) {
  std::string digitos = std::to_string(n);
  std::string saida;
  for (std::size_t i = 0; i < digitos.size(); ++i) {
    if (i > 0 && (digitos.size() - i) % 3 == 0) saida += '.';
    saida += digitos[i];
  }
  return saida;
}

std::string ComDecimais(std::int64_t valor, std::int64_t escala, int casas, bool agrupa) {
  const bool negativo = valor < 0;
  const std::uint64_t absoluto = negativo ? 0 - static_cast<std::uint64_t>(valor) : static_cast<std::uint64_t>(valor);
  const std::uint64_t inteiro = absoluto / static_cast<std::uint64_t>(escala);
  const std::uint64_t fracao = absoluto % static_cast<std::uint64_t>(escala);
  std::string saida = negativo ? "-" : "";
  saida += agrupa ? Agrupa(inteiro) : std::to_string(inteiro);
  saida += ',';
  saida += Numero(fracao, casas);
  return saida;
}

}  // namespace

int ContaQuebras(std::string_view impresso) {
  int total = 0;
  for (std::size_t i = impresso.find(kQuebraLinha); i != std::string_view::npos; i = impresso.find(kQuebraLinha, i + 2))
    ++total;
  return total;
}

std::string Limpa(std::string_view texto) {
  std::string saida(texto);
  for (char& c : saida) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) c = ' ';
  }
  return saida;
}

void TextoImpresso::Emite(std::string_view linha, bool negrito, bool expandido) {
  if (expandido) texto_ += kExpandidoLiga;
  if (negrito) texto_ += kNegritoLiga;
  texto_ += linha;
  if (negrito) texto_ += kNegritoDesliga;
  if (expandido) texto_ += kExpandidoDesliga;
  texto_ += kQuebraLinha;
}

void TextoImpresso::Linha(std::string_view texto, Alinhamento alinhamento, bool negrito) {
  for (const std::string& parte : Quebra(Limpa(texto), kColunas)) Emite(Alinha(parte, alinhamento, kColunas), negrito, false);
}

namespace {
// Lines for a left/right pair within `largura` columns.
std::vector<std::string> MontaColunas(std::string_view esquerda, std::string_view direita, std::size_t largura) {
  std::string dir = Limpa(direita);
  if (dir.size() > largura) dir.resize(largura);
  std::vector<std::string> linhas;
  std::string esq = Limpa(esquerda);
  if (esq.size() + 1 + dir.size() > largura) {
    std::vector<std::string> partes = Quebra(esq, largura);
    esq = partes.back();
    partes.pop_back();
    linhas = partes;
    if (esq.size() + 1 + dir.size() > largura) {
      linhas.push_back(esq);
      esq.clear();
    }
  }
  linhas.push_back(esq + std::string(largura - esq.size() - dir.size(), ' ') + dir);
  return linhas;
}
}  // namespace

void TextoImpresso::Colunas(std::string_view esquerda, std::string_view direita, bool negrito) {
  for (const std::string& linha : MontaColunas(esquerda, direita, kColunas)) Emite(linha, negrito, false);
}

void TextoImpresso::ColunasExpandidas(std::string_view esquerda, std::string_view direita) {
  for (const std::string& linha : MontaColunas(esquerda, direita, kColunasExpandidas)) Emite(linha, true, true);
}

void TextoImpresso::Separador(char c) { Emite(std::string(kColunas, c), false, false); }

void TextoImpresso::Secao(std::string_view titulo) {
  std::string meio = " " + Limpa(titulo) + " ";
  if (meio.size() > kColunas) meio.resize(kColunas);
  const std::size_t esquerda = (kColunas - meio.size()) / 2;
  Emite(std::string(esquerda, '-') + meio + std::string(kColunas - esquerda - meio.size(), '-'), false, false);
}

void TextoImpresso::TextoLivre(std::string_view texto) {
  if (texto.empty()) return;
  std::size_t inicio = 0;
  while (inicio <= texto.size()) {
    std::size_t fim = texto.find_first_of("\r\n", inicio);
    if (fim == std::string_view::npos) fim = texto.size();
    Linha(texto.substr(inicio, fim - inicio));
    if (fim == texto.size()) break;
    inicio = fim + ((texto[fim] == '\r' && fim + 1 < texto.size() && texto[fim + 1] == '\n') ? 2 : 1);
    if (inicio == texto.size()) break;  // a final line break adds no empty line
  }
}

std::string Valor(std::int64_t centavos) { return ComDecimais(centavos, 100, 2, true); }
std::string ValorComSinal(std::int64_t centavos) { return (centavos >= 0 ? "+" : "") + Valor(centavos); }

std::string Direita(std::string_view texto, std::size_t largura) {
  std::string s(texto);
  if (s.size() < largura) s.insert(0, largura - s.size(), ' ');
  return s;
}

std::string Milesimos(std::int64_t milesimos) { return ComDecimais(milesimos, 1000, 3, false); }
std::string Percentual(std::int32_t centesimos) { return ComDecimais(centesimos, 100, 2, false); }

std::string Numero(std::uint64_t n, int digitos) {
  std::string s = std::to_string(n);
  if (static_cast<int>(s.size()) < digitos) s.insert(0, static_cast<std::size_t>(digitos) - s.size(), '0');
  return s;
}

}  // namespace ecf::impressao
