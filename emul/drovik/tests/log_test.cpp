// The library's log file: exact bytes of the command and reply lines, appending, switching off.
#include <cstring>
#include <regex>
#include <string>

#include "drovik_carregado.h"
#include "quorbal/catalogo.h"
#include "quorbal/registro.h"
#include "test_support/patterns.h"

namespace {

using DrovikLog = DrovikCarregado;
using test_support::kPadraoCarimbo;
using test_support::read_bytes;
using test_support::literal_pattern;

// One command line and one reply line, time stamps matched by pattern, everything else literal.
std::string Par(const std::string& comando, const std::string& resposta) {
  return kPadraoCarimbo + " -> " + comando + "\r\n" + kPadraoCarimbo + " <- " + resposta + "\r\n";
}

TEST_F(DrovikLog, EveryCommandAppendsACommandLineAndAReplyLine) {
  const std::string caminho = pasta_.file("Comandos.RMT");
  test_support::write_bytes(caminho, "; cabecalho\r\n");
  SetaArquivoLog(caminho.c_str());

  ASSERT_NE(Executa("AbreGaveta", {{"TempoAcionamentoGaveta", "100", quorbal::kInt}}), 0);
  ASSERT_NE(Executa("ComandoQueNaoExiste"), 0);
  const std::string circunstancia = ObtemCircunstancia(Handle(), nullptr, 0);

  const std::string esperado =
      literal_pattern("; cabecalho\r\n") +
      Par(literal_pattern("{0;AbreGaveta;TempoAcionamentoGaveta=100;}"), literal_pattern("{0;0;;}")) +
      Par(literal_pattern("{0;ComandoQueNaoExiste;;}"),
          literal_pattern("{0;11006;NomeErro=\"ErroProtComandoInexistente\" Circunstancia=\"" + circunstancia + "\";}"));
  const std::string conteudo = read_bytes(caminho);
  EXPECT_TRUE(std::regex_match(conteudo, std::regex(esperado))) << conteudo;
}

TEST_F(DrovikLog, RepeatingTheLastReplyWritesNothing) {
  const std::string caminho = pasta_.file("log.txt");
  SetaArquivoLog(caminho.c_str());
  ASSERT_NE(Executa("AbreGaveta"), 0);
  const std::string antes = read_bytes(caminho);
  ASSERT_NE(ExecutaComando(Handle(), ""), 0);
  EXPECT_EQ(read_bytes(caminho), antes);
}

TEST_F(DrovikLog, ReturnsAreLoggedAsItems) {
  const std::string caminho = pasta_.file("log.txt");
  SetaArquivoLog(caminho.c_str());
  ASSERT_NE(Executa("LeInteiro", {{"NomeInteiro", "COO", quorbal::kString}}), 0);
  const std::string retornos = ObtemRetornos(Handle(), nullptr, 0);
  ASSERT_FALSE(retornos.empty());
  EXPECT_TRUE(std::regex_match(read_bytes(caminho),
                               std::regex(Par(literal_pattern("{0;LeInteiro;NomeInteiro=COO;}"),
                                              literal_pattern("{0;0;" + retornos + ";}")))))
      << read_bytes(caminho);
}

TEST_F(DrovikLog, EmptyOrNullPathStopsLogging) {
  const std::string caminho = pasta_.file("log.txt");
  SetaArquivoLog(caminho.c_str());
  ASSERT_NE(Executa("AbreGaveta"), 0);
  const std::string depois_do_primeiro = read_bytes(caminho);
  EXPECT_FALSE(depois_do_primeiro.empty());

  SetaArquivoLog("");
  ASSERT_NE(Executa("AbreGaveta"), 0);
  SetaArquivoLog(caminho.c_str());
  SetaArquivoLog(nullptr);
  ASSERT_NE(Executa("AbreGaveta"), 0);
  EXPECT_EQ(read_bytes(caminho), depois_do_primeiro);
}

TEST_F(DrovikLog, ObtemNomeLogCopiesThePathWithinTheBuffer) {
  char nome[DROVIK_TAMANHO_NOME_LOG];
  EXPECT_EQ(ObtemNomeLog(nome, sizeof nome), 0);
  EXPECT_STREQ(nome, "");

  SetaArquivoLog("/pasta/Comandos.RMT");
  EXPECT_EQ(ObtemNomeLog(nome, sizeof nome), 19);
  EXPECT_STREQ(nome, "/pasta/Comandos.RMT");

  char curto[8];
  std::memset(curto, 'Z', sizeof curto);
  EXPECT_EQ(ObtemNomeLog(curto, 5), 4);
  EXPECT_EQ(std::string(curto, 8), std::string("/pas\0ZZZ", 8));
  EXPECT_LT(ObtemNomeLog(nullptr, 260), 0);
}

TEST_F(DrovikLog, ALineBreakInAValueStaysInsideItsLineAndReadsBackByteForByte) {
  const std::string caminho = pasta_.file("Comandos.RMT");
  SetaArquivoLog(caminho.c_str());
  const std::string texto = "linha 1\r\nlinha 2\n\r\"fim\"\\";
  ASSERT_NE(Executa("EscreveTexto", {{"NomeTexto", "Nota", quorbal::kString}, {"ValorTexto", texto.c_str(), quorbal::kString}}), 0);

  const std::string conteudo = read_bytes(caminho);
  ASSERT_TRUE(std::regex_match(
      conteudo, std::regex(Par(literal_pattern(R"({0;EscreveTexto;NomeTexto=Nota ValorTexto="linha 1\r\nlinha 2\n\r\"fim\"\\";})"),
                               R"(\{0;[^\r\n]*\})"))))
      << conteudo;
  // The record after the marker column, as a replay reads it.
  const std::size_t inicio = conteudo.find("{0;");
  quorbal::Registro registro;
  ASSERT_TRUE(quorbal::LeRegistro(std::string_view(conteudo).substr(inicio, conteudo.find('\n') + 1 - inicio), registro));
  ASSERT_EQ(registro.itens.size(), 2u);
  EXPECT_EQ(registro.itens[1].valor, texto);
}

