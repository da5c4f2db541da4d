// tarnel-cli: Tarnel's core without a window, for unattended printer work and for a technician at a
// console.
#include <iostream>
#include <string>
#include <vector>

#include "console.h"
#include "pedido.h"
#include "run.h"
#include "sessao_cli.h"
#include "subcomandos.h"

namespace {

const char kAjuda[] =
    "Uso: tarnel-cli exec [--canal CANAL] [--log ARQUIVO] COMANDO [NOME=VALOR ...]\n"
    "     tarnel-cli registrador [--canal CANAL] [--log ARQUIVO] REGISTRADOR\n"
    "     tarnel-cli shell [--canal CANAL] [--log ARQUIVO]\n"
    "     tarnel-cli bobina [--seguir]\n"
    "     tarnel-cli run ARQUIVO... [--canal CANAL] [--pausar-erro] [--pausar-sucesso]\n"
    "                [--pausar-diferente] [--testar-contexto] [--responder sim|nao|parar]\n"
    "                [--relatorio ARQUIVO.xml]\n"
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
    "shell abre uma sessão que fica conectada: cada linha da entrada é COMANDO [NOME=VALOR ...],\n"
    "executada como em exec e com a mesma saída; valores com brancos vão entre aspas duplas\n"
    "(NomeProduto=\"Arroz 5kg\"), onde \\\" e \\\\ são uma aspa e uma barra. Como na janela, os\n"
    "campos de cada comando guardam o que foi digitado. Um nome fora do catálogo vai à impressora\n"
    "como digitado. Palavras do próprio shell: ajuda (ou help), comandos [COMANDO], registrador\n"
    "NOME, ultimo (Último Retorno), limpa (Limpa Campos), sair (ou quit, ou o fim da entrada).\n"
    "Mostra o prompt só quando a entrada é um terminal; linhas também podem vir de um pipe:\n"
    "  printf 'AbreGaveta TempoAcionamentoGaveta=100\\nsair\\n' | tarnel-cli shell\n"
    "\n"
    "Código de saída: 0 quando a impressora aceitou o comando, 1 quando ela informou um erro\n"
    "(ou recusou o registrador), 2 para erro de uso, biblioteca que não carrega ou canal que\n"
    "não abre. O shell termina com 0 em sair ou no fim da entrada, e com 2 quando não conecta.\n"
    "\n"
    "bobina mostra a bobina de papel da impressora emulada desta pasta (bobina0.txt, o que ela\n"
    "imprimiu desde que o arquivo foi criado). Num terminal, as linhas em negrito saem em\n"
    "negrito e as expandidas com as letras espaçadas; num pipe ou arquivo, cada linha leva as\n"
    "marcas do arquivo: N (negrito) e E (expandido) antes da borda |. Com --seguir continua\n"
    "mostrando as linhas novas à medida que são impressas, até ser interrompido (Ctrl+C).\n"
    "Sai com 2 quando a bobina ainda não existe (sem --seguir, que espera por ela).\n"
    "\n"
    "run reproduz arquivos de comandos (.RMT) como a janela os executa, na ordem dada: cada linha\n"
    "de comando vai de novo à impressora e as diretivas $ valem como na janela. Sem nenhuma opção\n"
    "--pausar-*, compara código e retornos de cada comando com a resposta gravada; com alguma,\n"
    "pausa só nos casos pedidos:\n"
    "  --pausar-erro       quando o comando retornar com erro\n"
    "  --pausar-sucesso    quando o comando retornar sem erro\n"
    "  --pausar-diferente  quando a resposta diferir da gravada\n"
    "  --testar-contexto   depois de cada comando, confere se a impressora emulada refaz o seu\n"
    "                      arquivo de contexto (rasc*.bin da pasta atual) danificado\n"
    "  --responder R       resposta às perguntas: sim (segue), nao (o arquivo atual para; padrão)\n"
    "                      ou parar (o arquivo atual para e nenhum outro é executado)\n"
    "  --relatorio ARQ     grava um relatório JUnit em XML: um testsuite por arquivo, um testcase\n"
    "                      por linha de comando, com a diferença como falha\n"
    "Cada pausa, diferença e erro de script sai com a linha do arquivo, o passo ($NomePasso) e as\n"
    "respostas gravada e recebida; uma linha de progresso mostra arquivo, linha e comandos\n"
    "feitos. Sai com 0 quando todos os arquivos foram até o fim sem diferença nem erro de\n"
    "script, 1 nos outros casos, 2 para erro de uso ou canal que não abre.\n"
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
  if (subcomando == "bobina") {
    const bool seguir = argumentos.size() == 2 && argumentos[1] == "--seguir";
    if (argumentos.size() > 2 || (argumentos.size() == 2 && !seguir)) {
      EscreveLinha(std::cerr, "tarnel-cli bobina: argumento inesperado: " + argumentos.back() + " (veja tarnel-cli --help)");
      return kSaidaFalha;
    }
    return Bobina(seguir, SaidaInterativa(), std::cout, std::cerr);
  }
  if (subcomando == "run") {
    PedidoRun pedido_run;
    std::string erro;
    if (!LePedidoRun(std::vector<std::string>(argumentos.begin() + 1, argumentos.end()), pedido_run, erro)) {
      EscreveLinha(std::cerr, "tarnel-cli run: " + erro + " (veja tarnel-cli --help)");
      return kSaidaFalha;
    }
    return Run(pedido_run, SaidaInterativa(), std::cout, std::cerr);
  }
  FormaPedido forma;
  if (subcomando == "exec") {
    forma = FormaPedido::kComando;
  } else if (subcomando == "registrador") {
    forma = FormaPedido::kRegistrador;
  } else if (subcomando == "shell") {
    forma = FormaPedido::kSemNome;
  } else {
    EscreveLinha(std::cerr, "tarnel-cli: subcomando desconhecido: " + subcomando + " (veja tarnel-cli --help)");
    return kSaidaFalha;
  }
  Pedido pedido;
  std::string erro;
  if (!LePedido(std::vector<std::string>(argumentos.begin() + 1, argumentos.end()), forma, pedido, erro)) {
    EscreveLinha(std::cerr, "tarnel-cli " + subcomando + ": " + erro + " (veja tarnel-cli --help)");
    return kSaidaFalha;
  }
  switch (forma) {
    case FormaPedido::kComando: return Exec(pedido, std::cout, std::cerr);
    case FormaPedido::kRegistrador: return Registrador(pedido, std::cout, std::cerr);
    case FormaPedido::kSemNome: break;
  }
  return Shell(pedido, std::cin, EntradaInterativa(), std::cout, std::cerr);
}
