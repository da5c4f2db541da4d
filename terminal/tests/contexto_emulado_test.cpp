// The context check on the emulated printer of the stand-in library: opening the channel restores
// the damaged context byte for byte, so a replay with the check goes on without a question.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "apoio/interacao_roteirizada.h"
#include "driver/biblioteca_drovik.h"
#include "driver/conexao.h"
#include "driver/execucao.h"
#include "scripts/contexto.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using test_support::read_bytes;

TEST(ContextoEmulado, ImpressoraEmuladaRestauraOContexto) {
  test_support::TempFolder pasta{"tarnel-contexto", test_support::TempFolder::enter |
                                                        test_support::TempFolder::user_folders};
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm(interacao);
  frm.CarregaDriver = [] { return BibliotecaDrovik::Carrega(DROVIK_ARQUIVO); };
  ConnectExecute(frm);
  ASSERT_TRUE(Conectado(frm)) << ::testing::PrintToString(interacao.mensagens);
  ASSERT_TRUE(frm.SelecionaComandoPorNome("AbreGaveta"));
  frm.btLimpaParsClick();
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));

  for (int vez = 0; vez < 2; ++vez) {
    const VerificacaoContexto verificacao = VerificaContexto(frm);
    EXPECT_EQ(verificacao.seguimento, Seguimento::Continua);
    EXPECT_EQ(verificacao.problema, "");
    EXPECT_TRUE(interacao.perguntas.empty()) << ::testing::PrintToString(interacao.perguntas);
    EXPECT_TRUE(Conectado(frm));
    ASSERT_TRUE(std::filesystem::exists(pasta.file("rasc0.sav")));
    EXPECT_EQ(read_bytes(pasta.file("rasc0.bin")), read_bytes(pasta.file("rasc0.sav")));
    EXPECT_GT(read_bytes(pasta.file("rasc0.sav")).size(), 104u);
  }
  LiberaModuloDriver(frm);
}

}  // namespace
}  // namespace tarnel
