#include <gtest/gtest.h>

#include <string>

#include "quorbal/carimbo.h"
#include "quorbal/erros.h"
#include "quorbal/registradores.h"

using namespace quorbal;

TEST(TabelaErros, IsStrictlyAscendingWithTheDocumentedEnds) {
  for (int i = 1; i < kTotalErros; ++i) EXPECT_LT(kTabelaErros[i - 1].codigo, kTabelaErros[i].codigo);
  EXPECT_EQ(kTabelaErros[0].codigo, 0);
  EXPECT_STREQ(kTabelaErros[0].nome, "NoError");
  EXPECT_EQ(kTabelaErros[kTotalErros - 1].codigo, 15017);
  EXPECT_STREQ(kTabelaErros[kTotalErros - 1].nome, "ErroForaDeLinha");
}

TEST(TabelaErros, NamesKnownCodesAndFallsBackForUnknownOnes) {
  EXPECT_STREQ(NomeErro(11006), "ErroProtComandoInexistente");
  EXPECT_STREQ(NomeErro(8096), "ErroFaltaIniciarDia");
  EXPECT_STREQ(NomeErro(2), "ErroGeralPerdaRAM");
  EXPECT_STREQ(NomeErro(3), "ErroDesconhecido");
  EXPECT_STREQ(NomeErro(-1), "ErroDesconhecido");
  EXPECT_STREQ(NomeErro(99999), "ErroDesconhecido");
  EXPECT_EQ(CodigoDoErro("ErroCMDForaDeSequencia"), 8000);
  EXPECT_EQ(CodigoDoErro("Inexistente"), -1);
}

TEST(Registradores, ListHasTheDocumentedEndsAndNoRepeats) {
  EXPECT_STREQ(kNomesRegistradores[0], "Aliquota00ICMSReducao");
  EXPECT_STREQ(kNomesRegistradores[kTotalRegistradores - 1], "VersaoSW");
  for (int i = 0; i < kTotalRegistradores; ++i)
    for (int k = i + 1; k < kTotalRegistradores; ++k)
      EXPECT_STRNE(kNomesRegistradores[i], kNomesRegistradores[k]);
}

TEST(Carimbo, FormatsDateTimeAndRecordsAsTheTranscriptShowsThem) {
  compat::LocalTime t;
  t.year = 2003, t.month = 12, t.day = 8, t.hour = 14, t.minute = 5, t.second = 9, t.millisecond = 42;
  EXPECT_EQ(FormataCarimbo(t), "08/12/2003 14:05:09.042");
  EXPECT_EQ(ComporLinhaComando(t, "AbreGaveta", "TempoAcionamentoGaveta=100"),
            "08/12/2003 14:05:09.042 -> {0;AbreGaveta;TempoAcionamentoGaveta=100;}");
  EXPECT_EQ(ComporLinhaResposta(t, "0", ""), "08/12/2003 14:05:09.042 <- {0;0;;}");
}
