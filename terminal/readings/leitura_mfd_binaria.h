// "Leitura Binária da MFD": the printer's memory cartridges, read through the memory window, into
// LEITURA.MFD in the current folder.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "readings/arquivo_mfd.h"
#include "window/mainfrm.h"

namespace tarnel {

constexpr char kArquivoMFD[] = "LEITURA.MFD";

// The fields after a detail memory's pages in its section C.
struct TrailerMFD {
  std::uint32_t valor_a = 0;
  std::uint32_t paginas_usadas = 0;
  std::uint32_t bytes_mf_usados = 0;
  std::int16_t valor_b = 0;
};
// Those of a section C; nullopt when it is too short to hold them.
std::optional<TrailerMFD> LeTrailerMFD(const std::string& secao_c);

// Reads the cartridges into their images; false (the person told why) when a reading failed.
bool LeImagensMFD(TfrmMain& frm, ImagensMFD& imagens);

// The action: the driver's log is off while it runs and the transcript is cleared at the end.
bool LeituraMFDBinariaExecute(TfrmMain& frm);

}  // namespace tarnel
