// Recording as the person drives it: naming the command file in the box or through the file dialog,
// starting and stopping, with the file's bytes, the library's log and the window state that result.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "scripts/gravacao.h"
#include "test_support/fixed_clock.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"
#include "window/versao.h"

namespace tarnel {
namespace {

using test_support::read_bytes;
using Textos = std::vector<std::string>;

const std::string kReiniciadas = "; 05/03/2024 09:08:07.006 - Reiniciadas grava\xE7\xF5\x65s de comandos neste arquivo.\r\n";
const std::string kSuspensas = "; 05/03/2024 09:08:07.006 - Grava\xE7\xF5\x65s de comandos suspensas neste arquivo.\r\n";

class Gravacao : public ::testing::Test {
 protected:
  Gravacao() : frm(interacao) {
    auto driver_novo = std::make_unique<teste::DriverRoteirizado>();
    driver = driver_novo.get();
    frm.ModuloDriver = std::move(driver_novo);
    frm.ArquivoComandos = pasta.file("Comandos.RMT");
    frm.cbNomeArquivoItems = {"Comandos"};
    frm.cbNomeArquivoItemIndex = 0;
    frm.cbNomeArquivo = "Comandos";
    frm.GravaComandos.Checked = false;
    frm.Observa([this](Alteracao a) { alteracoes.push_back(a); });
  }

  static std::string Cabecalho() { return "; Arquivo de Registro de Comandos do " + DescricaoDoPrograma() + "\r\n"; }

