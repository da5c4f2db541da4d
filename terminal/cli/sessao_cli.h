// One tarnel-cli run: the window model without a window, connected to the printer, released at the end.
#pragma once
#include <ostream>

#include "interacao_console.h"
#include "pedido.h"
#include "window/mainfrm.h"

namespace tarnel::cli {

constexpr int kSaidaSucesso = 0;
constexpr int kSaidaErroImpressora = 1;
constexpr int kSaidaFalha = 2;  // usage, library or connection

class SessaoCli {
 public:
  explicit SessaoCli(std::ostream& mensagens) : interacao(mensagens), frm(interacao) {}
  ~SessaoCli();
  SessaoCli(const SessaoCli&) = delete;
  SessaoCli& operator=(const SessaoCli&) = delete;

  // Loads the library, opens the pedido's channel and sets its log file. False after showing why.
  bool Conecta(const Pedido& pedido);

  // Prints the transcript's lines.
  void MostraTerminal(std::ostream& saida) const;

  InteracaoConsole interacao;
  TfrmMain frm;
};

}  // namespace tarnel::cli
