#include "ecf/registro.h"

#include "gtest/gtest.h"

namespace ecf {
namespace {

TEST(Registro, ValorSoEntreAspasQuandoPrecisa) {
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
}

TEST(Registro, LeRegistroDeVolta) {
  std::vector<Item> itens = {{"A", "1", 4},         {"B", "x y", 7},         {"C", "", 7},
                             {"D", "a\"b\\c", 7},   {"E", "08/12/2003", 2}, {"F", "14:05:09", 3},
                             {"G", "x;y}z", 7},     {"H", "#", 7}};
  Registro r;
  ASSERT_TRUE(LeRegistro("{0;VendeItem;" + FormataItens(itens) + ";}", r));
  EXPECT_EQ(r.cabeca, "VendeItem");
  ASSERT_EQ(r.itens.size(), itens.size());
  for (std::size_t i = 0; i < itens.size(); ++i) {
    EXPECT_EQ(r.itens[i].nome, itens[i].nome);
    EXPECT_EQ(r.itens[i].valor, itens[i].valor);
  }
  EXPECT_EQ(r.itens[0].tipo, 7);  // bare tokens come back as texts
  EXPECT_EQ(r.itens[4].tipo, 2);
  EXPECT_EQ(r.itens[5].tipo, 3);

  ASSERT_TRUE(LeRegistro("{0;0;;}\r\n", r));
  EXPECT_EQ(r.cabeca, "0");
  EXPECT_TRUE(r.itens.empty());
  ASSERT_TRUE(LeRegistro("{0;AbreGaveta;TempoAcionamentoGaveta=100;}", r));
  ASSERT_EQ(r.itens.size(), 1u);
  EXPECT_EQ(r.itens[0].valor, "100");
}

TEST(Registro, TextoMalFormadoNaoERegistro) {
  Registro r;
  r.cabeca = "intacto";
  for (const char* ruim : {"", "{", "{0", "{0;", "{0;X", "{0;X;", "{0;X;A=1", "{0;X;A=1;", "{1;X;;}",
                           "{0;X;A=\"aberto;}", "{0;X;A=#1/2;}", "{0;X;=1;}", "{0;X;A;}", "{0;X;A=1;}lixo",
                           "{0;X;A=\"x\"B=1;}", "{0;X;A=\"fim\\", "x{0;X;;}", "{0;X;A-B=1;}"}) {
    EXPECT_FALSE(LeRegistro(ruim, r)) << ruim;
  }
  EXPECT_EQ(r.cabeca, "intacto");
}

TEST(Registro, Resposta) {
  Resposta ok;
  ok.retornos = {{"CodAliquotaProgramavel", "3", 1}};
  EXPECT_EQ(FormataResposta(ok), "{0;0;CodAliquotaProgramavel=3;}");
  EXPECT_EQ(FormataResposta(Resposta{}), "{0;0;;}");
  Resposta erro;
  erro.codigo_erro = 11006;
  erro.nome_erro = "ErroProtComandoInexistente";
  erro.circunstancia = "Comando 'X \"y\"' não existe";
  EXPECT_EQ(FormataResposta(erro),
            "{0;11006;NomeErro=\"ErroProtComandoInexistente\" Circunstancia=\"Comando 'X \\\"y\\\"' não existe\";}");
}

}  // namespace
}  // namespace ecf
