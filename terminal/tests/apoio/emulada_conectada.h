// A test connected to the emulated printer of the real stand-in library, loaded by Tarnel's loader,
// in a temporary folder of its own that is the current folder.
#pragma once
#include <gtest/gtest.h>

#include "apoio/interacao_roteirizada.h"
#include "driver/biblioteca_drovik.h"
#include "driver/conexao.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel::teste {

class EmuladaConectada : public ::testing::Test {
 protected:
  explicit EmuladaConectada(const char* nome_pasta = "tarnel-test")
      : pasta{nome_pasta, test_support::TempFolder::enter | test_support::TempFolder::user_folders}, frm(interacao) {
    frm.CarregaDriver = [] { return BibliotecaDrovik::Carrega(DROVIK_ARQUIVO); };
    // A lab's choice of workbook engine is no test's: each names the one it means.
    pasta.unset_env("TARNEL_PLANILHA");
  }
  void SetUp() override {
    ConnectExecute(frm);
    ASSERT_TRUE(Conectado(frm)) << ::testing::PrintToString(interacao.mensagens);
  }
  void TearDown() override {
    if (frm.ModuloDriver) frm.ModuloDriver->SetaArquivoLog("");
    LiberaModuloDriver(frm);
  }

  test_support::TempFolder pasta;
  InteracaoRoteirizada interacao;
  TfrmMain frm;
};

}  // namespace tarnel::teste
