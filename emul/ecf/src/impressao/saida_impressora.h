// The output of the emulated printer: turns the fiscal core's print events into printed text,
// keeps what was printed for LeImpressao, records documents in the detail memory and Z reductions
// in the fiscal memory, and serves the memory window.
#pragma once
#include <memory>

#include "saida.h"

namespace ecf {

std::unique_ptr<Saida> CriaSaidaImpressora();

}  // namespace ecf
