// The field encodings of the command frames. Each writes exactly its width; nothing separates
// fields.
//   Tn  text left-aligned, padded on the right with blanks, cut after n characters
//   Rn  text right-aligned, padded on the left with blanks, cut after n characters
//   Nn  decimal integer, zero-filled on the left to n digits
//   C   the first character of the text
#pragma once

namespace plenvo {

void EscreveTexto(unsigned char* destino, int largura, const char* texto);    // Tn
void EscreveDireita(unsigned char* destino, int largura, const char* texto);  // Rn
void EscreveCaractere(unsigned char* destino, const char* texto);             // C

// The text read as a decimal integer: blanks, an optional sign and digits; no digits gives 0.
// Values beyond the range of long saturate.
long LeInteiro(const char* texto);

// Nn: false (nothing written) when the value needs more than largura characters.
bool CabeNumero(long valor, int largura);
bool EscreveNumero(unsigned char* destino, int largura, long valor);

}  // namespace plenvo
