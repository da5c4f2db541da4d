// tarnel-cli leitura: a fiscal reading (MF, MFD or X) to a text file and its readable copy, as the
// window's menu entries make them, with a progress line while the print data comes in.
#pragma once
#include <ostream>
#include <string>

namespace tarnel::cli {

enum class TipoLeitura { MF, MFD, X };
enum class FaixaLeitura { Padrao, Reducao, Coo, Data };

struct PedidoLeituraCli {
  TipoLeitura tipo = TipoLeitura::X;
  FaixaLeitura faixa = FaixaLeitura::Padrao;  // Padrao: reductions or COO 1 to 9999, none for X
  std::string inicio, fim;                    // the range's ends as typed (numbers checked)
  std::string saida;                          // "": MF.TXT, MFD.TXT or LX.TXT in the current folder
  bool filtrada = false;                      // print the readable copy on standard output
  std::string canal = "Emul";
};

// Exit status 0 when the file was made, 1 when the printer failed or the file could not be
// written, 2 when the channel does not open. Messages go to mensagens, the progress line too
// (rewritten in place when terminal); the announcement and the readable copy go to saida.
int LeituraArquivo(const PedidoLeituraCli& pedido, bool terminal, std::ostream& saida, std::ostream& mensagens);

}  // namespace tarnel::cli
