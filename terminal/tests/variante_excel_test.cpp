// What crosses between the core and Excel. The VARIANT conversions exist only in the Windows builds
// (their tests run under Wine there); no Excel is needed for any of these.
#include "spreadsheet/excel/variante_excel.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

TEST(VarianteExcel, ErrosELocaisComoAPessoaOsLe) {
  EXPECT_EQ(NomeErroExcel(2007), "#DIV/0!");
  EXPECT_EQ(NomeErroExcel(2042), "#N/A");
  EXPECT_EQ(NomeErroExcel(1999), "#1999");
  EXPECT_EQ(LocalCelulaExcel("Totais", "$C$7"), "Totais!C7");
  EXPECT_EQ(LocalCelulaExcel("Dados do Dia", "AB$12"), "Dados do Dia!AB12");
}

#ifdef _WIN32
ValorPlanilha IdaEVolta(const ValorPlanilha& valor) {
  VARIANT variante;
  VarianteDeValor(valor, variante);
  ValorPlanilha lido = std::string("não lido");
  std::string erro;
  EXPECT_TRUE(ValorDeVariante(variante, lido, erro)) << erro;
  VariantClear(&variante);
  return lido;
}

TEST(VarianteExcel, ValoresDeIdaEVolta) {
  // Texts cross as UTF-16 and come back in Windows-1252, euro sign and accents included.
  EXPECT_EQ(IdaEVolta(std::string("Pre\xE7o \x80 1,5")), ValorPlanilha(std::string("Pre\xE7o \x80 1,5")));
  EXPECT_EQ(IdaEVolta(12.25), ValorPlanilha(12.25));
  EXPECT_EQ(IdaEVolta(true), ValorPlanilha(true));
  // Integers reach Excel as integers and come back as the numbers they are in a cell.
  EXPECT_EQ(IdaEVolta(std::int32_t{-7}), ValorPlanilha(-7.0));

  VARIANT vazio;
  VarianteDeValor(std::string(), vazio);
  EXPECT_EQ(vazio.vt, VT_EMPTY);  // an empty text empties the cell
  VARIANT texto;
  VarianteDeValor(std::string("\xE3"), texto);
  ASSERT_EQ(texto.vt, VT_BSTR);
  EXPECT_EQ(SysStringLen(texto.bstrVal), 1u);
  EXPECT_EQ(texto.bstrVal[0], L'\u00E3');
  VariantClear(&texto);
}

TEST(VarianteExcel, ErroDeCelulaEDataComoNumero) {
  VARIANT erro_celula;
  VariantInit(&erro_celula);
  erro_celula.vt = VT_ERROR;
  erro_celula.scode = static_cast<SCODE>(0x800A07D7);  // #DIV/0! as Excel hands it over
  ValorPlanilha valor;
  std::string erro;
  EXPECT_FALSE(ValorDeVariante(erro_celula, valor, erro));
  EXPECT_EQ(erro, "#DIV/0!");

  VARIANT data;
  VariantInit(&data);
  data.vt = VT_DATE;
  data.date = 45000.5;
  EXPECT_TRUE(ValorDeVariante(data, valor, erro));
  EXPECT_EQ(valor, ValorPlanilha(45000.5));
}
#endif

}  // namespace
}  // namespace tarnel
