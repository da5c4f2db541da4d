// The stand-in library through the real dynamic loader: channels, parameters, refusals, returns and
// register look-ups.
#include <cstring>
#include <string>

#include "drovik_carregado.h"
#include "quorbal/catalogo.h"
#include "quorbal/erros.h"

using quorbal::kData;
using quorbal::kHora;
using quorbal::kInt;
using quorbal::kString;

namespace {

using DrovikCanal = DrovikCarregado;
using DrovikComando = DrovikCarregado;
using DrovikRetorno = DrovikCarregado;

TEST_F(DrovikCanal, EmulOpensOtherChannelsAreRefused) {
  EXPECT_GE(Handle(), 0);
  EXPECT_LT(IniciaDriver("COM1"), 0);
  EXPECT_LT(IniciaDriver(""), 0);
  EXPECT_LT(IniciaDriver(nullptr), 0);
  // The emulated printer keeps its context in the current folder.
  EXPECT_TRUE(std::filesystem::exists(pasta_.file("rasc0.bin")));
}

TEST_F(DrovikCanal, BadHandleDoesNothingAndTextsStayValid) {
  const std::int32_t h = Handle();
  EXPECT_EQ(EncerraDriver(h + 100), -1);
  EXPECT_EQ(ExecutaComando(h + 100, "AbreGaveta"), 0);
  EXPECT_LT(AdicionaParam(h + 100, "TempoAcionamentoGaveta", "1", kInt), 0);
  EXPECT_STREQ(ObtemNomeErro(h + 100, nullptr, 0), "");
  EXPECT_STREQ(ObtemRetornos(h + 100, nullptr, 0), "");
  EXPECT_EQ(TotalRetornos(h + 100), 0);
  char nome[31], valor[4096];
  EXPECT_LT(Retorno(h + 100, 1, nome, 31, valor, 4096), 0);
}

TEST_F(DrovikCanal, EncerraDriverClosesTheHandle) {
  const std::int32_t h = Handle();
  EXPECT_EQ(EncerraDriver(h), 0);
  EXPECT_EQ(ExecutaComando(h, "AbreGaveta"), 0);
  EXPECT_EQ(EncerraDriver(h), -1);
}

TEST_F(DrovikComando, AbreGavetaSucceedsWithoutReturns) {
  ASSERT_NE(Executa("AbreGaveta", {{"TempoAcionamentoGaveta", "100", kInt}}), 0);
  const std::int32_t h = Handle();
  EXPECT_EQ(ObtemCodErro(h), 0);
  EXPECT_STREQ(ObtemNomeErro(h, nullptr, 0), "NoError");
  EXPECT_STREQ(ObtemCircunstancia(h, nullptr, 0), "");
  EXPECT_STREQ(ObtemRetornos(h, nullptr, 0), "");
  EXPECT_EQ(TotalRetornos(h), 0);
}

TEST_F(DrovikComando, UnknownCommandIsRefusedWithItsName) {
  ASSERT_NE(Executa("ComandoQueNaoExiste"), 0);
  const std::int32_t h = Handle();
  EXPECT_EQ(ObtemCodErro(h), 11006);
  EXPECT_STREQ(ObtemNomeErro(h, nullptr, 0), "ErroProtComandoInexistente");
  EXPECT_NE(std::string(ObtemCircunstancia(h, nullptr, 0)).find("ComandoQueNaoExiste"), std::string::npos);
  EXPECT_EQ(TotalRetornos(h), 0);
}

// Each refusal carries a protocol error and a circumstance naming the parameter at fault.
void EsperaRecusa(DrovikCarregado& t, const char* parametro) {
  const std::int32_t h = t.Handle();
  const std::int32_t codigo = t.ObtemCodErro(h);
  EXPECT_NE(codigo, 0);
  EXPECT_STREQ(t.ObtemNomeErro(h, nullptr, 0), quorbal::NomeErro(codigo));
  EXPECT_STRNE(t.ObtemNomeErro(h, nullptr, 0), "ErroDesconhecido");
  EXPECT_NE(std::string(t.ObtemCircunstancia(h, nullptr, 0)).find(parametro), std::string::npos)
      << t.ObtemCircunstancia(h, nullptr, 0);
}

TEST_F(DrovikComando, ParameterRefusalsNameTheParameter) {
  ASSERT_NE(Executa("AbreGaveta", {{"TempoDesconhecido", "100", kInt}}), 0);
  EsperaRecusa(*this, "TempoDesconhecido");

  ASSERT_NE(Executa("AbreGaveta", {{"TempoAcionamentoGaveta", "cem", kInt}}), 0);
  EsperaRecusa(*this, "TempoAcionamentoGaveta");

  ASSERT_NE(Executa("AbreGaveta", {{"TempoAcionamentoGaveta", "99999999", kInt}}), 0);
  EsperaRecusa(*this, "TempoAcionamentoGaveta");

  ASSERT_NE(Executa("AvancaPapel"), 0);
  EsperaRecusa(*this, "Avanco");

  // A text longer than its declared size.
  ASSERT_NE(Executa("LeInteiro", {{"NomeInteiro", std::string(51, 'x').c_str(), kString}}), 0);
  EsperaRecusa(*this, "NomeInteiro");
}

TEST_F(DrovikComando, EmptyNameRepeatsTheLastReply) {
  EXPECT_EQ(Executa(""), 0) << "no reply yet: nothing to report";
  ASSERT_NE(Executa("ComandoQueNaoExiste"), 0);
  ASSERT_NE(ExecutaComando(Handle(), ""), 0);
  EXPECT_EQ(ObtemCodErro(Handle()), 11006);
  ASSERT_NE(ExecutaComando(Handle(), nullptr), 0);
  EXPECT_EQ(ObtemCodErro(Handle()), 11006);
}

TEST_F(DrovikComando, ListaParamsQuotesWhatABareTokenCannotCarry) {
  const std::int32_t h = Handle();
  EXPECT_STREQ(ListaParams(h, nullptr, 0), "");
  AdicionaParam(h, "TempoAcionamentoGaveta", "100", kInt);
  AdicionaParam(h, "NomeConsumidor", "Jos\xE9 da Silva", kString);
  AdicionaParam(h, "TextoLivre", "a\"b\\c", kString);
  AdicionaParam(h, "Data", "01/02/2003", kData);
  AdicionaParam(h, "Hora", "10:20:30", kHora);
  EXPECT_STREQ(ListaParams(h, nullptr, 0),
               "TempoAcionamentoGaveta=100 NomeConsumidor=\"Jos\xE9 da Silva\" TextoLivre=\"a\\\"b\\\\c\" "
               "Data=#01/02/2003# Hora=#10:20:30#");

  // With a buffer the text is also copied, cut and terminated.
  char buffer[8];
  std::memset(buffer, 'Z', sizeof buffer);
  EXPECT_EQ(ListaParams(h, buffer, 8), buffer);
  EXPECT_STREQ(buffer, "TempoAc");

  EXPECT_LT(AdicionaParam(h, "Tipo", "1", 11), 0) << "type codes end at 10";
  EXPECT_EQ(LimpaParams(h), 0);
  EXPECT_STREQ(ListaParams(h, nullptr, 0), "");
}

TEST_F(DrovikRetorno, RetornoFillsBothBuffersAndRefusesBadIndexes) {
  ASSERT_NE(Executa("LeInteiro", {{"NomeInteiro", "COO", kString}}), 0);
  const std::int32_t h = Handle();
  ASSERT_EQ(ObtemCodErro(h), 0) << ObtemCircunstancia(h, nullptr, 0);
  ASSERT_EQ(TotalRetornos(h), 1);

  char nome[DROVIK_TAMANHO_NOME_RETORNO];
  char valor[DROVIK_TAMANHO_VALOR_RETORNO];
  EXPECT_EQ(Retorno(h, 1, nome, sizeof nome, valor, sizeof valor), quorbal::kLong);
  EXPECT_STREQ(nome, "ValorInteiro");
  EXPECT_EQ(std::string(ObtemRetornos(h, nullptr, 0)), std::string("ValorInteiro=") + valor);

  EXPECT_LT(Retorno(h, 0, nome, sizeof nome, valor, sizeof valor), 0);
  EXPECT_LT(Retorno(h, 2, nome, sizeof nome, valor, sizeof valor), 0);
}

TEST_F(DrovikRetorno, RetornoCutsToTheBuffersAndNeverWritesPastThem) {
  ASSERT_NE(Executa("LeInteiro", {{"NomeInteiro", "COO", kString}}), 0);
  char nome[8];
  char valor[4];
  std::memset(nome, 'Z', sizeof nome);
  std::memset(valor, 'Z', sizeof valor);
  EXPECT_GE(Retorno(Handle(), 1, nome, 5, valor, 1), 0);
  EXPECT_EQ(std::string(nome, 8), std::string("Valo\0ZZZ", 8));
  EXPECT_EQ(std::string(valor, 4), std::string("\0ZZZ", 4));
  // Null buffers are skipped, not written.
  EXPECT_GE(Retorno(Handle(), 1, nullptr, 31, nullptr, 4096), 0);
}

TEST_F(DrovikRetorno, TextWrittenIsReadBackWhole) {
  // The longest text the register holds, with characters that need quoting in item lists.
  const std::string texto = std::string(488, 'k') + "\xE9 \"\\";
  ASSERT_NE(Executa("EscreveTexto", {{"NomeTexto", "TextoLivre", kString}, {"ValorTexto", texto.c_str(), kString}}), 0);
  ASSERT_EQ(ObtemCodErro(Handle()), 0) << ObtemCircunstancia(Handle(), nullptr, 0);
  ASSERT_NE(Executa("LeTexto", {{"NomeTexto", "TextoLivre", kString}}), 0);
  ASSERT_EQ(ObtemCodErro(Handle()), 0) << ObtemCircunstancia(Handle(), nullptr, 0);
  char nome[DROVIK_TAMANHO_NOME_RETORNO];
  char valor[DROVIK_TAMANHO_VALOR_RETORNO];
  ASSERT_GE(Retorno(Handle(), 1, nome, sizeof nome, valor, sizeof valor), 0);
  EXPECT_STREQ(nome, "ValorTexto");
  EXPECT_EQ(valor, texto);
}

TEST_F(DrovikRetorno, LeRegistradorNamesTheReadingCommand) {
  char comando[DROVIK_TAMANHO_COMANDO_REGISTRADOR];
  const std::int32_t h = Handle();
  EXPECT_EQ(LeRegistrador(h, "COO", comando, sizeof comando), DROVIK_REGISTRADOR_OK);
  EXPECT_STREQ(comando, "LeInteiro");
  EXPECT_EQ(LeRegistrador(h, "Data", comando, sizeof comando), DROVIK_REGISTRADOR_OK);
  EXPECT_STREQ(comando, "LeData");
  EXPECT_EQ(LeRegistrador(h, "Hora", comando, sizeof comando), DROVIK_REGISTRADOR_OK);
  EXPECT_STREQ(comando, "LeHora");
  EXPECT_EQ(LeRegistrador(h, "TotalDiaValorAliquota[3]", comando, sizeof comando), DROVIK_REGISTRADOR_OK);
  EXPECT_STREQ(comando, "LeMoeda");
  // The bare name of an indexed register is one the box offers: its reading asks for the index.
  EXPECT_EQ(LeRegistrador(h, "TotalDiaValorAliquota", comando, sizeof comando), DROVIK_REGISTRADOR_OK);
  EXPECT_STREQ(comando, "LeMoeda");
  // Names the printer does not have, an index it does not have included.
  for (const char* nome : {"RegistradorQueNaoExiste", "COO[99]", "COO[junk", "TotalDiaValorAliquota[999]"}) {
    SCOPED_TRACE(nome);
    std::strcpy(comando, "antes");
    EXPECT_EQ(LeRegistrador(h, nome, comando, sizeof comando), DROVIK_REGISTRADOR_INEXISTENTE);
    EXPECT_STREQ(comando, "");
  }
  // A buffer too small for the name is refused, not overrun.
  EXPECT_EQ(LeRegistrador(h, "COO", comando, 4), DROVIK_REGISTRADOR_FALHA);
  EXPECT_EQ(LeRegistrador(h, "COO", nullptr, 64), DROVIK_REGISTRADOR_FALHA);
  // No channel is needed: a handle never opened, or already closed, gets the same answers.
  ASSERT_EQ(EncerraDriver(h), 0);
  for (const std::int32_t fechado : {h, h + 100, -1}) {
    SCOPED_TRACE(fechado);
    std::strcpy(comando, "antes");
    EXPECT_EQ(LeRegistrador(fechado, "CRZ", comando, sizeof comando), DROVIK_REGISTRADOR_OK);
    EXPECT_STREQ(comando, "LeInteiro");
    EXPECT_EQ(LeRegistrador(fechado, "NaoExiste", comando, sizeof comando), DROVIK_REGISTRADOR_INEXISTENTE);
  }
}

}  // namespace
