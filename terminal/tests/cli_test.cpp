// tarnel-cli run as a program on the stand-in library: output byte for byte (time stamps by
// pattern), exit status, messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli_programa.h"
#include "window/versao.h"

namespace {

using namespace teste_cli;

class Cli : public ::testing::Test {
 protected:
  Execucao Roda(const std::vector<std::string>& argumentos, const std::string& biblioteca = DROVIK_ARQUIVO) {
    return RodaCli(pasta, argumentos, biblioteca);
  }

  TempFolder pasta{"tarnel-test", TempFolder::enter | TempFolder::user_folders};
};

TEST_F(Cli, ExecPrintsTheTranscriptTheErrorFieldsAndTheReturns) {
  const Execucao e = Roda({"exec", "--canal", "Emul", "AbreGaveta", "TempoAcionamentoGaveta=100"});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  EXPECT_TRUE(Casa(e.saida, kPadraoCarimbo + R"( -> \{0;AbreGaveta;TempoAcionamentoGaveta=100;\}\n)" + kPadraoCarimbo +
                                R"( <- \{0;0;;\}\n)"
                                "Erro: NoError\n"
                                u8"Circunstância:\n"))
      << e.saida;
  EXPECT_EQ(e.mensagens, "");

  const Execucao leitura = Roda({"exec", "leinteiro", "NomeInteiro=COO"});
  EXPECT_EQ(leitura.status, 0) << leitura.mensagens;
  EXPECT_TRUE(Casa(leitura.saida, kPadraoCarimbo + R"( -> \{0;LeInteiro;NomeInteiro=COO;\}\n)" + kPadraoCarimbo +
                                      R"( <- \{0;0;ValorInteiro=(\d+);\}\n)"
                                      u8"Erro: NoError\nCircunstância:\nValorInteiro=\\d+\n"))
      << leitura.saida;
}

// --log records into the file as the window does: the header when the file is new, the restart line,
// the library's lines (which are the transcript), the suspension line at the end.
TEST_F(Cli, TheLogFileIsRecordedAsTheWindowRecordsIt) {
  const std::string reiniciadas = "; " + kPadraoCarimbo + literal_pattern(" - Reiniciadas grava\xE7\xF5\x65s de comandos neste arquivo.\r\n");
  const std::string suspensas = "; " + kPadraoCarimbo + literal_pattern(" - Grava\xE7\xF5\x65s de comandos suspensas neste arquivo.\r\n");
  const std::string comando = R"( -> \{0;AbreGaveta;TempoAcionamentoGaveta=100;\})";
  const std::string resposta = R"( <- \{0;0;;\})";
  const std::string linhas = kPadraoCarimbo + comando + "\r\n" + kPadraoCarimbo + resposta + "\r\n";
  const std::string cabecalho = literal_pattern("; Arquivo de Registro de Comandos do " + tarnel::DescricaoDoPrograma() + "\r\n");
  struct Caso {
    std::string antes;    // the file before the run; "-" for none
    std::string arquivo;  // pattern of the file after it
  };
  for (const Caso& caso : {Caso{"-", cabecalho + reiniciadas + linhas + suspensas},
                           Caso{"; antigo\r\n", "; antigo\r\n" + reiniciadas + linhas + suspensas}}) {
    if (caso.antes != "-") test_support::write_bytes(pasta.file("Log.txt"), caso.antes);
    else std::filesystem::remove(pasta.file("Log.txt"));
    const Execucao e = Roda({"exec", "--log", "Log.txt", "AbreGaveta", "TempoAcionamentoGaveta=100"});
    EXPECT_EQ(e.status, 0) << e.mensagens;
    EXPECT_EQ(e.mensagens, "");
    const std::string arquivo = read_bytes(pasta.file("Log.txt"));
    EXPECT_TRUE(Casa(arquivo, caso.arquivo)) << arquivo;
    // The transcript is the library's two lines, as the file holds them.
    std::string linhas_arquivo = arquivo.substr(arquivo.find("\r\n", arquivo.find("Reiniciadas")) + 2);
    linhas_arquivo.erase(linhas_arquivo.find("; "));
    linhas_arquivo.erase(std::remove(linhas_arquivo.begin(), linhas_arquivo.end(), '\r'), linhas_arquivo.end());
    EXPECT_EQ(e.saida, linhas_arquivo + u8"Erro: NoError\nCircunstância:\n");
  }
  EXPECT_FALSE(std::filesystem::exists(pasta.file("Log.RMT"))) << "the file keeps its extension";
}

TEST_F(Cli, ALogWithoutABaseNameIsRefused) {
  const Execucao e = Roda({"exec", "--log", ".RMT", "AbreGaveta"});
  EXPECT_EQ(e.status, 2);
  EXPECT_EQ(e.mensagens, "Nome de arquivo deve ser informado!\n");
}

// A log that cannot be written (its folder is missing, or the name is a folder) stops the work before
// any command goes to the printer: on the console the commands would otherwise go unrecorded.
TEST_F(Cli, ALogThatCannotBeWrittenRunsNothing) {
  std::filesystem::create_directory(pasta.file("Pasta.RMT"));
  const std::string entrada = "AbreGaveta TempoAcionamentoGaveta=100\n";
  for (const std::string& log : {std::string("Falta/Log.RMT"), std::string("Pasta.RMT")}) {
    for (const std::string subcomando : {"exec", "shell", "registrador"}) {
      std::vector<std::string> argumentos{subcomando, "--log", log};
      if (subcomando == "exec") argumentos.insert(argumentos.end(), {"AbreGaveta", "TempoAcionamentoGaveta=100"});
      if (subcomando == "registrador") argumentos.push_back("COO");
      const Execucao e = RodaCli(pasta, argumentos, DROVIK_ARQUIVO, subcomando == "shell" ? &entrada : nullptr);
      SCOPED_TRACE(subcomando + " --log " + log);
      EXPECT_EQ(e.status, 2);
      EXPECT_EQ(e.mensagens, u8"Arquivo de Registro de Comandos não pode ser gravado.\n");
      EXPECT_EQ(e.saida.find("->"), std::string::npos) << e.saida;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(pasta.file("Falta")));
}

TEST_F(Cli, PrinterErrorExitsWithOne) {
  const Execucao e = Roda({"exec", "AvancaPapel"});
  EXPECT_EQ(e.status, 1);
  EXPECT_TRUE(Casa(e.saida, kPadraoCarimbo + R"( -> \{0;AvancaPapel;;\}\n)" + kPadraoCarimbo +
                                R"x( <- \{0;(\d+);NomeErro="(\w+)" Circunstancia="[^\n]*Avanco[^\n]*";\}\n)x"
                                u8R"(Erro: \w+\nCircunstância: [^\n]*Avanco[^\n]*\n)"))
      << e.saida;
}

TEST_F(Cli, AccentedArgumentsTravelAsWindows1252AndPrintAsUtf8) {
  const Execucao e = Roda({"exec", "AbreCupomFiscal", u8"NomeConsumidor=José Conceição"});
  EXPECT_NE(e.status, 2) << e.mensagens;
  EXPECT_TRUE(Casa(e.saida.substr(0, e.saida.find('\n')),
                   kPadraoCarimbo + u8R"( -> \{0;AbreCupomFiscal;NomeConsumidor="José Conceição";\})"))
      << e.saida;
}

// A character Windows-1252 lacks, or bytes that are not UTF-8, would reach the printer, or name a
// file, as "?": the argument is refused before anything is done.
TEST_F(Cli, ArgumentsWindows1252CannotHoldAreRefused) {
  test_support::write_bytes(pasta.file("??.txt"), "precioso");
  for (const std::string& argumento : {std::string(u8"--saida=日本.txt"), std::string("--saida=caf\xE9.txt")}) {
    const Execucao e = Roda({"leitura", "x", argumento});
    EXPECT_EQ(e.status, 2) << argumento;
    EXPECT_EQ(e.saida, "");
    EXPECT_EQ(e.mensagens, "tarnel-cli: o argumento '" + argumento + "' tem caracteres fora do Windows-1252\n");
  }
  EXPECT_EQ(test_support::read_bytes(pasta.file("??.txt")), "precioso");
  EXPECT_FALSE(std::filesystem::exists(pasta.file("caf?.txt")));
  EXPECT_FALSE(std::filesystem::exists(pasta.file("rasc0.bin"))) << "nothing was connected";
}

TEST_F(Cli, LibraryAndChannelFailuresExitWithTwo) {
  const Execucao sem_biblioteca = Roda({"exec", "AbreGaveta"}, pasta.file("nao-existe.so"));
  EXPECT_EQ(sem_biblioteca.status, 2);
  EXPECT_EQ(sem_biblioteca.saida, "");
  EXPECT_EQ(sem_biblioteca.mensagens, u8"Não foi possível carregar a DLL de comunicação DROVIK.DLL\n"
                                      "Arquivo procurado: " + pasta.file("nao-existe.so") + "\n");

  const Execucao canal = Roda({"exec", "--canal", "COM1", "AbreGaveta"});
  EXPECT_EQ(canal.status, 2);
  EXPECT_EQ(canal.saida, "");
  EXPECT_EQ(canal.mensagens, u8"Canal COM1 não pode ser aberto pela DLL.\n");
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
  for (const auto& argumentos : std::vector<std::vector<std::string>>{
           {}, {"exec"}, {"exec", "--canal"}, {"exec", "--porta", "x", "AbreGaveta"}, {"listar"},
           {"exec", "ComandoQueNaoExiste"}, {"exec", "AbreGaveta", "Tempo=1"}, {"exec", "AbreGaveta", "semigual"}}) {
    const Execucao e = Roda(argumentos);
    EXPECT_EQ(e.status, 2) << ::testing::PrintToString(argumentos);
    EXPECT_EQ(e.saida, "");
    EXPECT_FALSE(e.mensagens.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(pasta.file("rasc0.bin"))) << "nothing was connected";
}

// Output that cannot be written (a full disk) is no success: exit 2 and a word on the error output.
TEST_F(Cli, OutputThatCannotBeWrittenIsAFailure) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  for (const std::string argumentos : {"--help", "registrador COO"}) {
    const std::string linha = "TARNEL_DROVIK=" + Aspas(DROVIK_ARQUIVO) + " " + Aspas(TARNEL_CLI) + " " + argumentos +
                              " </dev/null >/dev/full 2>mensagens.txt";
    const int bruto = std::system(linha.c_str());
    EXPECT_TRUE(WIFEXITED(bruto) && WEXITSTATUS(bruto) == 2) << argumentos;
    EXPECT_EQ(read_bytes(pasta.file("mensagens.txt")), u8"tarnel-cli: a saída não pôde ser escrita\n") << argumentos;
  }
}

TEST_F(Cli, HelpExplainsTheCommand) {
  const Execucao e = Roda({"--help"});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.saida.rfind("Uso: tarnel-cli exec [--canal CANAL] [--log ARQUIVO] COMANDO [NOME=VALOR ...]\n", 0), 0u)
      << e.saida;
  EXPECT_NE(e.saida.find("TARNEL_DROVIK"), std::string::npos);
  EXPECT_NE(e.saida.find(u8"caminho de execução"), std::string::npos);
  EXPECT_NE(e.saida.find("     tarnel-cli shell [--canal CANAL] [--log ARQUIVO]\n"), std::string::npos);
}

}  // namespace
