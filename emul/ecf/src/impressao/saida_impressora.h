// The output of the emulated printer: turns the fiscal core's print events into printed text,
// keeps what was printed for LeImpressao, records documents in the detail memory and Z reductions
// in the fiscal memory, and serves the memory window.
#pragma once
#include <cstdint>
#include <memory>

#include "impressao/saida.h"
#include "memorias/memoria_fita_detalhe.h"

namespace ecf {

// paginas_mfd: size of each detail memory the printer starts (tests use small ones).
std::unique_ptr<Saida> CriaSaidaImpressora(
    std::uint32_t paginas_mfd = memorias::MemoriaFitaDetalhe::kPaginasArea);

}  // namespace ecf
