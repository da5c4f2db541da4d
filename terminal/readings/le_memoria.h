// The printer's memory through its memory window: writing the integer register
// EnderecoSoftwareBasico selects an address, the text register SoftwareBasico answers the bytes from
// there on in hexadecimal, TamanhoSoftwareBasico gives the size of the basic software, which lies
// below kInicioCartuchos. Every command goes through the execute path, as the window's own would.
#pragma once
#include <cstdint>
#include <string>

#include "window/mainfrm.h"

namespace tarnel {

constexpr std::uint32_t kInicioCartuchos = 0x10000000;

// Reads `quantidade` bytes from `endereco` on into the file `arquivo` or, when destino is given, onto
// the end of *destino (never more than quantidade bytes there). Below kInicioCartuchos the whole basic
// software is read into the file instead, resuming a shorter file of an earlier reading; into the
// buffer it is read from endereco on, the whole of it when quantidade is 0. Failures
// are shown to the person and return false; the bytes already stored stay. `anuncia` tells the person
// the file was made. Progress is reported after every piece and ended however the reading ends;
// between two pieces the person may stop it (Interacao::CancelamentoPedido), which returns false
// without a message and sets *cancelado when given.
bool LeMemoriaECF(TfrmMain& frm, const std::string& arquivo, bool anuncia, std::uint32_t endereco,
                  std::uint32_t quantidade, std::string* destino, bool* cancelado = nullptr);

// The file of the "Leitura do Software Básico" entry: VardexII.bin in the folder of the command file
// last chosen, or in the current folder when none was.
std::string ArquivoSoftwareBasico(const TfrmMain& frm);

// The entry "Leitura do &Software Básico": the whole basic software into that file.
bool LeituradoSoftwareBasicoClick(TfrmMain& frm);

}  // namespace tarnel
