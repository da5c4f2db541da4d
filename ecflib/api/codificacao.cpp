#include "codificacao.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

namespace plenvo {
namespace {

int TamanhoLimitado(const char* texto, int largura) {
  int n = 0;
  while (n < largura && texto[n] != '\0') ++n;
  return n;
}

}  // namespace

void EscreveTexto(unsigned char* destino, int largura, const char* texto) {
  const int n = TamanhoLimitado(texto, largura);
  std::memcpy(destino, texto, static_cast<size_t>(n));
  std::memset(destino + n, ' ', static_cast<size_t>(largura - n));
}

void EscreveDireita(unsigned char* destino, int largura, const char* texto) {
  const int n = TamanhoLimitado(texto, largura);
  std::memset(destino, ' ', static_cast<size_t>(largura - n));
  std::memcpy(destino + (largura - n), texto, static_cast<size_t>(n));
}

void EscreveCaractere(unsigned char* destino, const char* texto) { destino[0] = static_cast<unsigned char>(texto[0]); }

long LeInteiro(const char* texto) {
  const char* p = texto;
  while (std::isspace(static_cast<unsigned char>(*p))) ++p;
  bool negativo = false;
  if (*p == '+' || *p == '-') negativo = *p++ == '-';
  long valor = 0;
  for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
    const int digito = *p - '0';
    if (valor > (LONG_MAX - digito) / 10) return negativo ? LONG_MIN : LONG_MAX;
    valor = valor * 10 + digito;
  }
  return negativo ? -valor : valor;
}

bool CabeNumero(long valor, int largura) {
  char texto[32];
  const int n = std::snprintf(texto, sizeof texto, "%0*ld", largura, valor);
  return n > 0 && n <= largura;
}

bool EscreveNumero(unsigned char* destino, int largura, long valor) {
  char texto[32];
  const int n = std::snprintf(texto, sizeof texto, "%0*ld", largura, valor);
  if (n <= 0 || n > largura) return false;
  std::memcpy(destino, texto, static_cast<size_t>(n));
  return true;
}

}  // namespace plenvo
