// Cuts the byte stream coming from the host into frames. A frame starts with ESC 'f' and two
// digits and is as long as its command says; bytes outside frames are dropped until the next
// ESC 'f', so the printer finds its footing again after line noise.
#pragma once
#include <string>

#include "tabela_comandos.h"

namespace serialsim {

struct Quadro {
  std::string bytes;
  int numero = -1;      // command number, -1 when the header was not readable
  bool valido = false;  // false: unknown number, bad digits, bad length or cut short
};

class Enquadrador {
 public:
  void Acrescenta(const std::string& bytes);

  // Takes the next frame out of the stream. With `silencio` the line has gone quiet, so the host
  // is waiting for an answer: a frame that may end at a shorter length ends there, and an
  // unfinished frame is given up as a malformed one. False when no frame is complete yet.
  bool Proximo(Quadro& quadro, bool silencio);

  bool Pendente() const { return !pendente_.empty(); }
  std::size_t BytesPendentes() const { return pendente_.size(); }
  void Limpa() { pendente_.clear(); }

 private:
  void DescartaAteCabecalho();
  void Retira(std::size_t n, Quadro& quadro);
  int TamanhoDoQuadro(const ComandoSerial& comando, bool silencio, bool& malformado) const;

  std::string pendente_;
};

}  // namespace serialsim
