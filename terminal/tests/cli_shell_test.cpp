// tarnel-cli shell driven through its standard input, as a script or a pipe would: the output of a
// whole session line by line (time stamps by pattern), its end, and a connection that fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli_programa.h"
#include "quorbal/catalogo.h"

namespace {

using namespace teste_cli;

class Shell : public ::testing::Test {
 protected:
  Execucao Roda(const std::string& entrada, const std::vector<std::string>& opcoes = {},
                const std::string& biblioteca = DROVIK_ARQUIVO) {
    std::vector<std::string> argumentos{"shell"};
    argumentos.insert(argumentos.end(), opcoes.begin(), opcoes.end());
    return RodaCli(pasta, argumentos, biblioteca, &entrada);
  }

  TempFolder pasta{"tarnel-test", TempFolder::enter | TempFolder::user_folders};
};

TEST_F(Shell, ASessionPrintsWhatTheWindowWouldShowLineByLine) {
  const std::string entrada =
      "AbreGaveta TempoAcionamentoGaveta=100\r\n"  // a line from a Windows editor
      "\n"
      u8"EscreveTexto NomeTexto=TextoLivre ValorTexto=\"Feijão 1kg \\\"tipo 1\\\"\"\n"
      "LeTexto NomeTexto=TextoLivre\n"
      "registrador TextoLivre\n"
      "registrador RegistradorQueNaoExiste\n"
      "ultimo\n"
      "ComandoQueNaoExiste Nome=\"a b\"\n"
      "VendeItem NomeProduto=\"Arroz 5kg\n"
      "AbreGaveta Tempo=100\n"
      "LeTexto\n"
      "limpa\n"
      "LeTexto\n"
      "sair\n"
      "AbreGaveta TempoAcionamentoGaveta=100\n";
  const Execucao e = Roda(entrada);
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.mensagens, "");
  const std::string texto = u8"Feijão 1kg \"tipo 1\"";
  const std::string registro = u8"ValorTexto=\"Feijão 1kg \\\"tipo 1\\\"\"";
  EXPECT_TRUE(Casa(e.saida, PadraoLinhas({
                                "@ -> {0;AbreGaveta;TempoAcionamentoGaveta=100;}",
                                "@ <- {0;0;;}",
                                "Erro: NoError",
                                u8"Circunstância:",
                                "@ -> {0;EscreveTexto;NomeTexto=TextoLivre " + registro + ";}",
                                "@ <- {0;0;;}",
                                "Erro: NoError",
                                u8"Circunstância:",
                                "@ -> {0;LeTexto;NomeTexto=TextoLivre;}",
                                "@ <- {0;0;" + registro + ";}",
                                "Erro: NoError",
                                u8"Circunstância:",
                                "ValorTexto=" + texto,
                                // The register reader runs the reading command itself.
                                "@ -> {0;LeTexto;NomeTexto=TextoLivre;}",
                                "@ <- {0;0;" + registro + ";}",
                                "Valor: " + texto,
                                u8"Erro: Registrador inexiste para esta versão de protocolo!",
                                // Last reply: no parameters, the user's command still selected.
                                "@ -> {0;LeTexto;;}",
                                "@ <- {0;0;" + registro + ";}",
                                "Erro: NoError",
                                u8"Circunstância:",
                                "ValorTexto=" + texto,
                                "@ -> {0;ComandoQueNaoExiste;Nome=\"a b\";}",
                                R"(~)" + kPadraoCarimbo +
                                    R"( <- \{0;11006;NomeErro="ErroProtComandoInexistente" Circunstancia="[^"\n]*";\})",
                                "Erro: ErroProtComandoInexistente",
                                u8"~Circunstância: [^\n]+",
                                u8"Aspas abertas na coluna 23 e não fechadas; a linha não foi executada.",
                                u8"O comando AbreGaveta não tem o parâmetro Tempo",
                                // The fields keep what was typed until "limpa" empties them.
                                "@ -> {0;LeTexto;NomeTexto=TextoLivre;}",
                                "@ <- {0;0;" + registro + ";}",
                                "Erro: NoError",
                                u8"Circunstância:",
                                "ValorTexto=" + texto,
                                "Campos de LeTexto esvaziados.",
                                "@ -> {0;LeTexto;;}",
                                R"(~)" + kPadraoCarimbo + R"( <- \{0;[1-9]\d*;NomeErro="\w+" Circunstancia="[^"\n]*NomeTexto[^"\n]*";\})",
                                R"(~Erro: \w+)",
                                u8"~Circunstância: [^\n]*NomeTexto[^\n]*",
                                "ValorTexto=",
                            })))
      << e.saida;
}

TEST_F(Shell, TheEndOfInputEndsTheSessionAndMistakesDoNotStopIt) {
  const Execucao e = Roda("\"\" TempoAcionamentoGaveta=100\nTempoAcionamentoGaveta=100\nAbreGaveta semigual\n"
                          "ultimo\nsair agora\nregistrador\nAJUDA\nAbreGaveta TempoAcionamentoGaveta=100");
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.mensagens, "");
  // Nothing reached the printer before "ultimo", so the library has no reply to repeat.
  const std::string inicio = u8"Falta o nome do comando no início da linha.\n"
                             u8"Falta o nome do comando no início da linha.\n"
                             u8"Parâmetro fora da forma NOME=VALOR: semigual\n"
                             u8"A DLL não tem resposta anterior para repetir.\n"
                             "Argumento a mais: agora\n"
                             "Falta o nome do registrador: registrador NOME\n"
                             u8"Cada linha é um comando para a impressora";
  ASSERT_EQ(e.saida.substr(0, inicio.size()), inicio) << e.saida;
  // The last line has no line end and still runs.
  EXPECT_TRUE(Casa(e.saida.substr(e.saida.find(u8"  sair, quit")),
                   PadraoLinhas({u8"~  sair, quit +encerra a sessão \\(o fim da entrada também\\)",
                                 "@ -> {0;AbreGaveta;TempoAcionamentoGaveta=100;}", "@ <- {0;0;;}", "Erro: NoError",
                                 u8"Circunstância:"})))
      << e.saida;
}

