// The command catalogue of the fiscal command protocol: 68 commands in alphabetical order, each
// with its named, typed parameters and returns. Tarnel builds its command list from it and the
// emulated printer validates what it receives against it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "quorbal/comandos.h"

namespace quorbal {

// Type codes, as passed to DROVIK_AdicionaParam.
enum TipoCampo : std::uint8_t {
  kBool = 0,
  kChar = 1,
  kData = 2,
  kHora = 3,
  kInt = 4,
  kLong = 5,
  kMoeda = 6,
  kString = 7,
  kUChar = 8,
  kUInt = 9,
  kULong = 10,
};
constexpr int kTotalTipos = 11;

// Name of a type code ("bool" .. "ulong"); "" for a code out of range.
const char* NomeTipo(int tipo);

// Lookups compare at most this many characters of a field name.
constexpr std::size_t kTamanhoNomeSignificativo = 30;

struct DescritorCampo {
  const char* nome;
  std::uint8_t tipo;
  std::int16_t tamanho;    // string: maximum length in characters; others: stored size in bytes
  std::uint16_t decimais;  // moeda: decimal places
  std::uint8_t obrigatorio;
};

struct DescritorComando {
  const char* nome;
  std::uint32_t total_retornos;
  const DescritorCampo* retornos;
  std::uint32_t total_parametros;
  const DescritorCampo* parametros;
};

static_assert(kTotalComandos == 68);
extern const DescritorComando kCatalogo[kTotalComandos];

inline const DescritorComando& Descritor(Comando comando) { return kCatalogo[Posicao(comando)]; }

// Index of the command whose whole name equals nome ignoring letter case; -1 when absent.
int ProcuraComando(std::string_view nome);

// Index of the field whose name equals nome over at most 30 characters, case included; -1 when absent.
int ProcuraCampo(const DescritorCampo* campos, std::uint32_t total, std::string_view nome);

}  // namespace quorbal
