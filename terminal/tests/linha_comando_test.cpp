// tarnel-cli's command line read into an invocation: what each subcommand receives, the usage
// errors as the user reads them, and the help put together from the subcommands' declarations.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <regex>
#include <string>
#include <vector>

#include "linha_comando.h"
#include "test_support/temp_folder.h"

namespace {

using tarnel::cli::Invocacao;
using tarnel::cli::InterpretaArgumentos;
using tarnel::cli::Subcomando;
using Argumentos = std::vector<std::string>;

std::string Parametros(const Invocacao& invocacao) {
  std::string texto;
  for (const quorbal::Item& item : invocacao.pedido.parametros) texto += "[" + item.nome + "|" + item.valor + "]";
  return texto;
}

TEST(CommandLine, EachSubcommandGetsItsOptionsAndNames) {
  struct Caso {
    Argumentos argumentos;
    Subcomando subcomando;
    std::string canal;
    bool com_log;
    std::string log;
    std::string nome;
    std::string parametros;
    bool seguir;
  };
  const Caso casos[] = {
      {{"exec", "AbreGaveta"}, Subcomando::kExec, "Emul", false, "", "AbreGaveta", "", false},
      {{"exec", "--canal", "COM1", "--log", "C.RMT", "EscreveTexto", "NomeTexto=a=b", "ValorTexto=", "X=-5"},
       Subcomando::kExec, "COM1", true, "C.RMT", "EscreveTexto", "[NomeTexto|a=b][ValorTexto|][X|-5]", false},
      // Options may follow the name, take their value after "=", and the last one given counts.
      {{"exec", "LeTexto", "--canal=COM2", "NomeTexto=T", "--log=L", "--canal", "COM3"}, Subcomando::kExec, "COM3",
       true, "L", "LeTexto", "[NomeTexto|T]", false},
      // After "--" a name that starts with "-" is a name.
      {{"exec", "--", "-Nome"}, Subcomando::kExec, "Emul", false, "", "-Nome", "", false},
      // Windows-1252 texts go through untouched.
      {{"exec", "AbreCupomFiscal", "NomeConsumidor=Jos\xE9 Concei\xE7\xE3o"}, Subcomando::kExec, "Emul", false, "",
       "AbreCupomFiscal", "[NomeConsumidor|Jos\xE9 Concei\xE7\xE3o]", false},
      {{"registrador", "--canal", "COM1", "TotalDiaValorAliquota[3]"}, Subcomando::kRegistrador, "COM1", false, "",
       "TotalDiaValorAliquota[3]", "", false},
      {{"shell", "--log", "S.RMT"}, Subcomando::kShell, "Emul", true, "S.RMT", "", "", false},
      // A name that starts with a slash is a name on every system.
      {{"registrador", "/COO"}, Subcomando::kRegistrador, "Emul", false, "", "/COO", "", false},
      {{"bobina"}, Subcomando::kBobina, "Emul", false, "", "", "", false},
      {{"bobina", "--seguir"}, Subcomando::kBobina, "Emul", false, "", "", "", true},
      {{"planilha", "conferir"}, Subcomando::kPlanilha, "Emul", false, "", "conferir", "", false},
      {{"planilha", "--canal", "COM1", "gravar-lx"}, Subcomando::kPlanilha, "COM1", false, "", "gravar-lx", "", false},
      {{"planilha", "totalizadores"}, Subcomando::kPlanilha, "Emul", false, "", "totalizadores", "", false},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(::testing::PrintToString(caso.argumentos));
    const Invocacao invocacao = InterpretaArgumentos(caso.argumentos);
    EXPECT_EQ(invocacao.erro, "");
    EXPECT_EQ(invocacao.ajuda, "");
    EXPECT_EQ(invocacao.subcomando, caso.subcomando);
    EXPECT_EQ(invocacao.pedido.canal, caso.canal);
    EXPECT_EQ(invocacao.pedido.com_log, caso.com_log);
    EXPECT_EQ(invocacao.pedido.log, caso.log);
    EXPECT_EQ(invocacao.pedido.nome, caso.nome);
    EXPECT_EQ(Parametros(invocacao), caso.parametros);
    EXPECT_EQ(invocacao.seguir, caso.seguir);
  }
}

TEST(CommandLine, UsageErrorsNameTheSubcommandAndWhatIsWrong) {
  const std::pair<Argumentos, std::string> casos[] = {
      {{}, "tarnel-cli: falta o subcomando"},
      {{"listar"}, "tarnel-cli: subcomando desconhecido: listar"},
      {{"--porta"}, "tarnel-cli: subcomando desconhecido: --porta"},
      {{"exec"}, "tarnel-cli exec: Falta o nome do comando"},
      {{"exec", "--canal"}, "tarnel-cli exec: Falta o valor de --canal"},
      // The next option is not taken for the missing value.
      {{"exec", "--log", "--canal", "X", "AbreGaveta"}, "tarnel-cli exec: Falta o valor de --log"},
      // Nor the next argument after "--x=", which gives no value either.
      {{"exec", "--canal=", "AbreGaveta"}, "tarnel-cli exec: Falta o valor de --canal"},
      {{"exec", "--log=", "AbreGaveta"}, "tarnel-cli exec: Falta o valor de --log"},
      {{"run", "--relatorio=", "a.RMT", "b.RMT"}, "tarnel-cli run: Falta o valor de --relatorio"},
      {{"leitura", "x", "--saida=", "a.RMT"}, "tarnel-cli leitura: Falta o valor de --saida"},
      {{"software-basico", "--canal=", "x.bin"}, "tarnel-cli software-basico: Falta o valor de --canal"},
      {{"exec", "--porta", "x", "AbreGaveta"}, "tarnel-cli exec: Op\xE7\xE3o desconhecida: --porta"},
      {{"exec", "AbreGaveta", "-t"}, "tarnel-cli exec: Op\xE7\xE3o desconhecida: -t"},
      {{"exec", "AbreGaveta", "semigual"}, "tarnel-cli exec: Par\xE2metro fora da forma NOME=VALOR: semigual"},
      {{"exec", "AbreGaveta", "=100"}, "tarnel-cli exec: Par\xE2metro fora da forma NOME=VALOR: =100"},
      {{"registrador"}, "tarnel-cli registrador: Falta o nome do registrador"},
      {{"registrador", "COO", "CRZ"}, "tarnel-cli registrador: Argumento a mais: CRZ"},
      {{"shell", "AbreGaveta"}, "tarnel-cli shell: Argumento a mais: AbreGaveta"},
      // Another subcommand's name is not a second subcommand.
      {{"shell", "exec"}, "tarnel-cli shell: Argumento a mais: exec"},
      {{"bobina", "--seguir", "x"}, "tarnel-cli bobina: argumento inesperado: x"},
      {{"bobina", "-f"}, "tarnel-cli bobina: argumento inesperado: -f"},
      {{"planilha"}, "tarnel-cli planilha: Falta a opera\xE7\xE3o: conferir, gravar-lx ou totalizadores"},
      {{"planilha", "confere"},
       "tarnel-cli planilha: Opera\xE7\xE3o desconhecida: confere (use conferir, gravar-lx ou totalizadores)"},
      {{"planilha", "conferir", "gravar-lx"}, "tarnel-cli planilha: Argumento a mais: gravar-lx"},
  };
  for (const auto& [argumentos, mensagem] : casos) {
    const Invocacao invocacao = InterpretaArgumentos(argumentos);
    EXPECT_EQ(invocacao.erro, mensagem + " (veja tarnel-cli --help)") << ::testing::PrintToString(argumentos);
    EXPECT_EQ(invocacao.ajuda, "");
  }
  // What only CLI11 notices is still said in our words, with its account in parentheses.
  const std::string erro = InterpretaArgumentos({"bobina", "--seguir=x"}).erro;
  EXPECT_EQ(erro.rfind("tarnel-cli bobina: Argumentos n\xE3o entendidos (", 0), 0u) << erro;
  EXPECT_NE(erro.find("--seguir"), std::string::npos) << erro;
  EXPECT_EQ(erro.substr(erro.size() - 26), ") (veja tarnel-cli --help)");
}

std::vector<std::string> Linhas(const std::string& texto) {
  std::vector<std::string> linhas;
  std::istringstream leitura(texto);
  for (std::string linha; std::getline(leitura, linha);) linhas.push_back(linha);
  return linhas;
}

// --version alone prints the program's name and version, listed in the general help.
TEST(CommandLine, VersionOptionPrintsTheVersion) {
  const Invocacao versao = InterpretaArgumentos({"--version"});
  EXPECT_EQ(versao.erro, "");
  EXPECT_TRUE(std::regex_match(versao.ajuda, std::regex(R"(tarnel-cli \d+\.\d+\.\d+\.\d+)"))) << versao.ajuda;
  EXPECT_NE(InterpretaArgumentos({"--help"}).ajuda.find("\n     tarnel-cli --version\n"), std::string::npos);
  EXPECT_NE(InterpretaArgumentos({"exec", "--version"}).erro, "");
}

TEST(CommandLine, EachSubcommandHasItsHelpAndTheGeneralHelpHoldsThemAll) {
  const std::string geral = InterpretaArgumentos({"--help"}).ajuda;
  EXPECT_EQ(InterpretaArgumentos({"-h"}).ajuda, geral);
  const std::vector<std::string> linhas_gerais = Linhas(geral);
  ASSERT_GE(linhas_gerais.size(), 4u);
  EXPECT_EQ(linhas_gerais[0], "Uso: tarnel-cli exec [--canal CANAL] [--log ARQUIVO] COMANDO [NOME=VALOR ...]");
  EXPECT_EQ(linhas_gerais[1], "     tarnel-cli registrador [--canal CANAL] [--log ARQUIVO] REGISTRADOR");
  EXPECT_EQ(linhas_gerais[3], "     tarnel-cli bobina [--seguir]");
  // Names that may be left out are in brackets; one that must be given at least once is not.
  for (const char* sinopse :
       {"     tarnel-cli software-basico [--canal CANAL] [ARQUIVO]\n",
        "     tarnel-cli mfd-ler LEITURA.MFD [PASTA]\n",
        "     tarnel-cli run [--canal CANAL] [--pausar-erro] [--pausar-sucesso] [--pausar-diferente] "
        "[--testar-contexto] [--responder R] [--relatorio ARQ] ARQUIVO [ARQUIVO ...]\n"})
    EXPECT_NE(geral.find(sinopse), std::string::npos) << sinopse << geral;

  for (const char* subcomando : {"exec", "registrador", "shell", "bobina", "run", "leitura", "planilha"}) {
    SCOPED_TRACE(subcomando);
    const Invocacao invocacao = InterpretaArgumentos({subcomando, "--help"});
    EXPECT_EQ(invocacao.erro, "");
    const std::vector<std::string> linhas = Linhas(invocacao.ajuda);
    ASSERT_GE(linhas.size(), 3u);
    // Its synopsis is the general help's line for it.
    EXPECT_EQ(linhas[0].rfind(std::string("Uso: tarnel-cli ") + subcomando + " ", 0), 0u) << linhas[0];
    EXPECT_NE(geral.find(linhas[0].substr(4) + "\n"), std::string::npos) << linhas[0];
    EXPECT_EQ(linhas[1], "");
    // Every other line, but its own help option, is in the general help.
    for (std::size_t i = 1; i < linhas.size(); ++i) {
      if (linhas[i].empty()) continue;
      if (linhas[i].rfind("  -h,--help", 0) == 0) continue;
      EXPECT_NE(std::find(linhas_gerais.begin(), linhas_gerais.end(), linhas[i]), linhas_gerais.end()) << linhas[i];
    }
  }
  // A subcommand's help is its own: exec's says nothing of the paper roll.
  EXPECT_EQ(InterpretaArgumentos({"exec", "--help"}).ajuda.find("bobina"), std::string::npos);
  // Help wins over a mistake on the same line.
  EXPECT_EQ(InterpretaArgumentos({"exec", "--porta", "--help"}).erro, "");
}

// run: files and options in any order; without a --pausar-* flag the replies are compared and
// nothing else pauses, with any exactly the pauses given; questions answered by the policy.
TEST(CommandLine, RunGetsItsFilesPausesAndPolicy) {
  using tarnel::cli::PoliticaResposta;
  struct Caso {
    Argumentos argumentos;
    std::vector<std::string> arquivos;
    std::string canal;
    bool erro, sucesso, diferente, contexto;
    PoliticaResposta resposta;
    std::string relatorio;
  };
  const Caso casos[] = {
      {{"run", "a.RMT"}, {"a.RMT"}, "Emul", false, false, true, false, PoliticaResposta::Nao, ""},
      {{"run", "a.RMT", "--pausar-erro", "b.RMT", "--responder", "sim"}, {"a.RMT", "b.RMT"}, "Emul", true, false,
       false, false, PoliticaResposta::Sim, ""},
      {{"run", "--canal=COM2", "--pausar-sucesso", "--pausar-diferente", "--testar-contexto", "--responder", "parar",
        "--relatorio", "r.xml", "x.RMT"},
       {"x.RMT"}, "COM2", false, true, true, true, PoliticaResposta::Parar, "r.xml"},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(::testing::PrintToString(caso.argumentos));
    const Invocacao invocacao = InterpretaArgumentos(caso.argumentos);
    ASSERT_EQ(invocacao.erro, "");
    EXPECT_EQ(invocacao.subcomando, Subcomando::kRun);
    const tarnel::cli::PedidoRun& run = invocacao.run;
    EXPECT_EQ(run.arquivos, caso.arquivos);
    EXPECT_EQ(run.canal, caso.canal);
    EXPECT_FALSE(run.opcoes.NaoPausar);
    EXPECT_EQ(run.opcoes.PausarComErro, caso.erro);
    EXPECT_EQ(run.opcoes.PausarSemErro, caso.sucesso);
    EXPECT_EQ(run.opcoes.PausarDiferente, caso.diferente);
    EXPECT_EQ(run.opcoes.TestarContexto, caso.contexto);
    EXPECT_EQ(run.resposta, caso.resposta);
    EXPECT_EQ(run.relatorio, caso.relatorio);
  }
  const std::pair<Argumentos, std::string> erros[] = {
      {{"run"}, "tarnel-cli run: Falta o arquivo de comandos (veja tarnel-cli --help)"},
      {{"run", "a.RMT", "--responder", "talvez"},
       "tarnel-cli run: --responder aceita sim, nao ou parar, n\xE3o talvez (veja tarnel-cli --help)"},
      {{"run", "a.RMT", "--relatorio"}, "tarnel-cli run: Falta o valor de --relatorio (veja tarnel-cli --help)"},
      {{"run", "a.RMT", "--log", "x"}, "tarnel-cli run: Op\xE7\xE3o desconhecida: --log (veja tarnel-cli --help)"},
  };
  for (const auto& [argumentos, erro] : erros) EXPECT_EQ(InterpretaArgumentos(argumentos).erro, erro);
}

// leitura: the kind, at most one range that the kind has, the file and the copy on the screen.
TEST(CommandLine, LeituraGetsItsKindRangeAndFile) {
  using tarnel::cli::FaixaLeitura;
  using tarnel::cli::TipoLeitura;
  struct Caso {
    Argumentos argumentos;
    TipoLeitura tipo;
    FaixaLeitura faixa;
    std::string inicio, fim, saida;
    bool filtrada;
    std::string canal;
  };
  const Caso casos[] = {
      {{"leitura", "x"}, TipoLeitura::X, FaixaLeitura::Padrao, "", "", "", false, "Emul"},
      {{"leitura", "mf", "--reducao", "3-12", "--saida", "a.txt", "--filtrada"}, TipoLeitura::MF,
       FaixaLeitura::Reducao, "3", "12", "a.txt", true, "Emul"},
      {{"leitura", "--coo=1-20", "mfd", "--canal", "COM1"}, TipoLeitura::MFD, FaixaLeitura::Coo, "1", "20", "", false,
       "COM1"},
      {{"leitura", "mfd", "--data", "01/12/2026-31/12/2026"}, TipoLeitura::MFD, FaixaLeitura::Data, "01/12/2026",
       "31/12/2026", "", false, "Emul"},
      {{"leitura", "mf", "--data", "01/12/2026-02/12/2026"}, TipoLeitura::MF, FaixaLeitura::Data, "01/12/2026",
       "02/12/2026", "", false, "Emul"},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(::testing::PrintToString(caso.argumentos));
    const Invocacao invocacao = InterpretaArgumentos(caso.argumentos);
    ASSERT_EQ(invocacao.erro, "");
    EXPECT_EQ(invocacao.subcomando, Subcomando::kLeitura);
    const tarnel::cli::PedidoLeituraCli& l = invocacao.leitura;
    EXPECT_EQ(l.tipo, caso.tipo);
    EXPECT_EQ(l.faixa, caso.faixa);
    EXPECT_EQ(l.inicio, caso.inicio);
    EXPECT_EQ(l.fim, caso.fim);
    EXPECT_EQ(l.saida, caso.saida);
    EXPECT_EQ(l.filtrada, caso.filtrada);
    EXPECT_EQ(l.canal, caso.canal);
  }
  const std::pair<Argumentos, std::string> erros[] = {
      {{"leitura"}, "Falta o tipo da leitura (mf, mfd ou x)"},
      {{"leitura", "z"}, "Tipo de leitura desconhecido: z (use mf, mfd ou x)"},
      {{"leitura", "MF"}, "Tipo de leitura desconhecido: MF (use mf, mfd ou x)"},
      {{"leitura", "x", "--data", "01/01/2026-02/01/2026"}, "--data n\xE3o vale para a leitura x"},
      {{"leitura", "mf", "--coo", "1-2"}, "--coo n\xE3o vale para a leitura mf"},
      {{"leitura", "mfd", "--reducao", "1-2"}, "--reducao n\xE3o vale para a leitura mfd"},
      {{"leitura", "mfd", "--coo", "1-2", "--data", "01/01/2026-02/01/2026"}, "Use s\xF3 uma de --reducao, --coo e --data"},
      {{"leitura", "mf", "--reducao", "1"}, "--reducao espera A-B com n\xFAmeros inteiros, n\xE3o 1"},
      {{"leitura", "mf", "--reducao", "1-2-3"}, "--reducao espera A-B com n\xFAmeros inteiros, n\xE3o 1-2-3"},
      {{"leitura", "mfd", "--coo", "1-x"}, "--coo espera A-B com n\xFAmeros inteiros, n\xE3o 1-x"},
      {{"leitura", "mfd", "--coo", "1-9999999999"}, "--coo espera A-B com n\xFAmeros inteiros, n\xE3o 1-9999999999"},
      {{"leitura", "mfd", "--data", "01/01/2026"}, "--data espera D1-D2, n\xE3o 01/01/2026"},
      {{"leitura", "x", "--saida"}, "Falta o valor de --saida"},
      {{"leitura", "x", "y"}, "Argumento a mais: y"},
      {{"leitura", "x", "--saida", test_support::kNullDevice, "--filtrada"},
       std::string("--filtrada l\xEA de volta o arquivo de --saida, e ") + test_support::kNullDevice + " n\xE3o \xE9 um arquivo"},
  };
  for (const auto& [argumentos, erro] : erros)
    EXPECT_EQ(InterpretaArgumentos(argumentos).erro, "tarnel-cli leitura: " + erro + " (veja tarnel-cli --help)")
        << ::testing::PrintToString(argumentos);
}

}  // namespace
