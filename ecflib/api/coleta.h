// The printer's further data after a frame (readings, answer records, the CMC-7 line), collected
// chunk by chunk into a file until the stream ends.
#pragma once
#include <cstdio>

namespace plenvo {

struct Coleta {
  int silencio;            // seconds without data that end the stream (one-second resolution)
  bool para_no_etx;        // a chunk holding ETX (0x03) ends the stream
  int timeout_fornecedor;  // ProcessFiscalCmd's time-out for each chunk
  int flag_fornecedor;
  bool registra_serial;    // over the serial line, chunks are logged ("RX") too; vendor chunks always are
  bool binario;            // bytes as they come; otherwise a line feed is written as CR LF
};

// Appends the chunks to the file until the stream ends; 33, or, once what arrived is in the file,
// 9 on a vendor communication failure and the line's mapped result when the serial line fails; 20
// as soon as the file cannot take a chunk.
int ColetaFluxo(std::FILE* arquivo, const Coleta& coleta);

// Closes a file the operation wrote; a file whose data did not all reach the disk turns a
// successful result into 20.
int FechaArquivoSaida(std::FILE* arquivo, int resultado);

}  // namespace plenvo
