// The execute path on the real stand-in library, loaded by Tarnel's loader: transcript lines, error
// fields and returns as the window shows them.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "apoio/emulada_conectada.h"
#include "apoio/interacao_roteirizada.h"
#include "driver/biblioteca_drovik.h"
#include "driver/conexao.h"
#include "driver/execucao.h"
#include "quorbal/catalogo.h"
#include "quorbal/registradores.h"
#include "registers/le_registrador.h"
#include "registers/leitura_registrador.h"
#include "scripts/gravacao.h"
#include "test_support/patterns.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using test_support::kPadraoCarimbo;
using test_support::read_bytes;
using test_support::TempFolder;

class Integracao : public teste::EmuladaConectada {
 protected:
  void Executa(const std::string& comando, std::initializer_list<std::pair<const char*, const char*>> campos = {}) {
    ASSERT_TRUE(frm.SelecionaComandoPorNome(comando));
    frm.btLimpaParsClick();
    for (const auto& [nome, texto] : campos) ASSERT_TRUE(frm.DefineParametro(frm.lbComandosItemIndex, nome, texto));
    ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  }
};

TEST_F(Integracao, AbreGavetaComposesItsLines) {
  Executa("AbreGaveta", {{"TempoAcionamentoGaveta", "100"}});
  EXPECT_TRUE(std::regex_match(frm.Terminal.Texto(),
                               std::regex(kPadraoCarimbo + R"( -> \{0;AbreGaveta;TempoAcionamentoGaveta=100;\}\r\n)" +
                                          kPadraoCarimbo + R"( <- \{0;0;;\}\r\n)")))
      << frm.Terminal.Texto();
  EXPECT_EQ(frm.CodigoErro, 0);
  EXPECT_EQ(frm.ebNomeErro, "NoError");
}

// A multi-line text keeps its command on one transcript line, whether the library logs the lines
// into the recorded file or Tarnel composes them.
TEST_F(Integracao, ALineBreakInAParameterKeepsTheCommandOnOneLine) {
  for (const bool gravando : {false, true}) {
    frm.Terminal.Limpa();
    if (gravando) {
      frm.DefineArquivoComandos(pasta.file("Multi.RMT"));
      GravaComandosExecute(frm);
    }
    Executa("EscreveTexto", {{"NomeTexto", "Nota"}, {"ValorTexto", "um\r\ndois"}});
    const std::string comando = kPadraoCarimbo + R"x( -> \{0;EscreveTexto;NomeTexto=Nota ValorTexto="um\\r\\ndois";\}\r\n)x";
    const std::string resposta = kPadraoCarimbo + R"( <- \{0;[^\r\n]*;\}\r\n)";
    EXPECT_TRUE(std::regex_match(frm.Terminal.Texto(), std::regex(comando + resposta))) << frm.Terminal.Texto();
    if (gravando) {
      const std::string arquivo = read_bytes(pasta.file("Multi.RMT"));
      EXPECT_TRUE(std::regex_match(arquivo, std::regex("(; [^\r\n]*\r\n){2}" + comando + resposta))) << arquivo;
    }
  }
}

