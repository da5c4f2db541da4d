#include "ecf/resposta.h"

#include "gtest/gtest.h"

namespace ecf {
namespace {

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
