#include "quorbal/registro.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace quorbal;

namespace {

TEST(Registro, QuotesAValueOnlyWhenABareTokenWouldNotSurvive) {
  EXPECT_EQ(FormataItem({"TempoAcionamentoGaveta", "100", 4}), "TempoAcionamentoGaveta=100");
  EXPECT_EQ(FormataItem({"A", "", 7}), "A=\"\"");
  EXPECT_EQ(FormataItem({"A", "dois nomes", 7}), "A=\"dois nomes\"");
  EXPECT_EQ(FormataItem({"A", "a\tb", 7}), "A=\"a\tb\"");
  EXPECT_EQ(FormataItem({"A", "x;y", 7}), "A=\"x;y\"");
  EXPECT_EQ(FormataItem({"A", "x}y", 7}), "A=\"x}y\"");
  EXPECT_EQ(FormataItem({"A", "diz \"oi\"", 7}), "A=\"diz \\\"oi\\\"\"");
  EXPECT_EQ(FormataItem({"A", "c:\\dir", 7}), "A=\"c:\\\\dir\"");
  EXPECT_EQ(FormataItem({"A", "#1", 7}), "A=\"#1\"");
  EXPECT_EQ(FormataItem({"A", "1#", 7}), "A=1#");
  EXPECT_EQ(FormataItem({"Data", "08/12/2003", 2}), "Data=#08/12/2003#");
  EXPECT_EQ(FormataItem({"Hora", "14:05:09", 3}), "Hora=#14:05:09#");
  // A date that cannot live between "#" is quoted instead.
  EXPECT_EQ(FormataItem({"Data", "a b", 2}), "Data=\"a b\"");
  EXPECT_EQ(FormataItem({"Data", "a#b", 2}), "Data=a#b");
  EXPECT_EQ(FormataItens({{"A", "1", 4}, {"B", "x y", 7}}), "A=1 B=\"x y\"");
  EXPECT_EQ(FormataItens({}), "");
  EXPECT_EQ(ComporRegistro("AbreGaveta", "TempoAcionamentoGaveta=100"), "{0;AbreGaveta;TempoAcionamentoGaveta=100;}");
  EXPECT_EQ(ComporRegistro("0", ""), "{0;0;;}");
}

TEST(Registro, ReadsBackNamesValuesAndTheTypesTheTextShows) {
  struct Caso {
    Item escrito;
    std::uint8_t tipo_lido;
  };
  const Caso casos[] = {
      {{"A", "1", kInt}, kString},  // bare tokens come back as texts
      {{"B", "x y", kString}, kString},
      {{"C", "", kString}, kString},
      {{"D", "a\"b\\c", kString}, kString},
      {{"E", "08/12/2003", kData}, kData},
      {{"F", "14:05:09", kHora}, kHora},
      {{"G", "x;y}z", kString}, kString},
      {{"H", "#", kString}, kString},
      {{"I", "12:00", kData}, kHora},  // between "#" the text alone tells date from time
      {{"J", "1999", kData}, kString},
      {{"K", "a b", kData}, kString},
      {{"L", "linha\r\n", kString}, kString},
      {{"M", std::string("a\0b", 3), kString}, kString},
      {{"N_9", "n\xE3o", kString}, kString},
  };
  std::vector<Item> itens;
  for (const Caso& caso : casos) itens.push_back(caso.escrito);

  Registro r;
  ErroLeitura erro;
  ASSERT_TRUE(LeRegistro(ComporRegistro("VendeItem", FormataItens(itens)), r, erro)) << DescreveErro(erro);
  EXPECT_EQ(r.cabeca, "VendeItem");
  std::vector<Item> lista;
  ASSERT_TRUE(LeItens(FormataItens(itens), lista, erro)) << DescreveErro(erro);
  for (const std::vector<Item>* lidos : {&r.itens, &lista}) {
    ASSERT_EQ(lidos->size(), std::size(casos));
    for (std::size_t i = 0; i < std::size(casos); ++i) {
      SCOPED_TRACE(casos[i].escrito.nome);
      EXPECT_EQ((*lidos)[i].nome, casos[i].escrito.nome);
      EXPECT_EQ((*lidos)[i].valor, casos[i].escrito.valor);
      EXPECT_EQ((*lidos)[i].tipo, casos[i].tipo_lido);
    }
  }
}

TEST(Registro, EveryByteOfAValueSurvivesTheRoundTrip) {
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    for (const std::string& valor : {std::string(1, c), "a" + std::string(1, c) + "b", std::string(2, c)}) {
      Registro r;
      const std::string registro = ComporRegistro("X", FormataItem({"A", valor, kString}));
      EXPECT_EQ(registro.find_first_of("\r\n"), std::string::npos) << b << ": a record is one line";
      ASSERT_TRUE(LeRegistro(registro, r)) << b;
      ASSERT_EQ(r.itens.size(), 1u) << b;
      EXPECT_EQ(r.itens[0].valor, valor) << b;
    }
  }
}

