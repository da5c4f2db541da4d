// The contents of the printer's longer answers: register data, readings, the CMC-7 line.
#pragma once
#include <string>

#include "serialsim/respondedor.h"

namespace serialsim {

constexpr int kTamanhoRegistrador = 30;

// "04": 30 bytes for the register named by the frame's three-character number; false when that
// number is not a number.
bool DadosRegistrador(const Comportamento& c, const std::string& quadro, std::string& dados);

// "16": true for the stream modes '4' to '7', with the text and its ETX in `fluxo`.
bool LeituraEcf(const Comportamento& c, const std::string& quadro, std::string& fluxo);

// "53": STX and the CMC-7 line, or '!' when no cheque is in the printer.
std::string LeituraCmc7(const Comportamento& c);

}  // namespace serialsim
