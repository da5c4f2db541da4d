// Named items of a directive's argument, the two ways a script reads numbers, and the current value
// moved by "$AdicionarValorArmazenado".
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "quorbal/catalogo.h"
#include "scripts/itens_diretiva.h"
#include "scripts/numeros_script.h"
#include "scripts/valor_atual.h"

namespace tarnel {
namespace {

TEST(ItensDiretiva, TextoPorBuscaSimples) {
  struct Caso {
    const char* argumento;
    const char* nome;
    const char* valor;
  } casos[] = {
      {R"(NomeArquivo="MFD.TXT" COOInicial=1)", "NomeArquivo", "MFD.TXT"},
      {R"(NomeArquivo = "a b.txt")", "NomeArquivo", "a b.txt"},
      // Without quotes the value is the next quoted text of the line.
      {R"(NomeArquivo=x.txt DataInicial="01/02/2003")", "NomeArquivo", "01/02/2003"},
      {R"(NomeArquivo="")", "NomeArquivo", ""},
      {R"(NomeArquivo="sem fim)", "NomeArquivo", ""},
      {R"(NomeArquivo "x.txt")", "NomeArquivo", ""},
      {R"(nomearquivo="x.txt")", "NomeArquivo", ""},
      {"", "NomeArquivo", ""},
      // A plain search: the first occurrence, even inside another word.
      {R"(OutroNomeArquivo="a" NomeArquivo="b")", "NomeArquivo", "a"},
  };
  for (const Caso& c : casos) EXPECT_EQ(ItemTexto(c.argumento, c.nome), c.valor) << c.argumento;
}

TEST(ItensDiretiva, NumeroComAusenteComoMenosUm) {
  struct Caso {
    const char* argumento;
    std::int32_t valor;
  } casos[] = {
      {"COOInicial=1 COOFinal=20", 1},
      {"COOInicial=   -7", -7},
      {"COOInicial=+12 x", 12},
      {"COOFinal=20", -1},
      {"COOInicial", -1},
      {"COOInicial=", -1},
      {"COOInicial=   ", -1},
      {"COOInicial=2147483647", 2147483647},
      {"COOInicial=-2147483648", INT32_MIN},
  };
  for (const Caso& c : casos) {
    std::int32_t valor = 99;
    EXPECT_TRUE(ItemNumero(c.argumento, "COOInicial", valor)) << c.argumento;
    EXPECT_EQ(valor, c.valor) << c.argumento;
  }
}

TEST(ItensDiretiva, NumeroQueNaoEhInteiroEhErroDeConversao) {
  for (const char* argumento : {"COOInicial=1a", "COOInicial=abc", "COOInicial=\"1\"", "COOInicial=1,5",
                                "COOInicial=-", "COOInicial=2147483648", "COOInicial=99999999999999999999"}) {
    std::int32_t valor = 99;
    EXPECT_FALSE(ItemNumero(argumento, "COOInicial", valor)) << argumento;
    EXPECT_EQ(valor, 99) << argumento;
  }
}

TEST(NumerosScript, InteiroInicialEEstrito) {
  struct Caso {
    const char* texto;
    std::int64_t inicial;
    bool estrito_valido;
  } casos[] = {
      {"1003", 1003, true},     {"  -12", -12, true},    {"+5", 5, true},
      {"12abc", 12, false},     {"abc", 0, false},       {"", 0, false},
      {"- 3", 0, false},        {"12 ", 12, false},      {"9223372036854775807", INT64_MAX, true},
      {"-9223372036854775808", INT64_MIN, true},         {"9223372036854775808", INT64_MAX, false},
      {"-99999999999999999999", INT64_MIN, false},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(LeInteiroInicial(c.texto), c.inicial) << c.texto;
    std::int64_t estrito = 42;
    EXPECT_EQ(LeInteiroEstrito(c.texto, estrito), c.estrito_valido) << c.texto;
    EXPECT_EQ(estrito, c.estrito_valido ? c.inicial : 42) << c.texto;
  }
  EXPECT_EQ(LeInteiroInicial32("99999999999"), INT32_MAX);
  EXPECT_EQ(LeInteiroInicial32("-99999999999"), INT32_MIN);
}

TEST(ValorAtual, SomaPeloTipo) {
  struct Caso {
    int tipo;
    const char* valor;
    const char* argumento;
    const char* resultado;
  } casos[] = {
      {quorbal::kData, "01/03/2003", "-1", "28/02/2003"},
      {quorbal::kData, "28/02/2004", "1", "29/02/2004"},
      {quorbal::kData, "31/12/2003", "1", "01/01/2004"},
      {quorbal::kData, "1/3/03", "30", "31/03/2003"},
      {quorbal::kData, "01/01/2003", "x", "01/01/2003"},
      {quorbal::kData, "15/06/2020", "-366", "15/06/2019"},
      {quorbal::kData, "02/01/0001", "-1", "01/01/0001"},
      {quorbal::kHora, "23:59:30", "45", "00:00:15"},
      {quorbal::kHora, "00:00:10", "-20", "23:59:50"},
      {quorbal::kHora, "9:05", "60", "09:06:00"},
      {quorbal::kInt, "10", "-15", "-5"},
      {quorbal::kLong, "7 itens", "x", "7"},
      {quorbal::kUInt, "", "3", "3"},
      {quorbal::kULong, "9223372036854775807", "1", "9223372036854775807"},
      {quorbal::kMoeda, "1.234", "6", "1240"},
      {quorbal::kMoeda, "1.000.000", "-1", "999999"},
      {quorbal::kBool, "1", "5", "1"},
      {quorbal::kChar, "A", "1", "A"},
      {quorbal::kString, "texto", "1", "texto"},
      {quorbal::kUChar, "9", "1", "9"},
  };
  for (const Caso& c : casos) {
    std::string valor = c.valor;
    EXPECT_TRUE(AdicionaValorAtual(valor, c.tipo, c.argumento)) << c.valor << " + " << c.argumento;
    EXPECT_EQ(valor, c.resultado) << c.valor << " + " << c.argumento;
  }
}

TEST(ValorAtual, ValorIlegivelFicaComoEstava) {
  struct Caso {
    int tipo;
    const char* valor;
    const char* argumento;
  } casos[] = {
      {quorbal::kData, "", "1"},          {quorbal::kData, "31/02/2003", "1"}, {quorbal::kData, "01-03-2003", "1"},
      {quorbal::kData, "01/13/2003", "1"}, {quorbal::kData, "01/03", "1"},     {quorbal::kData, "01/03/2003x", "1"},
      {quorbal::kHora, "24:00:00", "1"},  {quorbal::kHora, "12", "1"},         {quorbal::kHora, "12:60", "1"},
      {quorbal::kMoeda, "", "1"},         {quorbal::kMoeda, "1,50", "1"},      {quorbal::kMoeda, "100", "um"},
      {quorbal::kMoeda, "99999999999999999999", "1"},
      {quorbal::kData, "04/02/200", "-122222"},  // before the year 1
      {quorbal::kData, "31/12/9999", "1"},
      {quorbal::kData, "01/01/0000", "1"},
  };
  for (const Caso& c : casos) {
    std::string valor = c.valor;
    EXPECT_FALSE(AdicionaValorAtual(valor, c.tipo, c.argumento)) << c.valor;
    EXPECT_EQ(valor, c.valor);
  }
}

}  // namespace
}  // namespace tarnel
