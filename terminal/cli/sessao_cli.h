// One tarnel-cli run: the window model without a window, connected to the printer, released at the end.
#pragma once
#include <iostream>
#include <ostream>
#include <string>

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
  // A subcommand that answers for the person itself (run): the console's interaction stays unused.
  explicit SessaoCli(Interacao& propria) : interacao(std::cerr), frm(propria) {}
  ~SessaoCli();
  SessaoCli(const SessaoCli&) = delete;
  SessaoCli& operator=(const SessaoCli&) = delete;

  // Loads the library, opens the pedido's channel and, with a log file, starts recording into it as
  // the window's Grava Arquivo de Comandos does (stopped again when the session ends). False after
  // showing why, also when the log file cannot be written.
  bool Conecta(const Pedido& pedido);

  InteracaoConsole interacao;
  TfrmMain frm;
};

// Types the texts into the parameter fields of catalogue entry comando, as a person would; the
// other fields keep their texts. False with a message, and no field touched, when the command has
// no parameter of one of the names.
bool PreencheParametros(TfrmMain& frm, int comando, const std::vector<quorbal::Item>& parametros, std::string& erro);

// The messages for a command the library did not carry out and a register it did not read.
std::string MensagemNaoExecutado(const std::string& comando);
std::string MensagemRegistradorNaoLido(const std::string& registrador);

}  // namespace tarnel::cli
