#include "protocolo/valores.h"

#include "gtest/gtest.h"

namespace ecf {
namespace {

std::int64_t Moeda(const char* texto, int decimais) {
  std::int64_t v = -999999;
  EXPECT_TRUE(LeMoeda(texto, decimais, v)) << texto;
  return v;
}

TEST(Valores, MoedaEmFormaBrasileira) {
  EXPECT_EQ(Moeda("3", 3), 3000);  // bare digits are whole units: three units
  EXPECT_EQ(Moeda("1,99", 2), 199);
  EXPECT_EQ(Moeda("1.234,56", 2), 123456);
  EXPECT_EQ(Moeda("1.234.567", 2), 123456700);
  EXPECT_EQ(Moeda("0,5", 3), 500);
  EXPECT_EQ(Moeda("-5,5", 2), -550);
  EXPECT_EQ(Moeda("+2", 2), 200);
  EXPECT_EQ(Moeda(",5", 2), 50);
  std::int64_t v = 0;
  EXPECT_FALSE(LeMoeda("1,999", 2, v));  // more decimals than the field declares
  EXPECT_FALSE(LeMoeda("1,2,3", 2, v));
  EXPECT_FALSE(LeMoeda("1,2.3", 2, v));
  EXPECT_FALSE(LeMoeda("abc", 2, v));
  EXPECT_FALSE(LeMoeda("", 2, v));
  EXPECT_FALSE(LeMoeda("-", 2, v));
  EXPECT_FALSE(LeMoeda("12 3", 2, v));
  EXPECT_FALSE(LeMoeda("99999999999999999999", 2, v));  // does not fit
}

TEST(Valores, FormataMoedaComAsCasasDoRegistrador) {
  EXPECT_EQ(FormataMoeda(123456, 2), "1234,56");
  EXPECT_EQ(FormataMoeda(1500, 3), "1,500");
  EXPECT_EQ(FormataMoeda(0, 2), "0,00");
  EXPECT_EQ(FormataMoeda(-5, 2), "-0,05");
  EXPECT_EQ(FormataMoeda(7, 0), "7");
  EXPECT_EQ(FormataMoeda(INT64_MIN, 2), "-92233720368547758,08");
}

TEST(Valores, Inteiros) {
  std::int64_t v = 0;
  EXPECT_TRUE(LeInteiro("-128", -128, 127, v));
  EXPECT_EQ(v, -128);
  EXPECT_FALSE(LeInteiro("128", -128, 127, v));
  EXPECT_FALSE(LeInteiro("1,0", 0, 10, v));
  EXPECT_FALSE(LeInteiro("", 0, 10, v));
  EXPECT_FALSE(LeInteiro("+", 0, 10, v));
  EXPECT_TRUE(LeInteiro("4294967295", 0, 4294967295LL, v));
  EXPECT_EQ(v, 4294967295LL);
}

TEST(Valores, IndicadoresEmQualquerCaixa) {
  for (const char* sim : {"Y", "y", "S", "s", "T", "t", "V", "v", "1"}) {
    bool b = false;
    EXPECT_TRUE(LeIndicador(sim, b)) << sim;
    EXPECT_TRUE(b) << sim;
  }
  for (const char* nao : {"N", "n", "F", "f", "0"}) {
    bool b = true;
    EXPECT_TRUE(LeIndicador(nao, b)) << nao;
    EXPECT_FALSE(b) << nao;
  }
  bool b = false;
  EXPECT_FALSE(LeIndicador("Sim", b));
  EXPECT_FALSE(LeIndicador("", b));
  EXPECT_FALSE(LeIndicador("2", b));
  EXPECT_STREQ(FormataIndicador(true), "Y");
  EXPECT_STREQ(FormataIndicador(false), "N");
}

TEST(Valores, DatasEHoras) {
  std::int32_t d = 0;
  EXPECT_TRUE(LeData("29/02/2024", d));
  EXPECT_EQ(d, 20240229);
  EXPECT_EQ(FormataData(d), "29/02/2024");
  EXPECT_TRUE(LeData("1/3/2024", d));
  EXPECT_EQ(FormataData(d), "01/03/2024");
  EXPECT_FALSE(LeData("29/02/2023", d));
  EXPECT_FALSE(LeData("31/04/2024", d));
  EXPECT_FALSE(LeData("15/03/24", d));
  EXPECT_FALSE(LeData("15-03-2024", d));
  EXPECT_FALSE(LeData("15/03/2024x", d));
  std::int32_t h = 0;
  EXPECT_TRUE(LeHora("23:59:59", h));
  EXPECT_EQ(h, 86399);
  EXPECT_EQ(FormataHora(h), "23:59:59");
  EXPECT_EQ(FormataHora(3 * 3600 + 4 * 60 + 5), "03:04:05");
  EXPECT_FALSE(LeHora("24:00:00", h));
  EXPECT_FALSE(LeHora("12:60:00", h));
  EXPECT_FALSE(LeHora("12:00", h));
}

TEST(Valores, ArredondamentoNBR5891) {
  std::int64_t r = 0;
  // Exactly one half goes to the even neighbour; anything above goes up, below goes down.
  ASSERT_TRUE(MultiplicaDivideNBR5891(25, 1, 10, r));
  EXPECT_EQ(r, 2);
  ASSERT_TRUE(MultiplicaDivideNBR5891(35, 1, 10, r));
  EXPECT_EQ(r, 4);
  ASSERT_TRUE(MultiplicaDivideNBR5891(251, 1, 100, r));
  EXPECT_EQ(r, 3);
  ASSERT_TRUE(MultiplicaDivideNBR5891(249, 1, 100, r));
  EXPECT_EQ(r, 2);
  ASSERT_TRUE(MultiplicaDivideNBR5891(-25, 1, 10, r));
  EXPECT_EQ(r, -2);
  ASSERT_TRUE(MultiplicaDivideNBR5891(-35, 1, 10, r));
  EXPECT_EQ(r, -4);
  ASSERT_TRUE(MultiplicaDivideNBR5891(-251, 1, 100, r));
  EXPECT_EQ(r, -3);
  // 10 % of R$ 12,35 = 1,235 -> 1,24 (the kept digit 3 is odd); of R$ 12,25 = 1,225 -> 1,22.
  ASSERT_TRUE(MultiplicaDivideNBR5891(1235, 1000, 10000, r));
  EXPECT_EQ(r, 124);
  ASSERT_TRUE(MultiplicaDivideNBR5891(1225, 1000, 10000, r));
  EXPECT_EQ(r, 122);
  EXPECT_FALSE(MultiplicaDivideNBR5891(1, 1, 0, r));
  EXPECT_FALSE(MultiplicaDivideNBR5891(INT64_MAX, 2, 1, r));
}

// A product past 64 bits whose result fits: a day's tax on a huge aliquot total, a share of a
// subtotal adjustment over buckets of hundreds of millions. Only a result that does not fit fails.
TEST(Valores, ProdutoAlemDe64Bits) {
  struct Caso {
    std::int64_t valor, fator, divisor;
    bool nbr5891;
    bool cabe;
    std::int64_t resultado;
  };
  const Caso casos[] = {
      // 18 % of R$ 55.340.231.944.659,72 = 9.961.241.750.038,7496 -> ,75.
      {5'534'023'194'465'972, 1800, 10000, true, true, 996'124'175'003'875},
      {-1'000'000'000, 10'000'000'000, 20'000'000'000, false, true, -500'000'000},
      {-1'000'000'000, 20'000'000'000, 20'000'000'000, true, true, -1'000'000'000},
      // One half exactly, on an odd and on an even quotient.
      {INT64_MAX, 2, 4, true, true, 4'611'686'018'427'387'904},
      {INT64_MAX - 2, 2, 4, true, true, 4'611'686'018'427'387'902},
      {INT64_MAX, 2, 4, false, true, 4'611'686'018'427'387'903},
      {INT64_MIN, 1, 1, false, true, INT64_MIN},
      {INT64_MIN, 3, -3, true, false, 0},
      {INT64_MIN, -1, 1, false, false, 0},
      {INT64_MAX, INT64_MAX, INT64_MAX, true, true, INT64_MAX},
      {INT64_MAX, INT64_MAX, 2, false, false, 0},
      {25, 1, -10, true, true, -2},
  };
  for (const Caso& c : casos) {
    std::int64_t r = 0;
    const bool cabe = c.nbr5891 ? MultiplicaDivideNBR5891(c.valor, c.fator, c.divisor, r)
                                : MultiplicaDivideTrunca(c.valor, c.fator, c.divisor, r);
    EXPECT_EQ(cabe, c.cabe) << c.valor << " * " << c.fator << " / " << c.divisor;
    if (cabe && c.cabe) EXPECT_EQ(r, c.resultado) << c.valor << " * " << c.fator << " / " << c.divisor;
  }
}

TEST(Valores, Truncamento) {
  std::int64_t r = 0;
  // 1,500 x 2,999 = 4,4985 -> 4,49.
  ASSERT_TRUE(MultiplicaDivideTrunca(1500, 2999, 10000, r));
  EXPECT_EQ(r, 449);
  ASSERT_TRUE(MultiplicaDivideTrunca(-1999, 1, 10, r));
  EXPECT_EQ(r, -199);
}

}  // namespace
}  // namespace ecf
