// The printer's memory window, as the basic-software and memory readings address it: below
// 0x10000000 the basic software, from there on the cartridges. Base + (n << 28) selects cartridge n.
// The emulated printer answers from this map and Tarnel's dump reads by it.
#pragma once
#include <cstddef>
#include <cstdint>

namespace quorbal::mapa_memoria {

constexpr std::uint32_t kContagens = 0x10000000;              // 4 bytes: counts of initialised and of
                                                              // not-initialised cartridges (16 bits each)
constexpr std::uint32_t kListaInicializados = 0x11000000;     // 5 entries of 30 bytes (0xFF = free):
                                                              // number, flags (1 MF, 2 MFD), MFD serial (20),
                                                              // MFD pages used (32 bits), MF bytes used (32 bits)
constexpr std::uint32_t kListaNaoInicializados = 0x12000000;  // 4 entries of 16 bytes: number, flags,
                                                              // MFD area size (32 bits), zeros
constexpr std::uint32_t kInformacoes = 0x78000000;            // information record of cartridge n
constexpr std::uint32_t kAreaMF = 0x70000000;                 // fiscal memory of cartridge n (unwritten 0xFF)
constexpr std::uint32_t kAreaMFD = 0x30000000;                // detail-memory pages of cartridge n

constexpr std::size_t kEntradasInicializados = 5, kEntradaInicializado = 30;
constexpr std::size_t kEntradasNaoInicializados = 4, kEntradaNaoInicializado = 16;
constexpr std::uint8_t kTemMF = 1, kTemMFD = 2;

// The information record: the MFD's header page (page 0), then these fields (little-endian).
constexpr std::size_t kTamanhoInformacoes = 783;
constexpr std::size_t kPaginaCabecalho = 528;  // bytes of the header page at the record's start
constexpr std::size_t kInfoNumero = 528, kInfoInicializado = 529, kInfoSerieMFD = 530, kInfoSerieECF = 550,
                      kInfoTamanhoAreaMF = 756, kInfoTamanhoAreaMFD = 760, kInfoPaginasArea = 764,
                      kInfoUltimoCOO = 768, kInfoPaginasUsadas = 772, kInfoBytesMFUsados = 776,
                      kInfoReducoes = 780, kInfoEstado = 782;

constexpr std::uint32_t Endereco(std::uint32_t base, unsigned cartucho) {
  return base + (static_cast<std::uint32_t>(cartucho) << 28);
}

}  // namespace quorbal::mapa_memoria
