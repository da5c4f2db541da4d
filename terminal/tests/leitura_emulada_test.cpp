// Readings to files on the emulated printer, through the real stand-in library: after a day of
// sales, each reading's readable copy holds the lines the same reading prints on paper.
#include <gtest/gtest.h>


#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "apoio/interacao_roteirizada.h"
#include "driver/biblioteca_drovik.h"
#include "driver/conexao.h"
#include "driver/execucao.h"
#include "quorbal/bobina.h"
#include "quorbal/catalogo.h"
#include "readings/filtra_impressao.h"
#include "readings/leitura_arquivo.h"
#include "readings/primeira_via.h"
#include "readings/primeira_via_apos_comando.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using quorbal::Comando;
using test_support::read_bytes;
using test_support::TempFolder;
using Linhas = std::vector<std::string>;

// Lines of a text, CR LF ended, without trailing blanks; empty lines left out (a line of exactly
// 48 columns is followed by one in the readable copy).
Linhas LinhasComTexto(const std::string& texto) {
  Linhas linhas;
  std::istringstream entrada(texto);
  for (std::string linha; std::getline(entrada, linha);) {
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    linha.erase(linha.find_last_not_of(' ') + 1);
    if (!linha.empty()) linhas.push_back(linha);
  }
  return linhas;
}

Linhas LinhasBobina(const std::string& arquivo) {
  Linhas linhas;
  for (const std::string& linha : LinhasComTexto(read_bytes(arquivo))) {
    std::string texto = quorbal::LeLinhaBobina(linha).texto;
    texto.erase(texto.find_last_not_of(' ') + 1);
    if (!texto.empty()) linhas.push_back(texto);
  }
  return linhas;
}

bool ContemEmSequencia(const Linhas& todas, const Linhas& trecho) {
  if (trecho.empty() || trecho.size() > todas.size()) return false;
  for (std::size_t i = 0; i + trecho.size() <= todas.size(); ++i)
    if (std::equal(trecho.begin(), trecho.end(), todas.begin() + static_cast<std::ptrdiff_t>(i))) return true;
  return false;
}

class LeituraEmulada : public ::testing::Test {
 protected:
  LeituraEmulada() : frm(interacao) {
    frm.CarregaDriver = [] { return BibliotecaDrovik::Carrega(DROVIK_ARQUIVO); };
  }
  void SetUp() override {
    ConnectExecute(frm);
    ASSERT_TRUE(Conectado(frm)) << ::testing::PrintToString(interacao.mensagens);
  }
  void TearDown() override { LiberaModuloDriver(frm); }

  void Executa(Comando comando, std::initializer_list<std::pair<const char*, const char*>> campos = {}) {
    frm.SelecionaComando(quorbal::Posicao(comando));
    frm.btLimpaParsClick();
    for (const auto& [nome, texto] : campos) ASSERT_TRUE(frm.DefineParametro(frm.lbComandosItemIndex, nome, texto));
    ASSERT_TRUE(ExecutaComandoSelecionado(frm));
    ASSERT_EQ(frm.CodigoErro, 0) << frm.ebNomeErro << " " << frm.ebCircunstancia;
  }

  // First-copy storage on, into an empty Via1.TXT, as a follow-up of every command.
  const ConfiguracaoPrimeiraVia& LigaPrimeiraVia() {
    primeira_via.gravar = true;
    primeira_via.arquivo = pasta.file("Via1.TXT");
    test_support::write_bytes(primeira_via.arquivo, "");
    CapturaPrimeiraViaAposComando(frm, [this] { LeImpressaoExecute(frm, primeira_via); });
    return primeira_via;
  }

  void DiaDeVendas() {
    Executa(Comando::AbreCupomFiscal);
    Executa(Comando::VendeItem, {{"CodAliquota", "0"}, {"CodProduto", "7891"}, {"NomeProduto", "Arroz 5kg"},
                                 {"PrecoUnitario", "21,90"}, {"Quantidade", "1"}});
    Executa(Comando::VendeItem, {{"CodAliquota", "1"}, {"CodProduto", "7892"}, {"NomeProduto", "Feijao 1kg"},
                                 {"PrecoUnitario", "8,49"}, {"Quantidade", "2"}});
    Executa(Comando::PagaCupom, {{"CodMeioPagamento", "0"}, {"Valor", "50,00"}});
    Executa(Comando::EncerraDocumento, {{"Operador", "Ana"}});
  }

  static Linhas SemHoras(Linhas linhas) {
    static const std::regex hora("[0-9]{2}:[0-9]{2}:[0-9]{2}");
    for (std::string& linha : linhas) linha = std::regex_replace(linha, hora, "hh:mm:ss");
    return linhas;
  }

