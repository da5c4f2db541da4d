// Tarnel's loader for the driver library: which file it loads, and a library that lacks operations.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "apoio/interacao_roteirizada.h"
#include "test_support/environment.h"
#include "compat/module.h"
#include "compat/path.h"
#include "driver/biblioteca_drovik.h"
#include "driver/conexao.h"
#include "driver/execucao.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

TEST(BibliotecaDrovik, TheEnvironmentNamesAnotherFile) {
  setenv("TARNEL_DROVIK", "/outro/lugar/libdriver.so", 1);
  EXPECT_EQ(ArquivoBibliotecaDrovik(), "/outro/lugar/libdriver.so");
  unsetenv("TARNEL_DROVIK");
#ifdef _WIN32
  EXPECT_EQ(ArquivoBibliotecaDrovik(), "DROVIK.DLL");  // the system's search finds it beside the program
#else
  const std::string ao_lado = compat::executable_folder() + "libdrovik.so";
  EXPECT_EQ(ArquivoBibliotecaDrovik(), compat::file_exists(ao_lado) ? ao_lado : "libdrovik.so");
#endif
}

TEST(BibliotecaDrovik, AFileThatDoesNotLoadGivesNoLibrary) {
  EXPECT_EQ(BibliotecaDrovik::Carrega("/nao/existe/libdrovik.so"), nullptr);
}

TEST(BibliotecaDrovik, MissingOperationsGiveNeutralResults) {
  auto biblioteca = BibliotecaDrovik::Carrega(DROVIK_PARCIAL);
  ASSERT_NE(biblioteca, nullptr) << compat::last_module_error();
  EXPECT_EQ(biblioteca->IniciaDriver("Emul"), 7);
  EXPECT_EQ(biblioteca->ExecutaComando(7, "AbreGaveta"), 0);
  EXPECT_EQ(biblioteca->ObtemCodErro(7), 0);
  EXPECT_EQ(biblioteca->ObtemNomeErro(7), "");
  EXPECT_EQ(biblioteca->ListaParams(7), "");
  EXPECT_EQ(biblioteca->TotalRetornos(7), 0);
  std::string nome = "x", valor = "y", comando = "z";
  EXPECT_LT(biblioteca->Retorno(7, 1, nome, valor), 0);
  EXPECT_LT(biblioteca->LeRegistrador(7, "COO", comando), 0);
  biblioteca->LimpaParams(7);
  biblioteca->AdicionaParam(7, "A", "1", 4);
  biblioteca->DefineTimeout(7, 5);
  biblioteca->SetaArquivoLog("log");
  biblioteca->EncerraDriver(7);
  // A buffer the library left unterminated is read only up to its size, less the terminator.
  EXPECT_EQ(biblioteca->ObtemNomeLog(), std::string(259, 'L'));
}

TEST(BibliotecaDrovik, ExecutePathOnALibraryThatCannotExecute) {
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm(interacao);
  frm.CarregaDriver = [] { return BibliotecaDrovik::Carrega(DROVIK_PARCIAL); };
  ConnectExecute(frm);
  ASSERT_TRUE(Conectado(frm));
  ASSERT_TRUE(frm.SelecionaComandoPorNome("AbreGaveta"));
  EXPECT_FALSE(ExecutaComandoSelecionado(frm));
  EXPECT_EQ(frm.Terminal.Texto(), "");
  EXPECT_TRUE(interacao.mensagens.empty());
}

}  // namespace
}  // namespace tarnel
