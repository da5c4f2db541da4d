// Frames built the way a host builds them, for the simulator's tests.
#pragma once
#include <cstdio>
#include <string>

#include "tabela_comandos.h"

namespace serialsim {

inline std::string Cabecalho(int numero) {
  std::string q = "\x1b" "f";
  q += static_cast<char>('0' + numero / 10);
  q += static_cast<char>('0' + numero % 10);
  return q;
}

// A frame of the command's full length: `corpo` from offset 4, then the digit fields and the
// constant '0' made valid, the rest blanks.
inline std::string QuadroValido(const ComandoSerial& c, const std::string& corpo = "") {
  std::string q = Cabecalho(c.numero) + corpo;
  q.resize(static_cast<std::size_t>(c.tx), ' ');
  for (const CampoNumerico& campo : c.numericos)
    if (campo.tamanho > 0 && q[campo.posicao] == ' ') q.replace(campo.posicao, campo.tamanho, campo.tamanho, '0');
  if (c.posicao_zero >= 0 && q[c.posicao_zero] == ' ') q[c.posicao_zero] = '0';
  return q;
}

inline std::string QuadroValido(int numero, const std::string& corpo = "") {
  return QuadroValido(*ProcuraComandoSerial(numero), corpo);
}

inline std::string QuadroQuorbal(const std::string& texto) {
  char tamanho[8];
  std::snprintf(tamanho, sizeof tamanho, "%04u", static_cast<unsigned>(texto.size()));
  return Cabecalho(60) + tamanho + texto;
}

}  // namespace serialsim