  test_support::FixedClock relogio{test_support::moment(2024, 3, 5, 9, 8, 7, 6)};
  test_support::TempFolder pasta{"tarnel-gravacao"};
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm;
  teste::DriverRoteirizado* driver = nullptr;
  std::vector<Alteracao> alteracoes;
};

TEST_F(Gravacao, StartingANewFileWritesTheHeaderThenTheRestartLineAndHandsTheFileToTheLibrary) {
  GravaComandosExecute(frm);
  EXPECT_EQ(read_bytes(frm.ArquivoComandos), Cabecalho() + kReiniciadas);
  EXPECT_EQ(driver->chamadas, Textos{"SetaArquivoLog " + frm.ArquivoComandos});
  EXPECT_TRUE(frm.GravandoComandos);
  EXPECT_TRUE(frm.GravaComandos.Checked);
  EXPECT_TRUE(frm.ParaGravacao.Enabled);
  EXPECT_FALSE(frm.ExecutaArquivoComandos.Enabled);
  EXPECT_FALSE(frm.SelecionaArquivoComandos.Enabled);
  EXPECT_FALSE(frm.cbNomeArquivoEnabled);
  EXPECT_EQ(frm.Caption, DescricaoDoPrograma() + " (Gravando)");
  EXPECT_TRUE(interacao.mensagens.empty());

  // The same button stops it: the log goes off and everything comes back.
  GravaComandosExecute(frm);
  EXPECT_EQ(read_bytes(frm.ArquivoComandos), Cabecalho() + kReiniciadas + kSuspensas);
  EXPECT_EQ(driver->chamadas, (Textos{"SetaArquivoLog " + frm.ArquivoComandos, "SetaArquivoLog "}));
  EXPECT_FALSE(frm.GravaComandos.Checked);
  EXPECT_TRUE(frm.ExecutaArquivoComandos.Enabled);
  EXPECT_TRUE(frm.SelecionaArquivoComandos.Enabled);
  EXPECT_TRUE(frm.cbNomeArquivoEnabled);
  EXPECT_EQ(frm.Caption, DescricaoDoPrograma());
}

TEST_F(Gravacao, StartingAgainIntoAnExistingFileAppendsWithoutASecondHeader) {
  test_support::write_bytes(frm.ArquivoComandos, "; antigo\r\n");
  GravaComandosExecute(frm);
  GravaComandosExecute(frm);
  GravaComandosExecute(frm);
  EXPECT_EQ(read_bytes(frm.ArquivoComandos), "; antigo\r\n" + kReiniciadas + kSuspensas + kReiniciadas);
}

TEST_F(Gravacao, ABlankNameIsRefusedAndRecordingStaysOff) {
  for (const std::string nome : {"", "   ", " \t "}) {
    alteracoes.clear();
    cbNomeArquivoDigitado(frm, nome);
    GravaComandosExecute(frm);
    EXPECT_FALSE(frm.GravaComandos.Checked) << '"' << nome << '"';
    EXPECT_TRUE(frm.cbNomeArquivoEnabled);
    EXPECT_EQ(frm.cbNomeArquivoItems, Textos{"Comandos"}) << "a blank name is not an entry";
    EXPECT_EQ(frm.ArquivoComandos, pasta.file("Comandos.RMT"));
    EXPECT_NE(std::find(alteracoes.begin(), alteracoes.end(), Alteracao::FocoNomeArquivo), alteracoes.end());
  }
  EXPECT_EQ(interacao.mensagens, Textos(3, "Nome de arquivo deve ser informado!"));
  EXPECT_TRUE(driver->chamadas.empty());
  EXPECT_FALSE(std::filesystem::exists(frm.ArquivoComandos));
}

TEST_F(Gravacao, ATypedNameBecomesANewEntryAndAnRmtFileInTheSameFolder) {
  struct Caso {
    std::string digitado;
    std::string arquivo;
  };
  for (const Caso& caso : {Caso{"teste.txt", "teste.txt.RMT"}, Caso{"Comandos", "Comandos.RMT"},
                           Caso{" dois nomes ", " dois nomes .RMT"}}) {
    frm.ArquivoComandos = pasta.file("Comandos.RMT");
    frm.cbNomeArquivoItems = {"Comandos"};
    cbNomeArquivoDigitado(frm, caso.digitado);
    cbNomeArquivoExit(frm);
    EXPECT_EQ(frm.ArquivoComandos, pasta.file(caso.arquivo));
    // Added even when the list has it already, and selected.
    EXPECT_EQ(frm.cbNomeArquivoItems, (Textos{"Comandos", caso.digitado}));
    EXPECT_EQ(frm.cbNomeArquivoItemIndex, 1);
    // Leaving the box again with the entry selected changes nothing.
    cbNomeArquivoExit(frm);
    EXPECT_EQ(frm.cbNomeArquivoItems.size(), 2u);
  }
  // Starting commits the typed name first.
  frm.ArquivoComandos = pasta.file("Comandos.RMT");
  cbNomeArquivoDigitado(frm, "novo");
  GravaComandosExecute(frm);
  EXPECT_EQ(read_bytes(pasta.file("novo.RMT")), Cabecalho() + kReiniciadas);
  EXPECT_EQ(driver->chamadas, Textos{"SetaArquivoLog " + pasta.file("novo.RMT")});
}

TEST_F(Gravacao, APickedEntryNamesTheFileUnlessItIsTheCurrentOne) {
  frm.cbNomeArquivoItems = {"Comandos", "outro", "comandos"};
  cbNomeArquivoEscolhido(frm, 0);
  cbNomeArquivoExit(frm);
  EXPECT_EQ(frm.ArquivoComandos, pasta.file("Comandos.RMT"));
  cbNomeArquivoEscolhido(frm, 2);  // letter case counts
  cbNomeArquivoExit(frm);
  EXPECT_EQ(frm.ArquivoComandos, pasta.file("comandos.RMT"));
  cbNomeArquivoEscolhido(frm, 1);
  cbNomeArquivoEscolhido(frm, 7);  // out of range: ignored
  cbNomeArquivoExit(frm);
  EXPECT_EQ(frm.ArquivoComandos, pasta.file("outro.RMT"));
  EXPECT_EQ(frm.cbNomeArquivoItems.size(), 3u);
#ifndef _WIN32
  // Where names have letter case, an existing file whose extension has another case is the entry's
  // file (the base name's case still counts).
  test_support::write_bytes(pasta.file("Comandos.rmt"), "");
  test_support::write_bytes(pasta.file("comandos.Rmt"), "");
  cbNomeArquivoEscolhido(frm, 0);
  cbNomeArquivoExit(frm);
  EXPECT_EQ(frm.ArquivoComandos, pasta.file("Comandos.rmt"));
  cbNomeArquivoEscolhido(frm, 2);
  cbNomeArquivoExit(frm);
  EXPECT_EQ(frm.ArquivoComandos, pasta.file("comandos.Rmt"));
#endif
}

TEST_F(Gravacao, TheFileDialogAsksForCommandFilesAndFillsTheBoxLastChosenFirst) {
  const PedidoArquivo pedido = PedidoAbreLog(frm);
  EXPECT_FALSE(pedido.salvar);
  EXPECT_TRUE(pedido.varios);
  EXPECT_EQ(pedido.extensao_padrao, "RMT");
  EXPECT_EQ(pedido.filtro, "Arquivos de Comandos (*.RMT)|*.RMT");
  EXPECT_EQ(pedido.nome_inicial, frm.ArquivoComandos);

  // Cancelled: nothing changes.
  SelecionaArquivoComandosExecute(frm);
  EXPECT_EQ(frm.cbNomeArquivoItems, Textos{"Comandos"});
  EXPECT_EQ(frm.ArquivoComandos, pasta.file("Comandos.RMT"));

  interacao.arquivos.push_back({"/outra/a.RMT", "/outra/b.rmt", "/outra/c.d.RMT"});
  SelecionaArquivoComandosExecute(frm);
  EXPECT_EQ(frm.cbNomeArquivoItems, (Textos{"c.d", "b", "a"}));
  EXPECT_EQ(frm.cbNomeArquivoItemIndex, 0);
  EXPECT_EQ(frm.cbNomeArquivo, "c.d");
  EXPECT_EQ(frm.ArquivoComandos, "/outra/c.d.RMT");
  // Leaving the box now keeps the chosen file.
  cbNomeArquivoExit(frm);
  EXPECT_EQ(frm.ArquivoComandos, "/outra/c.d.RMT");
}

}  // namespace
}  // namespace tarnel
