// Lines of print data: width, wrapping, attributes, cleaning of host text, number formats.
#include <gtest/gtest.h>

#include "filtro_impressao.h"
#include "impressao/texto_impresso.h"

namespace ecf::impressao {
namespace {

TEST(TextoImpresso, NumerosComoImpressos) {
  EXPECT_EQ(Valor(123456789), "1.234.567,89");
  EXPECT_EQ(Valor(100000), "1.000,00");
  EXPECT_EQ(Valor(99999), "999,99");
  EXPECT_EQ(Valor(5), "0,05");
  EXPECT_EQ(Valor(-50), "-0,50");
  EXPECT_EQ(ValorComSinal(100), "+1,00");
  EXPECT_EQ(ValorComSinal(-100), "-1,00");
  EXPECT_EQ(ValorComSinal(0), "+0,00");
  EXPECT_EQ(Milesimos(1500), "1,500");
  EXPECT_EQ(Milesimos(12345678), "12345,678");
  EXPECT_EQ(Percentual(1800), "18,00");
  EXPECT_EQ(Percentual(5), "0,05");
  EXPECT_EQ(Numero(12, 6), "000012");
  EXPECT_EQ(Numero(1234567, 6), "1234567");
}

TEST(TextoImpresso, CadaLinhaTerminaComQuebraEOsAtributosNaoOcupamColunas) {
  TextoImpresso t;
  t.Linha("ABC");
  t.Centro("TITULO", true);
  t.Colunas("TOTAL", "1,00");
  EXPECT_EQ(t.Texto(), "ABC\x1B*\x1B" "E1" + std::string(21, ' ') + "TITULO\x1B" "E0\x1B*" + "TOTAL" +
                           std::string(39, ' ') + "1,00\x1B*");
  EXPECT_EQ(LinhasFiltradas(t.Texto()),
            (std::vector<std::string>{"ABC", std::string(21, ' ') + "TITULO", "TOTAL" + std::string(39, ' ') + "1,00"}));
}

TEST(TextoImpresso, TextoLongoQuebraEm48ColunasPreferindoBrancos) {
  TextoImpresso t;
  t.Linha(std::string(100, 'x'));
  EXPECT_EQ(LinhasFiltradas(t.Texto()), (std::vector<std::string>{std::string(48, 'x'), std::string(48, 'x'), "xxxx"}));

  TextoImpresso p;
  p.Linha(std::string(40, 'a') + " " + std::string(20, 'b'));
  EXPECT_EQ(LinhasFiltradas(p.Texto()), (std::vector<std::string>{std::string(40, 'a'), std::string(20, 'b')}));
}

TEST(TextoImpresso, ColunasComTextoLongoFechamNaUltimaLinha) {
  TextoImpresso t;
  t.Colunas(std::string(60, 'd'), "12,34");
  EXPECT_EQ(LinhasFiltradas(t.Texto()),
            (std::vector<std::string>{std::string(48, 'd'), std::string(12, 'd') + std::string(31, ' ') + "12,34"}));

  // A left text that leaves no room for the value puts the value on a line of its own.
  TextoImpresso u;
  u.Colunas(std::string(45, 'e'), "12,34");
  EXPECT_EQ(LinhasFiltradas(u.Texto()),
            (std::vector<std::string>{std::string(45, 'e'), std::string(43, ' ') + "12,34"}));
}

TEST(TextoImpresso, ExpandidoOcupa24Colunas) {
  TextoImpresso t;
  t.ColunasExpandidas("TOTAL R$", "29,00");
  EXPECT_EQ(t.Texto(), "\x1BW1\x1B" "E1TOTAL R$" + std::string(11, ' ') + "29,00\x1B" "E0\x1BW0\x1B*");
}

TEST(TextoImpresso, TextoDoHospedeiroNaoInjetaSequencias) {
  TextoImpresso t;
  t.Linha("A\x1B*B\x1B" "E1C\tD\x7F");
  EXPECT_EQ(t.Texto(), "A *B E1C D \x1B*");
}

TEST(TextoImpresso, TextoLivreRespeitaQuebrasDoHospedeiro) {
  TextoImpresso t;
  t.TextoLivre("linha 1\r\nlinha 2\nlinha 3\r\r\n");
  EXPECT_EQ(LinhasFiltradas(t.Texto()), (std::vector<std::string>{"linha 1", "linha 2", "linha 3", ""}));
  TextoImpresso vazio;
  vazio.TextoLivre("");
  EXPECT_EQ(vazio.Texto(), "");
}

TEST(TextoImpresso, SecaoCentradaEntreTracos) {
  TextoImpresso t;
  t.Secao("ICMS");
  const std::vector<std::string> linhas = LinhasFiltradas(t.Texto());
  ASSERT_EQ(linhas.size(), 1u);
  EXPECT_EQ(linhas[0], std::string(21, '-') + " ICMS " + std::string(21, '-'));
}

TEST(FiltroImpressao, ComportamentoDoLeitor) {
  // The reader's own examples: the filter used by these tests behaves as the terminal's.
  EXPECT_EQ(FiltraImpressao("\x1B!Ax"), "x");
  EXPECT_EQ(FiltraImpressao("\x1B*Ax"), "\nAx");
  EXPECT_EQ(FiltraImpressao(std::string(100, 'c')),
            std::string(48, 'c') + "\n" + std::string(48, 'c') + "\n" + std::string(4, 'c'));
}

}  // namespace
}  // namespace ecf::impressao
