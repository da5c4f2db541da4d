// What the printer would print for a cheque frame ("34" long and short, "58"): each position key
// with its numbers as the frame carries them, then each text without its padding. The record is
// readable text, one item a line (LF), starting with "cheque <number> (<length> bytes)".
#pragma once
#include <string>

namespace serialsim {

// False when the frame is no cheque frame of a known length.
bool DescreveCheque(const std::string& quadro, std::string& descricao);

}  // namespace serialsim
