// The memory window behind the registers EnderecoSoftwareBasico, SoftwareBasico and
// TamanhoSoftwareBasico. Below 0x10000000 lies the basic software; from there on the cartridge map:
//   0x10000000             4 bytes  counts of initialised and of not-initialised cartridges (16 bits each)
//   0x11000000           150 bytes  initialised cartridges, 5 entries of 30 bytes (0xFF = free entry):
//                                   number, flags (1 = MF, 2 = MFD), MFD serial number (20),
//                                   MFD pages used (32 bits), MF bytes used (32 bits)
//   0x12000000            64 bytes  not-initialised cartridges, 4 entries of 16 bytes:
//                                   number, flags, MFD area size (32 bits), zeros
//   0x78000000 + n<<28   783 bytes  information record of cartridge n (see InformacoesCartucho)
//   0x70000000 + n<<28   MF area    fiscal memory of cartridge n (unwritten bytes 0xFF)
//   0x30000000 + n<<28   MFD area   detail-memory pages of cartridge n, 528 bytes each
// This printer has one cartridge, number 0, holding both memories; it counts as not initialised
// until its detail memory is.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "memorias/memoria_fiscal.h"
#include "memorias/memoria_fita_detalhe.h"
#include "memorias/software_basico.h"

namespace ecf::memorias {

struct LeituraMemoria {
  bool ok = false;
  std::string bytes;          // on success: 1 to kMaximoPorLeitura bytes from the address on
  std::string nome_erro;      // on failure: the protocol error to answer with
  std::string circunstancia;  // on failure: what was wrong
};

class JanelaMemoria {
 public:
  static constexpr std::size_t kMaximoPorLeitura = 256;
  static constexpr std::uint32_t kContagens = 0x10000000;
  static constexpr std::uint32_t kListaInicializados = 0x11000000;
  static constexpr std::uint32_t kListaNaoInicializados = 0x12000000;
  static constexpr std::uint32_t kInformacoes = 0x78000000;
  static constexpr std::uint32_t kAreaMF = 0x70000000;
  static constexpr std::uint32_t kAreaMFD = 0x30000000;
  static constexpr std::size_t kTamanhoInformacoes = 783;
  static constexpr unsigned kCartucho = 0;

  JanelaMemoria(const SoftwareBasico& software, const MemoriaFiscal& fiscal, const MemoriaFitaDetalhe& fita)
      : software_(software), fiscal_(fiscal), fita_(fita) {}

  // Bytes from the address on, at most `maximo` and never past the end of the area holding it.
  LeituraMemoria Le(std::uint32_t endereco, std::size_t maximo = kMaximoPorLeitura) const;

  std::string Contagens() const;
  std::string ListaInicializados() const;
  std::string ListaNaoInicializados() const;
  // Offsets: 0 header page (528, the MFD's page 0; 0xFF while not initialised), 528 number,
  // 529 initialised flag, 530 MFD serial (20), 550 ECF serial (20), 756 MF area size, 760 MFD
  // area size (bytes, in pages of 512), 764 MFD area pages, 768 last COO recorded in the MFD,
  // 772 MFD pages used, 776 MF bytes used, 780 number of Z records (16 bits), 782 state
  // (signed: 1 initialised, 0 not).
  std::string InformacoesCartucho(unsigned numero) const;

 private:
  std::size_t AreaMFD() const;  // bytes of the detail memory's whole area, in pages of 528
  const SoftwareBasico& software_;
  const MemoriaFiscal& fiscal_;
  const MemoriaFitaDetalhe& fita_;
};

// Two characters per byte, high half first, capital letters.
std::string Hexadecimal(std::string_view bytes);

}  // namespace ecf::memorias
