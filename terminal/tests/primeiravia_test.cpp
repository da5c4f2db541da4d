// The "Grava Primeira Via" dialog's model: its settings in the registry, the file choice with its
// question, OK and Cancel, the menu's check mark and the filter button.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "apoio/armazem_gravador.h"
#include "apoio/interacao_roteirizada.h"
#include "readings/primeiravia.h"
#include "test_support/temp_folder.h"

namespace tarnel {
namespace {

using test_support::read_bytes;
using test_support::TempFolder;
using test_support::write_bytes;
using Textos = std::vector<std::string>;

const char kChave[] = "Software\\KVT\\Teste 1.0";

class PrimeiraViaDialogo : public ::testing::Test {
 protected:
  PrimeiraViaDialogo() { std::filesystem::create_directory(pasta.file("Dados")); }
  TempFolder pasta{"tarnel-test", TempFolder::user_folders};
  teste::InteracaoRoteirizada interacao;
  teste::ArmazemGravador armazem;
};

TEST_F(PrimeiraViaDialogo, OkStoresTheRenamedFileAndANewRunReadsItBack) {
  {
    TfrmPrimeiraVia frm(interacao, armazem, kChave);
    frm.FormCreate();
    EXPECT_FALSE(frm.Configuracao.gravar);  // defaults: off, Via1.TXT
    EXPECT_EQ(frm.Configuracao.arquivo, "Via1.TXT");
    EXPECT_FALSE(frm.GravaPrimeiraViaChecked);
    frm.dlgFileFileName = pasta.file("Dados/Via1.TXT");
    frm.FormShow();
    EXPECT_EQ(frm.ebArquivo, "Via1");
    frm.cbGravar = true;
    frm.cbGravarClick();
    EXPECT_TRUE(frm.gbGravarVisible);
    frm.ebArquivo = "Vendas";
    frm.btOKClick();
    EXPECT_EQ(frm.Configuracao.arquivo, pasta.file("Dados/Vendas.TXT"));
    EXPECT_TRUE(frm.Configuracao.gravar);
    EXPECT_TRUE(frm.GravaPrimeiraViaChecked);
    EXPECT_EQ(armazem.escritas, (Textos{"Gravar Primeira Via=int:1",
                                        "Arquivo Primeira Via=text:" + pasta.file("Dados/Vendas.TXT")}));
    // The capture only appends: OK makes the file it names.
    EXPECT_EQ(read_bytes(pasta.file("Dados/Vendas.TXT")), "");
    EXPECT_TRUE(std::filesystem::exists(pasta.file("Dados/Vendas.TXT")));
  }
  TfrmPrimeiraVia novo(interacao, armazem, kChave);
  novo.FormCreate();
  EXPECT_TRUE(novo.Configuracao.gravar);
  EXPECT_EQ(novo.Configuracao.arquivo, pasta.file("Dados/Vendas.TXT"));
  EXPECT_EQ(novo.dlgFileFileName, pasta.file("Dados/Vendas.TXT"));
  EXPECT_TRUE(novo.GravaPrimeiraViaChecked);
  EXPECT_EQ(armazem.chaves, (Textos{kChave, kChave}));
}

TEST_F(PrimeiraViaDialogo, CancelAfterTickingLeavesStorageAndCheckMarkOff) {
  TfrmPrimeiraVia frm(interacao, armazem, kChave);
  frm.FormCreate();
  frm.FormShow();
  frm.cbGravar = true;
  frm.cbGravarClick();
  frm.btCancelClick();
  EXPECT_FALSE(frm.Configuracao.gravar);
  EXPECT_FALSE(frm.GravaPrimeiraViaChecked);
  EXPECT_TRUE(armazem.escritas.empty());
  frm.FormShow();
  EXPECT_FALSE(frm.cbGravar);
  EXPECT_FALSE(frm.gbGravarVisible);
}

// Choosing the file: a new one is made empty, an empty one is left without a question, one with
// data is emptied only on Yes; a cancelled choice changes nothing.
TEST_F(PrimeiraViaDialogo, ChoosingAFileAsksBeforeEmptyingIt) {
  struct Caso {
    const char* nome;
    const char* conteudo;  // nullptr: the file does not exist
    std::vector<Resposta> respostas;
    std::string depois;
    std::size_t perguntas;
  } casos[] = {
      {"Nova.TXT", nullptr, {}, "", 0},
      {"Vazia.TXT", "", {}, "", 0},
      {"Mantida.TXT", "dados", {Resposta::Nao}, "dados", 1},
      {"Limpa.TXT", "dados", {Resposta::Sim}, "", 1},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    const std::string arquivo = pasta.file(std::string("Dados/") + caso.nome);
    if (caso.conteudo) write_bytes(arquivo, caso.conteudo);
    interacao.perguntas.clear();
    interacao.respostas.assign(caso.respostas.begin(), caso.respostas.end());
    interacao.arquivos.push_back({arquivo});
    TfrmPrimeiraVia frm(interacao, armazem, kChave);
    frm.btSelPastaClick();
    EXPECT_EQ(frm.dlgFileFileName, arquivo);
    EXPECT_EQ(frm.ebArquivo, std::filesystem::path(caso.nome).stem().string());
    EXPECT_EQ(interacao.perguntas.size(), caso.perguntas);
    EXPECT_TRUE(std::filesystem::exists(arquivo));
    EXPECT_EQ(read_bytes(arquivo), caso.depois);
  }
  EXPECT_EQ(interacao.perguntas, Textos{"Arquivo possui dados! Limpar os dados do arquivo?"});

  TfrmPrimeiraVia frm(interacao, armazem, kChave);
  frm.btSelPastaClick();  // no file queued: the choice is cancelled
  EXPECT_EQ(frm.dlgFileFileName, "Via1.TXT");
  EXPECT_EQ(frm.ebArquivo, "");
}

TEST_F(PrimeiraViaDialogo, FilterButtonWritesTheCopyOrSaysItCouldNot) {
  TfrmPrimeiraVia frm(interacao, armazem, kChave);
  frm.dlgFileFileName = pasta.file("Dados/Via1.TXT");
  frm.btFiltrarClick();
  write_bytes(frm.dlgFileFileName, "\x1B*A\x1B" "E1B");
  frm.btFiltrarClick();
  EXPECT_EQ(read_bytes(frm.dlgFileFileName + ".fmt"), "\r\nAB");
  // A device has nothing to filter: no copy is said to be made.
  const std::string arquivo = frm.dlgFileFileName;
  frm.dlgFileFileName = test_support::kNullDevice;
  frm.btFiltrarClick();
  EXPECT_EQ(interacao.mensagens, (Textos{"Erro ao acessar o arquivo '" + arquivo + "'",
                                         "Arquivo " + arquivo + ".fmt gerado!",
                                         std::string("Erro ao acessar o arquivo '") + test_support::kNullDevice + "'"}));
  EXPECT_EQ(interacao.titulos, (Textos{"Primeira Via", "Primeira Via", "Primeira Via"}));
}

}  // namespace
}  // namespace tarnel
