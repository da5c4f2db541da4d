// The exchange: the frame formatted in the staging buffer goes to the printer through the vendor
// library or the serial line, the reply comes back into the reply buffer, both are logged, and the
// outcome becomes a result code.
#pragma once
#include <cstddef>

#include "tabela.h"

namespace plenvo {

// Result codes of the library's own failures.
enum Resultado : int {
  kSucesso = 33,
  kJaInicializada = 1,
  kNaoInicializada = 2,
  kGrandeDemais = 7,        // also: an argument refused before anything is sent
  kCtsRecusado = 8,         // also: FiscalConnection refused the device
  kErroTransmissao = 9,
  kRespostaIncompleta = 10,
  kSemArquivo = 20,         // output file not created; vendor mode without the vendor library
  kOutroErroLinha = 29,
};

struct Desfecho {
  int resultado;
  bool transmitido;  // the frame reached the printer (its further data may follow)
  int recebidos;     // reply bytes in the reply buffer
};

// Exchanges the first tamanho_tx bytes of the staging buffer with the row's reply length,
// time-out, clear-to-send check and close flag.
Desfecho Troca(const LinhaTabela& linha, int tamanho_tx);

// The start every exchange shares once the line is open: the frame is copied into the reply
// buffer and logged ("TX"), and the time-out is taken (the one-shot override when set, which is
// reset, else the row's own).
int PreparaEnvio(const LinhaTabela& linha, int tamanho_tx);

// Serial line status -> result code.
int MapeiaErroLinha(int status);

// Logs "Erro DLL" with the result when the log is enabled; returns the result.
int RegistraErroDll(int resultado);
// The line's last failure, mapped and logged.
int FalhaDaLinha();

// An entry with its head, written only when the log is enabled.
void RegistraSeAtivo(const char* rotulo, const void* dados, std::size_t tamanho);

// Closes the serial line when the library works over it and it is open.
void FechaLinhaSerial();

}  // namespace plenvo
