#include "textos_ajuda.h"

namespace tarnel::cli::ajuda {

const char kExec[] =
    "exec executa um comando Quorbal na impressora fiscal pela biblioteca DROVIK, pelo mesmo\n"
    "caminho de execução da janela do Tarnel, e mostra o que a janela mostraria: as linhas do\n"
    "terminal, o nome do erro e a circunstância, e cada retorno do comando como NOME=VALOR.";

const char kRegistrador[] =
    "registrador lê um dos registradores da impressora como o leitor de registradores da\n"
    "janela: a biblioteca indica o comando de leitura, que é executado com o nome do\n"
    "registrador (por exemplo COO ou TotalDiaValorAliquota[3]); mostra as linhas do terminal\n"
    "e depois \"Valor: \" e o valor, ou \"Erro: \" e o motivo.";

const char kShell[] =
    "shell abre uma sessão que fica conectada: cada linha da entrada é COMANDO [NOME=VALOR ...],\n"
    "executada como em exec e com a mesma saída; valores com brancos vão entre aspas duplas\n"
    "(NomeProduto=\"Arroz 5kg\"), onde \\\" e \\\\ são uma aspa e uma barra. Como na janela, os\n"
    "campos de cada comando guardam o que foi digitado. Um nome fora do catálogo vai à impressora\n"
    "como digitado. Palavras do próprio shell: ajuda (ou help), comandos [COMANDO], registrador\n"
    "NOME, ultimo (Último Retorno), limpa (Limpa Campos), sair (ou quit, ou o fim da entrada).\n"
    "Mostra o prompt só quando a entrada é um terminal; linhas também podem vir de um pipe:\n"
    "  printf 'AbreGaveta TempoAcionamentoGaveta=100\\nsair\\n' | tarnel-cli shell\n"
    "Num terminal a linha pode ser editada, as setas trazem as linhas de sessões anteriores\n"
    "(guardadas em $XDG_STATE_HOME/tarnel_historico ou, sem essa variável, em\n"
    "~/.tarnel_historico) e a tecla Tab completa nomes de comandos, de parâmetros do comando\n"
    "da linha e de registradores depois de registrador.";

const char kBobina[] =
    "bobina mostra a bobina de papel da impressora emulada desta pasta (bobina0.txt, o que ela\n"
    "imprimiu desde que o arquivo foi criado). Num terminal, as linhas em negrito saem em\n"
    "negrito e as expandidas com as letras espaçadas; num pipe ou arquivo, cada linha leva as\n"
    "marcas do arquivo: N (negrito) e E (expandido) antes da borda |. Com --seguir continua\n"
    "mostrando as linhas novas à medida que são impressas, até ser interrompido (Ctrl+C).\n"
    "Sai com 2 quando a bobina ainda não existe (sem --seguir, que espera por ela) ou não pode\n"
    "ser lida.";

const char kRun[] =
    "run reproduz arquivos de comandos (.RMT) como a janela os executa, na ordem dada: cada linha\n"
    "de comando vai de novo à impressora e as diretivas $ valem como na janela. Sem nenhuma opção\n"
    "--pausar-*, compara código e retornos de cada comando com a resposta gravada; com alguma,\n"
    "pausa só nos casos pedidos. Cada pausa, diferença e erro de script sai com a linha do\n"
    "arquivo, o passo ($NomePasso) e as respostas gravada e recebida; uma linha de progresso\n"
    "mostra arquivo, linha e comandos feitos; ao fim de cada arquivo, uma linha diz como ele\n"
    "terminou, os comandos, as diferenças e as outras falhas. Sai com 0 quando todos os arquivos\n"
    "foram até o fim sem diferença, erro de script, mensagem de erro nem erro ou diferença da\n"
    "planilha, 1 nos outros casos, 2 para erro de uso, canal que não abre ou relatório\n"
    "(--relatorio) que não pode ser gravado.\n"
    "Exemplo, um dia de vendas (em examples/ no código, em exemplos/ nos pacotes):\n"
    "  tarnel-cli run dia_de_vendas.RMT --relatorio relatorio.xml";

const char kLeitura[] =
    "leitura faz a impressora emitir uma leitura para o computador em vez do papel - mf (memória\n"
    "fiscal), mfd (memória de fita-detalhe) ou x (leitura X) - e grava os dados de impressão,\n"
    "como vêm, em MF.TXT, MFD.TXT ou LX.TXT na pasta atual, mais a cópia legível ARQUIVO.fmt\n"
    "(sem sequências de controle, 48 colunas). Sem faixa, mf lê as reduções 1 a 9999 e mfd os\n"
    "COO 1 a 9999. Uma linha de progresso em stderr mostra os bytes recebidos. Sai com 1 quando\n"
    "a impressora recusa a leitura ou o arquivo não pode ser gravado.\n"
    "Exemplo: tarnel-cli leitura mfd --data 01/12/2026-31/12/2026 --filtrada";

const char kSoftwareBasico[] =
    "software-basico lê o software básico inteiro da impressora pela janela de memória e o grava\n"
    "num arquivo binário (VardexII.bin na pasta atual, se nenhum for dado). Um arquivo menor que\n"
    "o software, de uma leitura interrompida, é continuado do seu fim; um completo é lido de novo.\n"
    "Num terminal, uma linha de progresso mostra os bytes lidos. Sai com 0 quando o arquivo foi\n"
    "gerado, 1 quando uma leitura falhou (a mensagem diz qual), 2 quando o canal não abre.";

const char kMfdBinaria[] =
    "mfd-binaria copia os cartuchos de memória da impressora (memória fiscal e memória de fita\n"
    "detalhe) para LEITURA.MFD na pasta atual, comprimidos e cifrados para a estação de análise.\n"
    "O arquivo anterior só é substituído quando o novo está completo. Num terminal, uma linha de\n"
    "progresso mostra os bytes lidos. Sai com 0 quando o arquivo foi gerado, 1 quando uma leitura\n"
    "ou a gravação falhou, 2 quando o canal não abre.";

const char kMfdLer[] =
    "mfd-ler decifra e descomprime um LEITURA.MFD de volta às suas seções, um arquivo por seção\n"
    "(secao_A.bin, secao_B.bin, secao_C1.bin ...), e mostra o tamanho de cada uma com os campos\n"
    "do seu final (bytes da MF usados; valor A, páginas usadas e valor B das memórias de fita\n"
    "detalhe). Sai com 0 quando o arquivo foi lido inteiro, 1 quando está danificado, 2 quando um\n"
    "arquivo não pode ser lido ou gravado.";

const char kArquivoSoftwareBasico[] = "arquivo do software básico (padrão: VardexII.bin na pasta atual)";
const char kArquivoMFD[] = "arquivo de MFD gerado por mfd-binaria ou pela janela";
const char kPastaSecoes[] = "pasta onde as seções são gravadas (padrão: a pasta atual)";

const char kCanal[] =
    "canal aberto pela biblioteca (padrão: Emul, a impressora emulada, cujo\n"
    "arquivo de contexto fica na pasta atual)";
const char kLog[] =
    "arquivo de log da biblioteca: ela acrescenta a linha do comando e a da\n"
    "resposta, e o terminal mostra o que ela gravou";
const char kComando[] = "nome de um dos 68 comandos do catálogo (sem distinção de maiúsculas)";
const char kParametros[] =
    "valor de um parâmetro do comando, enviado como digitado; parâmetros\n"
    "não informados não são enviados";
const char kNomeRegistrador[] = "nome de um registrador; os indexados levam o índice entre colchetes";
const char kSeguir[] = "continua mostrando as linhas novas até ser interrompido";
const char kAjuda[] = "mostra esta ajuda";
const char kPausarErro[] = "pausa quando o comando retornar com erro";
const char kPausarSucesso[] = "pausa quando o comando retornar sem erro";
const char kPausarDiferente[] = "pausa quando a resposta diferir da gravada";
const char kTestarContexto[] =
    "depois de cada comando, confere se a impressora emulada refaz o seu\n"
    "arquivo de contexto (rasc*.bin da pasta atual) danificado; um problema\n"
    "nisso é uma falha, mesmo quando a resposta é seguir";
const char kResponder[] =
    "resposta às perguntas: sim (segue), nao (o arquivo atual para; padrão)\n"
    "ou parar (o arquivo atual para e nenhum outro é executado)";
const char kRelatorio[] =
    "grava um relatório JUnit em XML: um testsuite por arquivo, um testcase\n"
    "por linha de comando, com a diferença como falha";
const char kArquivosComandos[] = "arquivos de comandos, executados na ordem dada";

const char kTipoLeitura[] = "mf, mfd ou x";
const char kFaixaReducao[] = "reduções da leitura mf, da A à B";
const char kFaixaCoo[] = "COO da leitura mfd, do A ao B";
const char kFaixaData[] = "datas (dd/mm/aaaa) da leitura mf ou mfd, de D1 a D2";
const char kSaidaLeitura[] = "arquivo gravado no lugar de MF.TXT, MFD.TXT ou LX.TXT";
const char kFiltrada[] = "mostra a cópia legível ao final";

const char kPlanilha[] =
    "planilha liga a planilha PlanilhaECF.xls da pasta atual (pelo motor embutido, ou pelo que a\n"
    "variável TARNEL_PLANILHA indicar) e faz uma das operações do menu Editar da janela:\n"
    "  totalizadores  grava na planilha as alíquotas, meios de pagamento, departamentos,\n"
    "                 totalizadores não fiscais e relatórios gerenciais da impressora\n"
    "  gravar-lx      grava a Leitura X da impressora na planilha: o início de um teste\n"
    "  conferir       confere a Leitura X da impressora com os valores calculados na planilha\n"
    "A planilha é gravada ao final. Cada diferença ou erro sai numa linha da saída padrão.\n"
    "Código de saída: 0 sem nenhuma linha nem mensagem de erro, 1 quando há linhas ou uma\n"
    "mensagem de erro (uma área do cupom que não pôde ser limpa, por exemplo), 2 para erro de\n"
    "uso, biblioteca que não carrega, canal que não abre, planilha que não abre ou não é gravada.";
const char kOperacaoPlanilha[] = "conferir, gravar-lx ou totalizadores";

const char kCodigosSaida[] =
    "Código de saída: 0 quando a impressora aceitou o comando, 1 quando ela informou um erro\n"
    "(ou recusou o registrador), 2 para erro de uso, biblioteca que não carrega, canal que\n"
    "não abre ou log que não pode ser gravado (nada é executado). O shell termina com 0 em\n"
    "sair ou no fim da entrada, e com 2 quando não conecta.";

const char kBiblioteca[] =
    "A biblioteca carregada é libdrovik.so ao lado do programa ou, se não estiver lá, a que a\n"
    "busca do sistema encontrar (DROVIK.DLL no Windows); a variável de ambiente TARNEL_DROVIK\n"
    "indica outro arquivo.";

}  // namespace tarnel::cli::ajuda
