// A fiscal reading (fiscal memory, detail memory or X reading) to a text file: the printer emits it
// for the host, and its print data is fetched piece by piece through the window's execute path,
// as a person would, then filtered into the readable ".fmt" copy.
#pragma once
#include <cstdint>
#include <string>

#include "quorbal/comandos.h"
#include "window/mainfrm.h"

namespace tarnel {

struct PedidoLeitura {
  quorbal::Comando comando = quorbal::Comando::EmiteLeituraX;  // the command that emits the reading
  std::string arquivo;                                         // the text file to write
  bool anuncia = true;                                         // "gerado!" at the end
  std::int32_t inicio = -1;                                    // first reduction or COO; < 0: empty
  std::int32_t fim = -1;                                       // last one; < 0: empty
  std::string data_inicial;                                    // "": DataInicial untouched
  std::string data_final;                                      // "": DataFinal untouched
  std::int32_t proprietario = -1;                              // -1 untouched, -2 empty, else that number
};

enum class ResultadoLeitura { Gerada, Falhou, Cancelada };

// The reading, with every message in an error box (the end in an information box when announced).
// Leaves lbComandos on LeImpressao and the filled parameters as they are; ModoUltimoRetorno is
// clear afterwards however the reading ended. An empty reading leaves an empty file, never an older
// reading's text under the announcement. A cancel asked for between pieces keeps what was written,
// with no ".fmt" copy.
ResultadoLeitura EmiteLeituraParaArquivo(TfrmMain& frm, const PedidoLeitura& pedido);

// The text typed in a parameter entry of the command ("" when the command has no such parameter).
std::string TextoDigitado(const TfrmMain& frm, quorbal::Comando comando, const char* parametro);

// Where the menu entries put their files: beside the command file last chosen, or in the current
// folder (the bare name) while none was chosen.
std::string ArquivoLeitura(const TfrmMain& frm, const std::string& nome);

// The menu entries' requests: numbers and dates from the entries the catalogue shows for the
// reading command, with their defaults; the file named after the reading.
PedidoLeitura PedidoLeituraMF(const TfrmMain& frm);
PedidoLeitura PedidoLeituraMFD(const TfrmMain& frm);
PedidoLeitura PedidoLeituraX(const TfrmMain& frm);

}  // namespace tarnel