TEST_F(Integracao, ReturnsFillTheirFields) {
  Executa("LeInteiro", {{"NomeInteiro", "COO"}});
  ASSERT_EQ(frm.CodigoErro, 0) << frm.ebCircunstancia;
  const std::string valor = frm.Campos[frm.lbComandosItemIndex].retornos[0];
  EXPECT_FALSE(valor.empty());
  EXPECT_EQ(frm.UltimoRetorno, "ValorInteiro=" + valor);
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(Integracao, RefusalShowsTheErrorFieldsAndReplyLine) {
  Executa("AvancaPapel");
  EXPECT_NE(frm.CodigoErro, 0);
  EXPECT_FALSE(frm.ebNomeErro.empty());
  const std::string linhas = frm.Terminal.Texto();
  EXPECT_NE(linhas.find(" <- {0;" + std::to_string(frm.CodigoErro) + ";NomeErro=\"" + frm.ebNomeErro + "\""),
            std::string::npos)
      << linhas;
}

TEST_F(Integracao, WithTheLogActiveTheTranscriptIsWhatTheLibraryWrote) {
  const std::string log = pasta.file("Comandos.RMT");
  test_support::write_bytes(log, "; Arquivo de Registro de Comandos\r\n");
  frm.ModuloDriver->SetaArquivoLog(log);
  Executa("AbreGaveta", {{"TempoAcionamentoGaveta", "100"}});
  const std::string conteudo = read_bytes(log);
  const std::string escrito = conteudo.substr(std::string("; Arquivo de Registro de Comandos\r\n").size());
  EXPECT_EQ(frm.Terminal.Texto(), escrito);
  EXPECT_TRUE(std::regex_match(escrito, std::regex(kPadraoCarimbo + R"( -> \{0;AbreGaveta;TempoAcionamentoGaveta=100;\}\r\n)" +
                                                   kPadraoCarimbo + R"( <- \{0;0;;\}\r\n)")))
      << escrito;
}

TEST_F(Integracao, LastReplyRepeatsTheReplyWithoutLoggingIt) {
  const std::string log = pasta.file("Comandos.RMT");
  test_support::write_bytes(log, "; cabecalho\r\n");
  frm.ModuloDriver->SetaArquivoLog(log);
  Executa("AvancaPapel");
  const std::int32_t codigo = frm.CodigoErro;
  const std::string antes = read_bytes(log);
  frm.Terminal.Limpa();
  frm.CodigoErro = 0;
  ASSERT_TRUE(ExecutaUltimoRetorno(frm));
  EXPECT_EQ(frm.CodigoErro, codigo);
  EXPECT_EQ(read_bytes(log), antes);
  EXPECT_TRUE(std::regex_match(frm.Terminal.Linhas().at(0), std::regex(kPadraoCarimbo + R"( -> \{0;AvancaPapel;;\})")));
}

// What Tarnel composes without a log and what the library logs are the same records, quotes,
// backslashes and accents included: the replay reads both.
TEST_F(Integracao, ComposedLinesEqualTheLibrarysLoggedLines) {
  const auto SemCarimbos = [](const std::vector<std::string>& linhas) {
    std::vector<std::string> registros;
    for (const std::string& linha : linhas) registros.push_back(linha.substr(23));
    return registros;
  };
  const std::pair<const char*, const char*> valor_recusado{"TempoAcionamentoGaveta", "a\"b\\c \xE9"};

  Executa("AbreGaveta", {valor_recusado});
  ASSERT_NE(frm.CodigoErro, 0);
  const std::vector<std::string> compostas = SemCarimbos(frm.Terminal.Linhas());
  ASSERT_EQ(compostas.size(), 2u);
  EXPECT_EQ(compostas[0], " -> {0;AbreGaveta;TempoAcionamentoGaveta=\"a\\\"b\\\\c \xE9\";}");

  const std::string log = pasta.file("Comandos.RMT");
  test_support::write_bytes(log, "; cabecalho\r\n");
  frm.ModuloDriver->SetaArquivoLog(log);
  frm.Terminal.Limpa();
  Executa("AbreGaveta", {valor_recusado});
  ASSERT_EQ("; cabecalho\r\n" + frm.Terminal.Texto(), read_bytes(log)) << "the transcript is the logged excerpt";
  EXPECT_EQ(SemCarimbos(frm.Terminal.Linhas()), compostas);
}

// Each indexed register reads a value with the index field, and is refused by the printer without it.
TEST_F(Integracao, IndexedRegistersReadWithTheirIndex) {
  frm.LeRegistrador.Checked = true;
  frm.IndiceRegistrador = "0";
  int indexados = 0;
  for (int r = 0; r < quorbal::kTotalRegistradores; ++r) {
    const std::string nome = quorbal::kNomesRegistradores[r];
    if (!RegistradorIndexado(nome)) continue;
    ++indexados;
    cbNomeRegistradorChange(frm, nome);
    EXPECT_FALSE(frm.lbValorRegistrador.erro) << nome << ": " << frm.lbValorRegistrador.texto;
    EXPECT_FALSE(frm.lbValorRegistrador.texto.empty()) << nome;
    const auto sem_indice = LeValorRegistrador(frm, nome);
    ASSERT_TRUE(sem_indice.has_value()) << nome;
    EXPECT_TRUE(sem_indice->erro) << nome;
    EXPECT_EQ(sem_indice->texto.rfind("Erro=ErroProtIndiceRegistrador ", 0), 0u) << sem_indice->texto;
  }
  EXPECT_EQ(indexados, 11);
}

// Disconnected, a reading gets as far as the library takes it: the reading command selected with
// the register's name in it, ready to send once connected, and nothing new in the value label.
TEST_F(Integracao, DisconnectedTheReadingCommandWaitsSelectedWithTheName) {
  ConnectExecute(frm);
  ASSERT_FALSE(Conectado(frm));
  ASSERT_FALSE(frm.btExecutaEnabled);
  frm.LeRegistrador.Checked = true;
  frm.lbValorRegistrador = ValorRegistrador{"1234", false};
  for (const auto& [registrador, comando] :
       {std::pair{"CRZ", "LeInteiro"}, std::pair{"Cliche", "LeTexto"}, std::pair{"DataReducao", "LeData"}}) {
    SCOPED_TRACE(registrador);
    cbNomeRegistradorChange(frm, registrador);
    ASSERT_GE(frm.lbComandosItemIndex, 0);
    EXPECT_EQ(frm.lbComandosItems[frm.lbComandosItemIndex], comando);
    EXPECT_EQ(frm.Campos[frm.lbComandosItemIndex].parametros.at(0), registrador);
    EXPECT_EQ(frm.lbValorRegistrador.texto, "1234");
    EXPECT_FALSE(frm.lbValorRegistrador.erro);
  }
  // A name the library does not know is still refused by its text.
  cbNomeRegistradorChange(frm, "NaoExiste");
  EXPECT_EQ(frm.lbValorRegistrador.texto, "Registrador inexiste para esta versão de protocolo!");
  EXPECT_TRUE(frm.lbValorRegistrador.erro);
}

}  // namespace
}  // namespace tarnel
