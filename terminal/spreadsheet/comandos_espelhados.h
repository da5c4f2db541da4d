// The commands mirrored into the spreadsheet after success, in the order the workbook knows them.
#pragma once
#include "quorbal/comandos.h"

namespace tarnel {

constexpr int kTotalComandosEspelhados = 21;
extern const quorbal::Comando kComandosEspelhados[kTotalComandosEspelhados];

// Position of the catalogue entry in the list, -1 when it is not mirrored (or outside the catalogue).
int PosicaoEspelhado(int indice_catalogo);

}  // namespace tarnel
