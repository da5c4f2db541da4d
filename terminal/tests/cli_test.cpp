// tarnel-cli run as a program on the stand-in library: output byte for byte (time stamps by
// pattern), exit status, messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli_programa.h"

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

TEST_F(Cli, WithAnExistingLogTheTranscriptIsTheLibrarysLines) {
  test_support::write_bytes(pasta.file("Comandos.RMT"), "; cabecalho\r\n");
  const Execucao e = Roda({"exec", "--log", "Comandos.RMT", "AbreGaveta", "TempoAcionamentoGaveta=100"});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  const std::string comando = R"( -> \{0;AbreGaveta;TempoAcionamentoGaveta=100;\})";
  const std::string resposta = R"( <- \{0;0;;\})";
  EXPECT_TRUE(Casa(e.saida, kPadraoCarimbo + comando + "\n" + kPadraoCarimbo + resposta + u8"\nErro: NoError\nCircunstância:\n"))
      << e.saida;
  // The file holds the same two lines, with CR LF.
  const std::string arquivo = read_bytes(pasta.file("Comandos.RMT"));
  EXPECT_TRUE(Casa(arquivo, "; cabecalho\r\n" + kPadraoCarimbo + comando + "\r\n" + kPadraoCarimbo + resposta + "\r\n")) << arquivo;
  std::string linhas_saida = e.saida.substr(0, e.saida.find("Erro:"));
  std::string linhas_arquivo = arquivo.substr(13);
  linhas_arquivo.erase(std::remove(linhas_arquivo.begin(), linhas_arquivo.end(), '\r'), linhas_arquivo.end());
  EXPECT_EQ(linhas_saida, linhas_arquivo);
}

TEST_F(Cli, ANewLogFileShowsTheAccessErrorLine) {
  const Execucao e = Roda({"exec", "--log", "Novo.RMT", "AbreGaveta", "TempoAcionamentoGaveta=100"});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  EXPECT_EQ(e.saida, u8"Erro ao acessar arquivo de log Novo.RMT\nErro: NoError\nCircunstância:\n");
  EXPECT_TRUE(Casa(read_bytes(pasta.file("Novo.RMT")), "(" + kPadraoCarimbo + " (->|<-) [^\r\n]*\r\n){2}"));
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

TEST_F(Cli, LibraryAndChannelFailuresExitWithTwo) {
  const Execucao sem_biblioteca = Roda({"exec", "AbreGaveta"}, pasta.file("nao-existe.so"));
  EXPECT_EQ(sem_biblioteca.status, 2);
  EXPECT_EQ(sem_biblioteca.saida, "");
  EXPECT_EQ(sem_biblioteca.mensagens, u8"Não foi possível carregar a DLL de comunicação DROVIK.DLL\n");

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
