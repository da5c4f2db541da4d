// Width rules of the parameter and return controls.
#include <gtest/gtest.h>

#include "quorbal/catalogo.h"
#include "window/larguras.h"

namespace tarnel {
namespace {

const quorbal::DescritorCampo& Campo(const char* comando, const char* nome, bool parametro = true) {
  const quorbal::DescritorComando& c = quorbal::kCatalogo[quorbal::ProcuraComando(comando)];
  const quorbal::DescritorCampo* campos = parametro ? c.parametros : c.retornos;
  const std::uint32_t total = parametro ? c.total_parametros : c.total_retornos;
  return campos[quorbal::ProcuraCampo(campos, total, nome)];
}

TEST(Larguras, TypeWidthsInCharacters) {
  const int esperadas[] = {5, 4, 10, 8, 6, 11, 18, -1, 3, 5, 10};
  for (int tipo = 0; tipo < quorbal::kTotalTipos; ++tipo) {
    if (tipo == quorbal::kString) continue;
    EXPECT_EQ(LarguraTipo(tipo, 4), esperadas[tipo]) << quorbal::NomeTipo(tipo);
  }
  EXPECT_EQ(LarguraTipo(quorbal::kString, 80), 80);
  EXPECT_EQ(LarguraTipo(quorbal::kString, -1), 4000);
  EXPECT_EQ(LarguraTipo(11, 4), 0);
}

TEST(Larguras, NarrowParametersAreWidenedButKeepTheirLength) {
  const auto& destino = Campo("EmiteLeituraX", "Destino");  // string(1)
  EXPECT_EQ(LarguraParametro(destino), 3);
  EXPECT_EQ(ComprimentoMaximo(destino), 1);
  EXPECT_EQ(LarguraParametro(Campo("AbreGerencial", "CodGerencial")), 3);  // uchar
  EXPECT_EQ(LarguraParametro(Campo("AbreCreditoDebito", "CodMeioPagamento")), 4);  // char
}

TEST(Larguras, WideFieldsAreMultiLineWithoutLimit) {
  const auto& impressao = Campo("LeImpressao", "TextoImpressao", false);
  EXPECT_EQ(LarguraRetorno(impressao), 4000);
  EXPECT_TRUE(EhMultilinha(LarguraRetorno(impressao)));
  EXPECT_EQ(ComprimentoMaximo(impressao), 0);
  EXPECT_TRUE(EhMultilinha(LarguraParametro(Campo("DefineDadosCabecalho", "Logotipo"))));
  EXPECT_FALSE(EhMultilinha(1000));
  EXPECT_EQ(ComprimentoMaximo(Campo("EscreveIndicador", "NomeIndicador")), 0);  // string(2000)
  EXPECT_EQ(ComprimentoMaximo(Campo("AbreCupomFiscal", "EnderecoConsumidor")), 80);
}

TEST(Larguras, PanelLayout) {
  EXPECT_EQ(LarguraNatural(7, 18), 128);
  EXPECT_EQ(TopoDosCampos({21, 21, 100, 21}), (std::vector<int>{13, 38, 63, 167}));
  EXPECT_EQ(EsquerdaDosCampos(120), 122);
  EXPECT_EQ(TituloRetornos(1), "Retorno:");
  EXPECT_EQ(TituloRetornos(4), "Retornos:");
  EXPECT_EQ(TituloParametros(1), "Parâmetro:");
  EXPECT_EQ(TituloParametros(3), "Parâmetros:");
}

TEST(Larguras, ResizeStep) {
  EXPECT_EQ(ColunasLista(500, 120), 4);
  EXPECT_EQ(ColunasLista(100, 120), 1);
  EXPECT_FALSE(ColunasLista(500, 0).has_value());
  EXPECT_EQ(LarguraCircunstancia(300, 60), 239);
  EXPECT_FALSE(LarguraCircunstancia(61, 60).has_value());
  EXPECT_EQ(LarguraDisponivel(400, 120), 273);
  EXPECT_EQ(LarguraDisponivel(100, 120), 5);
}

TEST(Larguras, ShrinkingNarrowsAndGrowingWidensBackToNaturalOnly) {
  const int natural = LarguraNatural(7, 18);  // 128
  int largura = natural;
  largura = LarguraAjustada(100, largura, natural);
  EXPECT_EQ(largura, 100);
  largura = LarguraAjustada(110, largura, natural);
  EXPECT_EQ(largura, 110);
  largura = LarguraAjustada(900, largura, natural);
  EXPECT_EQ(largura, natural);
  EXPECT_EQ(LarguraAjustada(900, largura, natural), natural);
}

}  // namespace
}  // namespace tarnel