TEST(Registro, ReadsLineBreakEscapesAndKeepsOtherEscapesLiteral) {
  const std::pair<const char*, std::string> casos[] = {
      {R"({0;X;A="a\r\nb";})", "a\r\nb"},
      {R"({0;X;A="\n\r";})", "\n\r"},
      {R"({0;X;A="c:\\r";})", "c:\\r"},  // an escaped backslash before r stays a backslash
      // As files written before the line-break escapes read: the next character is literal.
      {R"({0;X;A="\t\q\N\R\"";})", "tqNR\""},
      {"{0;X;A=\"a\r\nb\";}", "a\r\nb"},  // a raw line break between quotes is kept
  };
  for (const auto& [texto, valor] : casos) {
    Registro r;
    ASSERT_TRUE(LeRegistro(texto, r)) << texto;
    ASSERT_EQ(r.itens.size(), 1u) << texto;
    EXPECT_EQ(r.itens[0].valor, valor) << texto;
  }
}

TEST(Registro, AcceptsBlanksAroundItemsAndLineEndsAfterTheRecord) {
  Registro r;
  ASSERT_TRUE(LeRegistro("{0;0;;}\r\n", r));
  EXPECT_EQ(r.cabeca, "0");
  EXPECT_TRUE(r.itens.empty());
  ASSERT_TRUE(LeRegistro("{0;AbreGaveta;TempoAcionamentoGaveta=100;}", r));
  ASSERT_EQ(r.itens.size(), 1u);
  EXPECT_EQ(r.itens[0].valor, "100");
  ASSERT_TRUE(LeRegistro("{0;X; \tA=1  B= C=\"\"\t;} \t\r\n", r));
  ASSERT_EQ(r.itens.size(), 3u);
  EXPECT_EQ(r.itens[1].nome, "B");
  EXPECT_EQ(r.itens[1].valor, "");
  std::vector<Item> itens;
  ErroLeitura erro;
  ASSERT_TRUE(LeItens("", itens, erro));
  EXPECT_TRUE(itens.empty());
  ASSERT_TRUE(LeItens(" A=#01/02/2003#\tB=2 ", itens, erro));
  ASSERT_EQ(itens.size(), 2u);
  EXPECT_EQ(itens[0].tipo, kData);
}

struct CasoErro {
  const char* texto;
  FalhaLeitura falha;
  std::size_t posicao;
};

// Reads the text as a record or as an item list alone; what the output held before must stay.
void ConfereErro(const CasoErro& caso, bool como_lista) {
  SCOPED_TRACE(caso.texto);
  Registro r{"intacto", {{"intacto", "", kString}}};
  ErroLeitura erro;
  EXPECT_FALSE(como_lista ? LeItens(caso.texto, r.itens, erro) : LeRegistro(caso.texto, r, erro));
  EXPECT_EQ(erro.falha, caso.falha) << DescreveErro(erro);
  EXPECT_EQ(erro.posicao, caso.posicao) << DescreveErro(erro);
  EXPECT_EQ(r.cabeca, "intacto");
  ASSERT_EQ(r.itens.size(), 1u);
  EXPECT_EQ(r.itens[0].nome, "intacto");
}