// A line the printer cannot be sent as typed is not sent at all; the session goes on.
TEST_F(Shell, LinesWindows1252CannotHoldAreNotSent) {
  const Execucao e = Roda(std::string(u8"AbreCupomFiscal NomeConsumidor=日本\n") +
                          "AbreCupomFiscal NomeConsumidor=Jos\xE9\n" + std::string("AbreGa\0veta\n", 12) + "ultimo\n");
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.saida, u8"Linha com caracteres fora do Windows-1252: nada foi enviado.\n"
                     u8"Linha que não é UTF-8 (a entrada deve estar em UTF-8): nada foi enviado.\n"
                     u8"Linha com um byte nulo: nada foi enviado.\n"
                     u8"A DLL não tem resposta anterior para repetir.\n");
}

// At a terminal the line editor reads the lines; in an ASCII locale (LANG=C) it must still pass the
// accented letters on, not drop them. script(1) gives the shell a terminal.
TEST_F(Shell, AtATerminalInAnAsciiLocaleAccentsReachThePrinter) {
  if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1) here";
  test_support::write_bytes(pasta.file("entrada.txt"), u8"AbreCupomFiscal NomeConsumidor=\"João Çé\"\nsair\n");
  const std::string linha = "env -u LANG -u LC_CTYPE LC_ALL=C TARNEL_DROVIK=" + Aspas(DROVIK_ARQUIVO) +
                            " script -qec " + Aspas(Aspas(TARNEL_CLI) + " shell --log dia.RMT") +
                            " /dev/null <entrada.txt >saida.txt 2>&1";
  ASSERT_EQ(std::system(linha.c_str()), 0) << read_bytes(pasta.file("saida.txt"));
  EXPECT_NE(read_bytes(pasta.file("dia.RMT")).find("{0;AbreCupomFiscal;NomeConsumidor=\"Jo\xE3o \xC7\xE9\";}"),
            std::string::npos)
      << read_bytes(pasta.file("dia.RMT"));
}

TEST_F(Shell, ComandosListsTheCatalogueAndDescribesOneCommand) {
  const Execucao e = Roda("comandos\ncomandos leinteiro\ncomandos AbreGaveta\ncomandos Nada\n");
  EXPECT_EQ(e.status, 0);
  std::string esperado;
  for (const quorbal::DescritorComando& comando : quorbal::kCatalogo) esperado += std::string(comando.nome) + "\n";
  esperado += u8"LeInteiro (* obrigatório)\n"
              u8"Parâmetros:\n"
              "  * NomeInteiro  string 50\n"
              "Retornos:\n"
              "    ValorInteiro  long   4\n"
              u8"AbreGaveta (* obrigatório)\n"
              u8"Parâmetros:\n"
              "    TempoAcionamentoGaveta  int    2\n"
              "Retornos: nenhum\n"
              "Comando desconhecido: Nada\n";
  EXPECT_EQ(e.saida, esperado);
}

TEST_F(Shell, AFailedConnectionIsReportedAndExitsWithTwo) {
  const Execucao canal = Roda("AbreGaveta\n", {"--canal", "COM1"});
  EXPECT_EQ(canal.status, 2);
  EXPECT_EQ(canal.saida, "");
  EXPECT_EQ(canal.mensagens, u8"Canal COM1 não pode ser aberto pela DLL.\n");

  const Execucao biblioteca = Roda("AbreGaveta\n", {}, pasta.file("nao-existe.so"));
  EXPECT_EQ(biblioteca.status, 2);
  EXPECT_EQ(biblioteca.saida, "");
  EXPECT_EQ(biblioteca.mensagens, u8"Não foi possível carregar a DLL de comunicação DROVIK.DLL\n"
                                  "Arquivo procurado: " + pasta.file("nao-existe.so") + "\n");

  const Execucao uso = Roda("", {"AbreGaveta"});
  EXPECT_EQ(uso.status, 2);
  EXPECT_EQ(uso.mensagens, "tarnel-cli shell: Argumento a mais: AbreGaveta (veja tarnel-cli --help)\n");
}

// Recording spans the session: one start before the first command, one stop after the last.
TEST_F(Shell, ALogFileRecordsTheWholeSessionBetweenOneStartAndOneStop) {
  const Execucao e = Roda("AbreGaveta TempoAcionamentoGaveta=100\nAbreGaveta TempoAcionamentoGaveta=200\nsair\n",
                          {"--log", "Sessao.RMT"});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  const std::string arquivo = read_bytes(pasta.file("Sessao.RMT"));
  const std::string linha_biblioteca = kPadraoCarimbo + " (->|<-) [^\r\n]*\r\n";
  EXPECT_TRUE(Casa(arquivo, "; Arquivo de Registro[^\r\n]*\r\n; " + kPadraoCarimbo + " - Reiniciadas[^\r\n]*\r\n(" +
                                linha_biblioteca + "){4}; " + kPadraoCarimbo + " - Grava[^\r\n]* suspensas[^\r\n]*\r\n"))
      << arquivo;
}

}  // namespace