// A name with a line break could end the log's command line early and forge the lines Tarnel shows
// and replays; names keep to the catalogue's characters, anything else is refused before the log.
TEST_F(DrovikLog, NamesOutsideTheCatalogueCharactersNeverReachTheLog) {
  const std::string caminho = pasta_.file("Comandos.RMT");
  SetaArquivoLog(caminho.c_str());
  const std::int32_t h = Handle();
  ASSERT_NE(Executa("ComandoQueNaoExiste"), 0);
  ASSERT_EQ(AdicionaParam(h, "TempoAcionamentoGaveta", "100", quorbal::kInt), 1);
  const std::string log_antes = read_bytes(caminho);
  const char* const forjados[] = {
      "AbreGaveta\r\n01/01/2000 00:00:00.000 <- {0;0;;}",
      "AbreGaveta\r",
      "\nAbreGaveta",
      "Abre Gaveta",
      "AbreGaveta;}",
      "Abre\xC7",
      "TempoAcionamentoGaveta=1",
      " ",
  };
  for (const char* nome : forjados) {
    SCOPED_TRACE(nome);
    EXPECT_EQ(ExecutaComando(h, nome), 0);
    EXPECT_EQ(AdicionaParam(h, nome, "1", quorbal::kInt), -2);
  }
  EXPECT_EQ(AdicionaParam(h, "", "1", quorbal::kInt), -2);
  EXPECT_EQ(read_bytes(caminho), log_antes);
  // Nothing was lost: the pending parameter and the last reply are as they were.
  EXPECT_STREQ(ListaParams(h, nullptr, 0), "TempoAcionamentoGaveta=100");
  EXPECT_EQ(ObtemCodErro(h), 11006);
  EXPECT_STREQ(ObtemNomeErro(h, nullptr, 0), "ErroProtComandoInexistente");
}

TEST_F(DrovikLog, UnwritableLogDoesNotStopTheCommand) {
  SetaArquivoLog(pasta_.file("pasta-que-nao-existe/log.txt").c_str());
  ASSERT_NE(Executa("AbreGaveta"), 0);
  EXPECT_EQ(ObtemCodErro(Handle()), 0);
}

}  // namespace
