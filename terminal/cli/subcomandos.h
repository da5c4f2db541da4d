// The subcommands of tarnel-cli. Each prints its results to saida and its messages to mensagens,
// and returns the exit status.
#pragma once
#include <istream>
#include <ostream>
#include <string>

#include "pedido.h"

namespace tarnel::cli {

// exec: one command through the execute path; prints the transcript lines, the error name and
// circumstance, then each return of the command as NAME=VALUE.
int Exec(const Pedido& pedido, std::ostream& saida, std::ostream& mensagens);

// registrador: one register read as the register reader does; prints the transcript lines and then
// the value line, "Valor: " + value, or "Erro: " + the refusal or printer error.
int Registrador(const Pedido& pedido, std::ostream& saida, std::ostream& mensagens);

// shell: connects once, then runs the lines of entrada (UTF-8) until "sair" or their end, printing
// for each what exec or registrador would. Only a failed connection goes to mensagens (status 2);
// once connected everything, messages included, goes to saida in order. With interativo a prompt
// is shown before each line.
int Shell(const Pedido& pedido, std::istream& entrada, bool interativo, std::ostream& saida,
          std::ostream& mensagens);

// bobina: prints the paper roll of the emulated printer in the current folder, with the roll
// file's marks, or as the paper shows it when terminal (bold, double width); with seguir it goes on
// printing new lines until the program is stopped. A roll that does not exist is an error (status
// 2) unless it is followed: then its first lines are waited for.
int Bobina(bool seguir, bool terminal, std::ostream& saida, std::ostream& mensagens);

// software-basico: the printer's whole basic software into arquivo (VardexII.bin in the current
// folder when empty), resuming a shorter file of an earlier reading. mfd-binaria: the cartridges
// into LEITURA.MFD in the current folder. Both show a progress line on a terminal; 0 when the file
// was made, 1 when a reading or the writing failed (the message says which), 2 when the channel does
// not open.
int SoftwareBasico(const Pedido& pedido, const std::string& arquivo, bool terminal, std::ostream& saida,
                   std::ostream& mensagens);
int MfdBinaria(const Pedido& pedido, bool terminal, std::ostream& saida, std::ostream& mensagens);

// mfd-ler: deciphers and inflates a LEITURA.MFD into pasta (the current folder when empty), one file
// per section (secao_A.bin, secao_B.bin, secao_C1.bin ...), and prints each section's size with the
// fields of its trailer. 0 when the whole dump was read, 1 for a damaged dump, 2 when a file cannot
// be read or written.
int MfdLer(const std::string& arquivo, const std::string& pasta, std::ostream& saida, std::ostream& mensagens);

// planilha: links the workbook PlanilhaECF.xls of the current folder and runs one of the window's
// workbook operations (pedido.nome: "totalizadores", "gravar-lx", "conferir"), then saves it. Each
// line of the error list goes to saida; 0 without lines, 1 with lines, 2 when the channel or the
// workbook does not open.
int Planilha(const Pedido& pedido, std::ostream& saida, std::ostream& mensagens);

}  // namespace tarnel::cli
