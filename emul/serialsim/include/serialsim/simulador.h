// A fiscal printer on a pseudo-terminal: the host opens the slave device (Caminho()) as it would
// a serial port; a background thread answers its frames through a Respondedor. A host's close of
// the device ends its session: exclusive mode goes off, a frame it left unfinished is answered as
// malformed as after silence, and whatever answers it did not read are dropped.
#pragma once
#include <memory>
#include <string>

#include "serialsim/respondedor.h"

namespace serialsim {

class Simulador {
 public:
  explicit Simulador(const std::string& pasta_emulador);
  ~Simulador();  // stops
  Simulador(const Simulador&) = delete;
  Simulador& operator=(const Simulador&) = delete;

  bool Inicia();                // opens the pseudo-terminal and starts serving; false on failure
  std::string Caminho() const;  // slave device path, e.g. /dev/pts/7; empty before Inicia
  std::string Erro() const;     // why Inicia failed
  void Para();                  // stops serving and closes the pseudo-terminal
  void DesligaPar();            // the printer goes away: the host sees I/O errors, the path vanishes
  // The printer goes away as DesligaPar does, right after its next answer is on the line: with
  // Comportamento::resposta_curta, in the middle of a reply.
  void DesligaAposResponder();
  Respondedor& respondedor();   // thread-safe
  // Waits until every byte the host sent was answered, every answer is on the line (what the host
  // did not read stays there until it reads or purges) and every close of the line by a host has
  // been dealt with. False when that takes longer than limite_ms, e.g. an answer larger than the
  // line holds that nobody reads.
  bool EsperaOcioso(int limite_ms = 5000);

 private:
  struct Estado;
  std::unique_ptr<Estado> estado_;
};

}  // namespace serialsim
