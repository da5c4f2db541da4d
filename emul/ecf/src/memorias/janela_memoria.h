// The memory window behind the registers EnderecoSoftwareBasico, SoftwareBasico and
// TamanhoSoftwareBasico, laid out by quorbal/mapa_memoria.h. This printer has one cartridge, number 0,
// holding both memories; it counts as not initialised until its detail memory is.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "memorias/memoria_fiscal.h"
#include "memorias/memoria_fita_detalhe.h"
#include "memorias/software_basico.h"
#include "quorbal/mapa_memoria.h"

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
  static constexpr std::uint32_t kContagens = quorbal::mapa_memoria::kContagens;
  static constexpr std::uint32_t kListaInicializados = quorbal::mapa_memoria::kListaInicializados;
  static constexpr std::uint32_t kListaNaoInicializados = quorbal::mapa_memoria::kListaNaoInicializados;
  static constexpr std::uint32_t kInformacoes = quorbal::mapa_memoria::kInformacoes;
  static constexpr std::uint32_t kAreaMF = quorbal::mapa_memoria::kAreaMF;
  static constexpr std::uint32_t kAreaMFD = quorbal::mapa_memoria::kAreaMFD;
  static constexpr std::size_t kTamanhoInformacoes = quorbal::mapa_memoria::kTamanhoInformacoes;
  static constexpr unsigned kCartucho = 0;

  JanelaMemoria(const SoftwareBasico& software, const MemoriaFiscal& fiscal, const MemoriaFitaDetalhe& fita)
      : software_(software), fiscal_(fiscal), fita_(fita) {}

  // Bytes from the address on, at most `maximo` and never past the end of the area holding it.
  LeituraMemoria Le(std::uint32_t endereco, std::size_t maximo = kMaximoPorLeitura) const;

  std::string Contagens() const;
  std::string ListaInicializados() const;
  std::string ListaNaoInicializados() const;
  // The information record, with the fields at the offsets the map gives.
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
