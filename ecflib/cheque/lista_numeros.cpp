#include "lista_numeros.h"

namespace plenvo {

bool LeListaNumeros(const char* texto, int quantos, int* numeros) {
  if (quantos < 1 || quantos > kMaximoNumerosLista) return false;
  for (int i = 0; i < quantos; ++i) numeros[i] = -1;
  int posicao = 0;
  for (const char* p = texto; *p != '\0';) {
    if (*p == ',') {
      ++posicao;
      ++p;
    } else if (*p >= '0' && *p <= '9') {
      int valor = 0;
      for (; *p >= '0' && *p <= '9'; ++p) valor = valor >= kTetoNumeroLista ? kTetoNumeroLista : valor * 10 + (*p - '0');
      if (valor > kTetoNumeroLista) valor = kTetoNumeroLista;
      if (posicao < quantos) numeros[posicao] = valor;
    } else {
      ++p;
    }
  }
  if (posicao != quantos - 1) return false;
  for (int i = 0; i < quantos; ++i)
    if (numeros[i] < 0) return false;
  return true;
}

}  // namespace plenvo