  // The reading on paper, then to a file: the readable copy's lines stand on the roll in one run.
  void ConfereComPapel(Comando comando, std::initializer_list<std::pair<const char*, const char*>> campos,
                       PedidoLeitura pedido) {
    const std::string nome = quorbal::Descritor(comando).nome;
    Executa(comando, campos);
    interacao.mensagens.clear();
    pedido.comando = comando;
    EXPECT_EQ(EmiteLeituraParaArquivo(frm, pedido), ResultadoLeitura::Gerada) << nome;
    EXPECT_EQ(interacao.mensagens, Linhas{"Arquivo '" + pedido.arquivo + "' gerado!"}) << nome;

    const std::string impresso = read_bytes(pedido.arquivo);
    EXPECT_NE(impresso.find("\x1B*"), std::string::npos) << nome;
    const std::string legivel = read_bytes(pedido.arquivo + ".fmt");
    EXPECT_EQ(legivel.find('\x1B'), std::string::npos) << nome;
    const Linhas copia = LinhasComTexto(legivel);
    for (const std::string& linha : copia) EXPECT_LE(linha.size(), 49u) << nome << ": " << linha;
    // The second can tick between the paper reading and the file's: times of day are not compared.
    EXPECT_TRUE(ContemEmSequencia(SemHoras(LinhasBobina(pasta.file(quorbal::NomeArquivoBobina(0)))), SemHoras(copia)))
        << nome << "\n" << legivel;
  }

  TempFolder pasta{"tarnel-test", TempFolder::enter | TempFolder::user_folders};
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm;
  ConfiguracaoPrimeiraVia primeira_via;
};

TEST_F(LeituraEmulada, EachReadingOfTheDayReadsAsItsPrintedDocument) {
  DiaDeVendas();
  PedidoLeitura mf;
  mf.arquivo = pasta.file("MF.TXT");
  mf.inicio = 1;
  mf.fim = 9999;
  ConfereComPapel(Comando::EmiteLeituraMF,
                  {{"Destino", "I"}, {"ReducaoInicial", "1"}, {"ReducaoFinal", "9999"}, {"LeituraSimplificada", "f"}},
                  mf);
  EXPECT_NE(read_bytes(mf.arquivo + ".fmt").find("LEITURA DA MEM\xD3RIA FISCAL"), std::string::npos);

  PedidoLeitura mfd;
  mfd.arquivo = pasta.file("MFD.TXT");
  mfd.inicio = 1;
  mfd.fim = 2;
  ConfereComPapel(Comando::EmiteLeituraFitaDetalhe, {{"Destino", "I"}, {"COOInicial", "1"}, {"COOFinal", "2"}}, mfd);
  EXPECT_NE(read_bytes(mfd.arquivo + ".fmt").find("Arroz 5kg"), std::string::npos);
}

// The X reading is a document of its own each time (its counters move), so its copy is checked
// for what the day put in it rather than against an earlier paper copy.
TEST_F(LeituraEmulada, TheXReadingCopyShowsTheDaysSales) {
  DiaDeVendas();
  PedidoLeitura lx;
  lx.comando = Comando::EmiteLeituraX;
  lx.arquivo = pasta.file("LX.TXT");
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, lx), ResultadoLeitura::Gerada);
  const std::string legivel = read_bytes(lx.arquivo + ".fmt");
  EXPECT_NE(legivel.find("LEITURA X"), std::string::npos) << legivel;
  EXPECT_NE(legivel.find("38,88"), std::string::npos) << legivel;  // 21,90 + 2 x 8,49
  EXPECT_EQ(legivel.find('\x1B'), std::string::npos);
  EXPECT_FALSE(frm.ModoUltimoRetorno);
  EXPECT_EQ(frm.lbComandosItemIndex, quorbal::Posicao(Comando::LeImpressao));
}

// With first-copy storage on, an X reading to a file keeps its print data: the capture that follows
// an X reading sent to the host by hand must not take the file's pieces.
TEST_F(LeituraEmulada, AnXReadingToAFileKeepsItsPrintDataFromTheFirstCopy) {
  const ConfiguracaoPrimeiraVia& configuracao = LigaPrimeiraVia();
  DiaDeVendas();
  const std::string via = read_bytes(configuracao.arquivo);
  PedidoLeitura lx;
  lx.comando = Comando::EmiteLeituraX;
  lx.arquivo = pasta.file("LX.TXT");
  EXPECT_EQ(EmiteLeituraParaArquivo(frm, lx), ResultadoLeitura::Gerada);
  EXPECT_NE(read_bytes(lx.arquivo + ".fmt").find("LEITURA X"), std::string::npos) << read_bytes(lx.arquivo);
  EXPECT_EQ(read_bytes(configuracao.arquivo), via);
  EXPECT_EQ(interacao.mensagens, Linhas{"Arquivo '" + lx.arquivo + "' gerado!"});
}

// The first copy as a follow-up of every command: a day's coupon accumulates in the file, and its
// readable copy reads as the paper roll does.
TEST_F(LeituraEmulada, TheFirstCopyGathersWhatWasPrinted) {
  const ConfiguracaoPrimeiraVia& configuracao = LigaPrimeiraVia();
  DiaDeVendas();
  EXPECT_EQ(frm.lbComandosItemIndex, quorbal::Posicao(Comando::EncerraDocumento));
  EXPECT_EQ(frm.CodigoErro, 0);
  ASSERT_TRUE(FiltraArquivoImpressao(configuracao.arquivo));
  const Linhas copia = LinhasComTexto(read_bytes(configuracao.arquivo + ".fmt"));
  ASSERT_FALSE(copia.empty());
  EXPECT_EQ(LinhasBobina(pasta.file(quorbal::NomeArquivoBobina(0))), copia);
  EXPECT_TRUE(interacao.mensagens.empty()) << interacao.mensagens[0];
}

}  // namespace
}  // namespace tarnel

