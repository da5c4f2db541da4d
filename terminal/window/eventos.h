// Events the driver layer and the register reader raise on the model; features above them (mirroring,
// register reading, first copy, the command file's recorder) observe them and decide by themselves
// whether to act.
#pragma once
#include <cstdint>
#include <string>

#include "quorbal/comandos.h"

namespace tarnel {

// A command the library carried out, with its reply taken into the fields.
struct ComandoExecutado {
  int indice = -1;               // catalogue index; -1 for a name outside the catalogue
  std::string nome;              // as sent (the selected entry's name in last-reply mode too)
  std::int32_t codigo_erro = 0;  // CodigoErro after the reply
  bool para_host = false;        // a reading with a destination, sent with Destino "S" (to the host)
  bool lendo_registrador = false;  // sent on a feature's own behalf (ExecutaSemSeguimento): no follow-up

  bool Eh(quorbal::Comando comando) const { return indice == quorbal::Posicao(comando); }
};

// The steps after a command, in the order they run whatever the order the features attached in: the
// command is mirrored into the workbook, then the register is read, then the print is captured as
// first copy; the window's own views follow.
enum EtapaAposComando : int {
  kEtapaEspelhamento = 0,
  kEtapaLeituraRegistrador = 1,
  kEtapaPrimeiraVia = 2,
  kEtapaJanela = 3,
};

// The Connect toggle opened or closed the channel.
struct EventoConexao {
  enum class Tipo { Aberta, Fechada };
  Tipo tipo = Tipo::Aberta;
  std::string canal;       // CanalConectado: the channel opened, or the one being closed
  bool iniciando = false;  // Iniciando was set (start-up)
};

// The register button switched automatic reading on or off.
struct EventoLeituraAutomatica {
  bool ligada = false;
  bool iniciando = false;  // Iniciando was set (start-up)
};

}  // namespace tarnel
