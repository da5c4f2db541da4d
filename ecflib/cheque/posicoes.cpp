#include "posicoes.h"

#include <cstdio>
#include <cstring>

#include "api/codificacao.h"
#include "api/estado.h"
#include "compat/profile.h"

namespace plenvo {
namespace {

enum class Tipo : unsigned char {
  kLista,        // numbers, each zero-filled to its width (a width of 1 is the digit '0' + n)
  kEspacamento,  // at least 1; its first three characters, zero-filled on the left to three
  kColuna,       // at least 1; the integer its first three characters read, in three digits
};

struct Chave {
  const char* nome;
  int erro;
  Tipo tipo;
  int deslocamento;
  int quantos;
  int larguras[kMaximoNumerosLista];
};

constexpr int kErroValor = 22;
constexpr int kErroExtenso = 23;
constexpr int kErroFavorecido = 24;
constexpr int kErroCidade = 25;
constexpr int kErroMensagem = 26;
constexpr int kErroData = 27;
constexpr int kErroNumeroSimples = 28;

constexpr Chave Longa(const char* nome, int erro, int deslocamento) {
  return {nome, erro, Tipo::kLista, deslocamento, 4, {3, 2, 1, 1}};
}
constexpr Chave Curta(const char* nome, int erro, int deslocamento) {
  return {nome, erro, Tipo::kLista, deslocamento, 2, {2, 2}};
}
constexpr Chave ExtensoLongo(int deslocamento) {
  return {"Extenso", kErroExtenso, Tipo::kLista, deslocamento, 6, {3, 2, 3, 2, 1, 1}};
}
constexpr Chave Data(int deslocamento, int largura) {
  return {"Data", kErroData, Tipo::kLista, deslocamento, 3, {largura, largura, largura}};
}
constexpr Chave Espacamento(int deslocamento) {
  return {"eSpacamento", kErroNumeroSimples, Tipo::kEspacamento, deslocamento, 1, {3}};
}
constexpr Chave Coluna(const char* nome, int deslocamento) {
  return {nome, kErroNumeroSimples, Tipo::kColuna, deslocamento, 1, {3}};
}

constexpr Chave kLonga34[] = {
    Longa("Valor", kErroValor, 4),
    ExtensoLongo(11),
    Longa("Favorecido", kErroFavorecido, 23),
    Longa("Cidade", kErroCidade, 30),
    Longa("Mensagem", kErroMensagem, 37),
    Data(44, 3),
    Espacamento(185),
};

constexpr Chave kCurta34[] = {
    Curta("Valor", kErroValor, 4),
    {"Extenso", kErroExtenso, Tipo::kLista, 8, 4, {2, 2, 2, 2}},
    Curta("Favorecido", kErroFavorecido, 16),
    Curta("Cidade", kErroCidade, 20),
    Curta("Mensagem", kErroMensagem, 24),
    Data(28, 2),
    Espacamento(166),
};

constexpr Chave k58[] = {
    Longa("Valor", kErroValor, 4),
    ExtensoLongo(11),
    Longa("Favorecido", kErroFavorecido, 23),
    Longa("Cidade", kErroCidade, 30),
    Longa("Mensagem", kErroMensagem, 37),
    Longa("Mensagem2", kErroMensagem, 44),
    Longa("Mensagem3", kErroMensagem, 51),
    Data(58, 3),
    Espacamento(259),
    Coluna("ColBanco", 345),
    Coluna("ColConta", 358),
};

struct Lista {
  const Chave* chaves;
  int quantas;
};

template <int N>
constexpr Lista DeArranjo(const Chave (&chaves)[N]) {
  static_assert(N <= kMaximoChaves);
  return {chaves, N};
}

Lista ChavesDa(FormaCheque forma) {
  switch (forma) {
    case FormaCheque::kLonga34: return DeArranjo(kLonga34);
    case FormaCheque::kCurta34: return DeArranjo(kCurta34);
    case FormaCheque::k58: break;
  }
  return DeArranjo(k58);
}

constexpr int kValorMaximo = 79;  // longer values are refused rather than read cut short

// The key's value, "ERR" when missing; false when it is longer than kValorMaximo.
bool LeValor(const char* trabalho, const char* secao, const char* chave, char (&valor)[kValorMaximo + 2]) {
  return compat::profile_read_string(trabalho, secao, chave, "ERR", valor, sizeof valor) <= kValorMaximo;
}

int Teto(int largura) {
  int teto = 1;
  for (int i = 0; i < largura; ++i) teto *= 10;
  return teto - 1;
}

bool LeChave(const Chave& chave, const char* valor, ValorPosicao& lido) {
  switch (chave.tipo) {
    case Tipo::kLista:
      if (!LeListaNumeros(valor, chave.quantos, lido.numeros)) return false;
      for (int i = 0; i < chave.quantos; ++i)
        if (lido.numeros[i] > Teto(chave.larguras[i])) return false;
      return true;
    case Tipo::kEspacamento:
      if (LeInteiro(valor) < 1) return false;
      std::snprintf(lido.texto, sizeof lido.texto, "%.3s", valor);
      return true;
    case Tipo::kColuna: {
      if (LeInteiro(valor) < 1) return false;
      char tres[4];
      std::snprintf(tres, sizeof tres, "%.3s", valor);
      const long coluna = LeInteiro(tres);
      lido.numeros[0] = static_cast<int>(coluna);
      return coluna >= 0 && coluna <= Teto(3);
    }
  }
  return false;
}

void EscreveNumeroLista(unsigned char* destino, int largura, int numero) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "%0*d", largura, numero);
  std::memcpy(destino, texto, static_cast<std::size_t>(largura));
}

}  // namespace

