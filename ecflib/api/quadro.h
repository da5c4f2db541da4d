// Formats a frame in the staging buffer: ESC 'f', the two-digit command number, then the row's
// fields from the call's arguments.
#pragma once
#include <cstddef>

#include "tabela.h"

namespace plenvo {

// 0 when the frame is written; kGrandeDemais (nothing written) when an argument is null or an Nn
// value needs more than n characters.
int FormataQuadro(const LinhaTabela& linha, const char* const* argumentos, std::size_t quantos);

// Only ESC 'f' and the command number.
void FormataCabecaQuadro(const LinhaTabela& linha);

// Writes the fields into the staging buffer from the arguments; the same refusal as FormataQuadro
// (checked for every field before any is written). For frames whose fields the table does not hold.
int EscreveCampos(const Campo* campos, int quantos_campos, const char* const* argumentos, std::size_t quantos);

}  // namespace plenvo