TEST(Registro, SaysWhereAndWhyATextIsNotARecord) {
  const CasoErro casos[] = {
      {"", FalhaLeitura::kSemAbertura, 0},
      {"{", FalhaLeitura::kSemAbertura, 1},
      {"{0", FalhaLeitura::kSemAbertura, 2},
      {"{1;X;;}", FalhaLeitura::kSemAbertura, 1},
      {"x{0;X;;}", FalhaLeitura::kSemAbertura, 0},
      {"{0;", FalhaLeitura::kFaltaPontoEVirgula, 3},
      {"{0;X", FalhaLeitura::kFaltaPontoEVirgula, 4},
      {"{0;X;", FalhaLeitura::kFaltaPontoEVirgula, 5},
      {"{0;X;A=1", FalhaLeitura::kFaltaPontoEVirgula, 8},
      {"{0;X;A=1 ", FalhaLeitura::kFaltaPontoEVirgula, 9},
      {"{0;X;A=1;", FalhaLeitura::kFaltaFecho, 9},
      {"{0;X;A=1;;}", FalhaLeitura::kFaltaFecho, 9},
      {"{0;X;A=1;}lixo", FalhaLeitura::kTextoAposRegistro, 10},
      {"{0;X;;} \r\n{0;X;;}", FalhaLeitura::kTextoAposRegistro, 10},
      {"{0;X;=1;}", FalhaLeitura::kNomeVazio, 5},
      {"{0;X;A=1 =2;}", FalhaLeitura::kNomeVazio, 9},
      {"{0;X;A=1 \xE9=2;}", FalhaLeitura::kNomeVazio, 9},
      {"{0;X;A;}", FalhaLeitura::kFaltaIgual, 6},
      {"{0;X;A-B=1;}", FalhaLeitura::kFaltaIgual, 6},
      {"{0;X;A =1;}", FalhaLeitura::kFaltaIgual, 6},
      {"{0;X;A=\"aberto;}", FalhaLeitura::kAspasAbertas, 7},
      {"{0;X;A=\"\\\";}", FalhaLeitura::kAspasAbertas, 7},
      {"{0;X;A=\"fim\\", FalhaLeitura::kBarraNoFim, 11},
      {"{0;X;A=#1/2;}", FalhaLeitura::kCerquilhaAberta, 7},
      {"{0;X;A=##;}", FalhaLeitura::kDataHoraInvalida, 7},
      {"{0;X;A=#1 2#;}", FalhaLeitura::kDataHoraInvalida, 7},
      {"{0;X;A=#ab#;}", FalhaLeitura::kDataHoraInvalida, 7},
      {"{0;X;A=\"x\"B=1;}", FalhaLeitura::kFaltaSeparador, 10},
      {"{0;X;A=1}", FalhaLeitura::kFaltaSeparador, 8},
      {"{0;X;A=#1:2#x;}", FalhaLeitura::kFaltaSeparador, 12},
  };
  for (const CasoErro& caso : casos) ConfereErro(caso, false);
  EXPECT_EQ(DescreveErro({7, FalhaLeitura::kAspasAbertas}), "aspas abertas e n\xE3o fechadas (byte 7)");
}

TEST(Registro, SaysWhereAndWhyATextIsNotAnItemList) {
  const CasoErro casos[] = {
      {"A=1;", FalhaLeitura::kFaltaSeparador, 3},
      {"A=1 B=2}", FalhaLeitura::kFaltaSeparador, 7},
      {"A", FalhaLeitura::kFaltaIgual, 1},
      {"=1", FalhaLeitura::kNomeVazio, 0},
      {"A=1 ;", FalhaLeitura::kNomeVazio, 4},
      {"A=\"x", FalhaLeitura::kAspasAbertas, 2},
      {"A=\"x\\", FalhaLeitura::kBarraNoFim, 4},
      {"A=#12/", FalhaLeitura::kCerquilhaAberta, 2},
      {"A=#1a#", FalhaLeitura::kDataHoraInvalida, 2},
  };
  for (const CasoErro& caso : casos) ConfereErro(caso, true);
}

// Each cut is copied into a buffer of exactly its size, so that a read past the end shows under the
// sanitizers instead of finding the rest of the record.
TEST(Registro, ARecordCutAtAnyByteIsRefusedWithinTheCut) {
  const std::string cabeca = "{0;VendeItem;";
  const std::string completo =
      ComporRegistro("VendeItem", FormataItens({{"A", "1", kInt},
                                                {"B", "diz \"oi\" c:\\", kString},
                                                {"C", "08/12/2003", kData},
                                                {"D", "14:05:09", kHora},
                                                {"E", "", kString}}));
  Registro r;
  ASSERT_TRUE(LeRegistro(completo, r));
  for (std::size_t n = 0; n < completo.size(); ++n) {
    std::unique_ptr<char[]> corte(new char[n]);
    completo.copy(corte.get(), n);
    const std::string_view texto(corte.get(), n);
    ErroLeitura erro;
    EXPECT_FALSE(LeRegistro(texto, r, erro)) << n;
    EXPECT_LE(erro.posicao, n);
    // The items alone, cut at the same byte: a list or not, reading stays inside the cut.
    if (n < cabeca.size()) continue;
    std::vector<Item> itens;
    erro = {};
    if (!LeItens(texto.substr(cabeca.size()), itens, erro)) {
      EXPECT_LE(erro.posicao, n - cabeca.size());
    }
  }
}

}  // namespace