int FormaPeloValor(const char* trabalho, const char* secao, FormaCheque& forma) {
  char valor[kValorMaximo + 2];
  if (!LeValor(trabalho, secao, "Valor", valor)) return kErroValor;
  int numeros[kMaximoNumerosLista];
  if (LeListaNumeros(valor, 4, numeros)) {
    forma = FormaCheque::kLonga34;
  } else if (LeListaNumeros(valor, 2, numeros)) {
    forma = FormaCheque::kCurta34;
  } else {
    return kErroValor;
  }
  return 0;
}

int LePosicoes(const char* trabalho, const char* secao, FormaCheque forma, Posicoes& lidas) {
  const Lista lista = ChavesDa(forma);
  for (int i = 0; i < lista.quantas; ++i) {
    const Chave& chave = lista.chaves[i];
    char valor[kValorMaximo + 2];
    if (!LeValor(trabalho, secao, chave.nome, valor) || !LeChave(chave, valor, lidas.valores[i])) return chave.erro;
  }
  return 0;
}

void EscrevePosicoes(FormaCheque forma, const Posicoes& lidas) {
  const Lista lista = ChavesDa(forma);
  for (int i = 0; i < lista.quantas; ++i) {
    const Chave& chave = lista.chaves[i];
    const ValorPosicao& lido = lidas.valores[i];
    unsigned char* destino = Plenvo().quadro + chave.deslocamento;
    switch (chave.tipo) {
      case Tipo::kLista:
        for (int n = 0; n < chave.quantos; ++n) {
          EscreveNumeroLista(destino, chave.larguras[n], lido.numeros[n]);
          destino += chave.larguras[n];
        }
        break;
      case Tipo::kEspacamento: {
        const std::size_t tamanho = std::strlen(lido.texto);
        std::memset(destino, '0', 3 - tamanho);
        std::memcpy(destino + (3 - tamanho), lido.texto, tamanho);
        break;
      }
      case Tipo::kColuna:
        EscreveNumeroLista(destino, 3, lido.numeros[0]);
        break;
    }
  }
}

}  // namespace plenvo
