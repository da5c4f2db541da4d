// The emulated fiscal printer: receives named-parameter commands as texts, validates them against
// the protocol catalogue, acts on its fiscal state and answers with an error or named returns.
// Its state lives in a folder: the context file rasc<n>.bin (fiscal state, written after every command
// that changes it) and the memories' append-only files beside it (see emul/ecf/README.md). Used by the driver-library stand-in (channel "Emul"), the vendor-library
// stand-in and the serial printer simulator.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "quorbal/registro.h"

namespace ecf {

// The protocol's named value; the emulator's commands and replies carry these.
using Item = quorbal::Item;

struct Resposta {
  std::int32_t codigo_erro = 0;  // 0 = success
  std::string nome_erro;         // "NoError" on success
  std::string circunstancia;     // what was wrong, for the user; empty on success
  std::vector<Item> retornos;    // in catalogue order, only on success
};

// Result of the register look-up used by DROVIK_LeRegistrador.
enum class LeituraRegistrador {
  kComando = 0,             // comando holds the reading command's name
  kInexistente = -1,        // no register of that name
  kSemParametro = -2,       // the reading command has no parameter
  kSemParametroNome = -3,   // the reading command has no "Nome..." parameter
  kTipoIncompativel = -4,   // no command reads a register of that type
};

// Which reading command (LeInteiro, LeMoeda, LeTexto, LeData, LeHora, LeIndicador) reads the
// register; indexed names such as "TotalDiaValorAliquota[3]" are accepted. The protocol's register
// table answers it, the same for every printer and with none connected.
LeituraRegistrador ComandoDeLeitura(const std::string& registrador, std::string& comando);

class Impressora {
 public:
  // Opens (or creates, as a fresh printer ready for work) the printer whose context file is
  // pasta/rasc<numero>.bin. A damaged context file is restored from the emulator's own copy.
  // One program at a time has a printer open: while another holds it (after a wait of
  // kEsperaOcupada ms) the opening fails, as it does when the files cannot be read or written.
  // nullptr on failure, with the reason in *motivo when given.
  static std::unique_ptr<Impressora> Abre(const std::string& pasta, int numero = 0, std::string* motivo = nullptr);
  static constexpr int kEsperaOcupada = 2000;
  virtual ~Impressora() = default;

  // Executes one command. Parameters are validated against the catalogue (unknown command,
  // unknown parameter, value not fitting its type or size, missing mandatory parameter) before
  // anything changes; a refused command never changes the state.
  virtual Resposta Executa(const std::string& comando, const std::vector<Item>& parametros) = 0;

  // Path of the context file in use.
  virtual std::string ArquivoContexto() const = 0;
};

}  // namespace ecf
