// tarnel-cli: Tarnel's core without a window, for unattended printer work and for a technician at a
// console.
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "console.h"
#include "leitura_cli.h"
#include "linha_comando.h"
#include "run.h"
#include "sessao_cli.h"
#include "subcomandos.h"

namespace {

int Executa(const tarnel::cli::Invocacao& invocacao) {
  using namespace tarnel::cli;
  switch (invocacao.subcomando) {
    case Subcomando::kExec: return Exec(invocacao.pedido, std::cout, std::cerr);
    case Subcomando::kRegistrador: return Registrador(invocacao.pedido, std::cout, std::cerr);
    case Subcomando::kShell: return Shell(invocacao.pedido, std::cin, EntradaInterativa(), std::cout, std::cerr);
    case Subcomando::kBobina: return Bobina(invocacao.seguir, SaidaInterativa(), std::cout, std::cerr);
    case Subcomando::kRun: return Run(invocacao.run, SaidaInterativa(), std::cout, std::cerr);
    case Subcomando::kSoftwareBasico:
      return SoftwareBasico(invocacao.pedido, invocacao.arquivo, MensagensInterativas(), std::cout, std::cerr);
    case Subcomando::kMfdBinaria: return MfdBinaria(invocacao.pedido, MensagensInterativas(), std::cout, std::cerr);
    case Subcomando::kMfdLer: return MfdLer(invocacao.arquivo, invocacao.pasta, std::cout, std::cerr);
    case Subcomando::kPlanilha: return Planilha(invocacao.pedido, std::cout, std::cerr);
    case Subcomando::kLeitura: return LeituraArquivo(invocacao.leitura, MensagensInterativas(), std::cout, std::cerr);
  }
  return kSaidaFalha;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tarnel::cli;
  PreparaConsole();
  std::vector<std::string> argumentos;
  std::string recusado;
  if (!ArgumentosCp1252(argc, argv, argumentos, recusado)) {
    std::cerr << "tarnel-cli: o argumento '" << recusado << "' tem caracteres fora do Windows-1252\n";
    return kSaidaFalha;
  }

  const Invocacao invocacao = InterpretaArgumentos(argumentos);
  if (!invocacao.erro.empty()) {
    EscreveLinha(std::cerr, invocacao.erro);
    return kSaidaFalha;
  }
  int status = kSaidaSucesso;
  if (invocacao.ajuda.empty())
    status = Executa(invocacao);
  else
    EscreveLinha(std::cout, invocacao.ajuda);
  // What could not be written (a full disk, a closed output) must not pass for done.
  std::cout.flush();
  if (!std::cout) {
    EscreveLinha(std::cerr, "tarnel-cli: a saída não pôde ser escrita");
    return status == kSaidaSucesso ? kSaidaFalha : status;
  }
  return status;
}
