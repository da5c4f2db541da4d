// The position keys of a cheque layout section and where their numbers go in the frame. Each
// frame form has its own list, in the order the keys are read; the first key that is missing
// ("ERR"), longer than 79 characters, not a valid list, or holding a number wider than its field
// gives that key's error result (22 to 28).
#pragma once

#include "lista_numeros.h"

namespace plenvo {

enum class FormaCheque {
  kLonga34,  // "34", 189 bytes: 4-number positions
  kCurta34,  // "34", 169 bytes: 2-number positions, every number in two digits
  k58,       // "58", 361 bytes: the long positions plus two more messages and two columns
};

constexpr int kMaximoChaves = 11;

struct ValorPosicao {
  int numeros[kMaximoNumerosLista];
  char texto[4];  // "eSpacamento": its first three characters
};

struct Posicoes {
  ValorPosicao valores[kMaximoChaves];
};

// The form "Valor" selects for ecf_ImprimeCheque: 4 numbers the long one, else 2 numbers the short
// one; 0, or "Valor"'s error result (22) for neither.
int FormaPeloValor(const char* trabalho, const char* secao, FormaCheque& forma);

// Reads and checks every key of the form; 0, or the first failing key's error result.
int LePosicoes(const char* trabalho, const char* secao, FormaCheque forma, Posicoes& lidas);

// Writes the positions read into the staging buffer at their offsets.
void EscrevePosicoes(FormaCheque forma, const Posicoes& lidas);

}  // namespace plenvo
