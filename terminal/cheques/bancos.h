// CHEQUES.INI, the bank layouts: per bank (a section named by its number, "0" to "999") a
// description and the print positions of the cheque command's fields.
#pragma once
#include <array>
#include <string>

#include "window/mainfrm.h"

namespace tarnel {

extern const char kArquivoBancos[];  // "CHEQUES.INI"

// The position keys read from a bank's section, in the order they are read, confirmed and filled.
// The cheque command's other positions (second and third message lines) never come from the file.
constexpr int kTotalPosicoesCheque = 15;
extern const char* const kPosicoesCheque[kTotalPosicoesCheque];
using PosicoesCheque = std::array<int, kTotalPosicoesCheque>;

// The file in the current folder.
std::string CaminhoArquivoBancos();

// Fills ListaBancos and ListaSecoesBancos with the sections "0" to "999" whose "Observacao" is not
// empty; both stay empty when the file does not exist.
void CarregaBancos(TfrmMain& frm);

// A bank's description (at most 119 characters) and positions (-1 for a key the section lacks).
std::string ObservacaoBanco(const std::string& secao);
PosicoesCheque PosicoesBanco(const std::string& secao);

}  // namespace tarnel
