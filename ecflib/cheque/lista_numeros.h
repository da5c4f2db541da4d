// Number lists of the cheque layouts: "5,3,0,1". Every position starts empty; a comma moves to the
// next position; a run of digits is a number for the current position (a later run in the same
// position replaces it); any other character is ignored. A list of k numbers is valid with exactly
// k - 1 commas and no position left empty.
#pragma once

namespace plenvo {

constexpr int kMaximoNumerosLista = 6;
// Numbers are read up to this value; a longer run of digits stays at it, which no field can hold.
constexpr int kTetoNumeroLista = 1000000;

// False when the list is not valid (or quantos is outside 1..kMaximoNumerosLista); numeros
// receives the quantos numbers either way (-1 for an empty position).
bool LeListaNumeros(const char* texto, int quantos, int* numeros);

}  // namespace plenvo
