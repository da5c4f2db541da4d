// tarnel-cli: Tarnel's core without a window, for unattended printer work.
#include <iostream>
#include <string>
#include <vector>

#include "console.h"
#include "pedido.h"
#include "sessao_cli.h"
#include "subcomandos.h"

namespace {

const char kAjuda[] =
    "Uso: tarnel-cli exec [--canal CANAL] [--log ARQUIVO] COMANDO [NOME=VALOR ...]\n"
    "     tarnel-cli registrador [--canal CANAL] [--log ARQUIVO] REGISTRADOR\n"
    "     tarnel-cli --help\n"
    "\n"
    "exec executa um comando Quorbal na impressora fiscal pela biblioteca DROVIK, pelo mesmo\n"
    "caminho de execução da janela do Tarnel, e mostra o que a janela mostraria: as linhas do\n"
    "terminal, o nome do erro e a circunstância, e cada retorno do comando como NOME=VALOR.\n"
    "\n"
    "  --canal CANAL    canal aberto pela biblioteca (padrão: Emul, a impressora emulada, cujo\n"
    "                   arquivo de contexto fica na pasta atual)\n"
    "  --log ARQUIVO    arquivo de log da biblioteca: ela acrescenta a linha do comando e a da\n"
    "                   resposta, e o terminal mostra o que ela gravou\n"
    "  COMANDO          nome de um dos 68 comandos do catálogo (sem distinção de maiúsculas)\n"
    "  NOME=VALOR       valor de um parâmetro do comando, enviado como digitado; parâmetros\n"
    "                   não informados não são enviados\n"
    "\n"
    "registrador lê um dos registradores da impressora como o leitor de registradores da\n"
    "janela: a biblioteca indica o comando de leitura, que é executado com o nome do\n"
    "registrador (por exemplo COO ou TotalDiaValorAliquota[3]); mostra as linhas do terminal\n"
    "e depois \"Valor: \" e o valor, ou \"Erro: \" e o motivo.\n"
    "\n"
    "Código de saída: 0 quando a impressora aceitou o comando, 1 quando ela informou um erro\n"
    "(ou recusou o registrador), 2 para erro de uso, biblioteca que não carrega ou canal que\n"
    "não abre.\n"
    "\n"
    "A biblioteca carregada é libdrovik.so ao lado do programa ou, se não estiver lá, a que a\n"
    "busca do sistema encontrar (DROVIK.DLL no Windows); a variável de ambiente TARNEL_DROVIK\n"
    "indica outro arquivo.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace tarnel::cli;
  PreparaConsole();
  std::vector<std::string> argumentos;
  for (int i = 1; i < argc; ++i) argumentos.push_back(ArgumentoCp1252(argv[i]));

  if (argumentos.empty()) {
    EscreveLinha(std::cerr, "tarnel-cli: falta o subcomando (veja tarnel-cli --help)");
    return kSaidaFalha;
  }
  if (argumentos[0] == "--help" || argumentos[0] == "-h") {
    EscreveLinha(std::cout, std::string(kAjuda, sizeof kAjuda - 2));
    return kSaidaSucesso;
  }
  const std::string& subcomando = argumentos[0];
  if (subcomando != "exec" && subcomando != "registrador") {
    EscreveLinha(std::cerr, "tarnel-cli: subcomando desconhecido: " + subcomando + " (veja tarnel-cli --help)");
    return kSaidaFalha;
  }
  const bool exec = subcomando == "exec";
  Pedido pedido;
  std::string erro;
  if (!LePedido(std::vector<std::string>(argumentos.begin() + 1, argumentos.end()), exec, pedido, erro)) {
    EscreveLinha(std::cerr, "tarnel-cli " + subcomando + ": " + erro + " (veja tarnel-cli --help)");
    return kSaidaFalha;
  }
  return exec ? Exec(pedido, std::cout, std::cerr) : Registrador(pedido, std::cout, std::cerr);
}
