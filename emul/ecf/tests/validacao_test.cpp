// Refusals of the catalogue check, through the printer: exact error names, a circumstance that
// names the parameter, and the state left as it was.
#include "apoio.h"

namespace ecf::teste {
namespace {

using Validacao = Bancada;

TEST_F(Validacao, ComandoInexistente) {
  Resposta r = Exec("AbreGavetas", {{"TempoAcionamentoGaveta", "100"}});
  EXPECT_EQ(r.codigo_erro, 11006);
  EXPECT_EQ(r.nome_erro, "ErroProtComandoInexistente");
  EXPECT_NE(r.circunstancia.find("AbreGavetas"), std::string::npos);
  Recusa("ErroProtComandoInexistente", "");
}

TEST_F(Validacao, SucessoSemRetornos) {
  Resposta r = Exec("AbreGaveta", {{"TempoAcionamentoGaveta", "100"}});
  EXPECT_EQ(r.codigo_erro, 0);
  EXPECT_EQ(r.nome_erro, "NoError");
  EXPECT_EQ(r.circunstancia, "");
  EXPECT_TRUE(r.retornos.empty());
  // The command name is found without regard to case, as the catalogue look-up does.
  EXPECT_EQ(Exec("abregaveta").codigo_erro, 0);
}

TEST_F(Validacao, ParametroDesconhecidoOuComOutraCaixa) {
  Recusa("ErroProtParamInvalido", "AbreGaveta", {{"Tempo", "100"}});
  Recusa("ErroProtParamInvalido", "AbreGaveta", {{"tempoacionamentogaveta", "100"}});
  Resposta r = Exec("AbreGaveta", {{"Tempo", "100"}});
  EXPECT_NE(r.circunstancia.find("'Tempo'"), std::string::npos) << r.circunstancia;
}

TEST_F(Validacao, SintaxeDoNome) {
  Recusa("ErroProtParamSintaxe", "AbreGaveta", {{"", "100"}});
  Recusa("ErroProtParamSintaxe", "AbreGaveta", {{"Tempo-X", "100"}});
  std::vector<Item> tipo_ruim = {{"TempoAcionamentoGaveta", "100", 11}};
  EXPECT_EQ(impressora_->Executa("AbreGaveta", tipo_ruim).nome_erro, "ErroProtParamSintaxe");
}

TEST_F(Validacao, ParametroRepetido) {
  Recusa("ErroProtParamRedefinido", "AbreGaveta", {{"TempoAcionamentoGaveta", "100"}, {"TempoAcionamentoGaveta", "200"}});
}

TEST_F(Validacao, ValoresQueNaoCabemNoTipo) {
  Recusa("ErroProtParamValorInvalido", "AbreGaveta", {{"TempoAcionamentoGaveta", "abc"}});
  Recusa("ErroProtParamValorInvalido", "AbreGaveta", {{"TempoAcionamentoGaveta", "40000"}});  // int is 16 bits
  Recusa("ErroProtParamValorInvalido", "AbreGaveta", {{"TempoAcionamentoGaveta", ""}});
  Recusa("ErroProtParamValorInvalido", "EscreveInteiro", {{"NomeInteiro", "ContrasteBobina"}, {"ValorInteiro", "1,5"}});
  Recusa("ErroProtParamValorInvalido", "EscreveData", {{"NomeData", "Data"}, {"ValorData", "30/02/2024"}});
  Recusa("ErroProtParamValorInvalido", "EscreveHora", {{"NomeHora", "Hora"}, {"ValorHora", "25:00:00"}});
  Recusa("ErroProtParamValorInvalido", "EscreveMoeda", {{"NomeDadoMonetario", "GT"}, {"ValorMonetario", "1,23456"}});
  Recusa("ErroProtParamValorInvalido", "AcresceSubtotal", {{"Cancelar", "talvez"}});
  Resposta r = Exec("AbreGaveta", {{"TempoAcionamentoGaveta", "abc"}});
  EXPECT_NE(r.circunstancia.find("'TempoAcionamentoGaveta'"), std::string::npos) << r.circunstancia;
}

TEST_F(Validacao, TextoMaiorQueOCampo) {
  Recusa("ErroProtParamStringInvalido", "EscreveTexto",
         {{"NomeTexto", std::string(51, 'x').c_str()}, {"ValorTexto", "a"}});
  Resposta r = Exec("EscreveTexto", {{"NomeTexto", std::string(51, 'x').c_str()}, {"ValorTexto", "a"}});
  EXPECT_NE(r.circunstancia.find("NomeTexto"), std::string::npos);
  EXPECT_NE(r.circunstancia.find("51"), std::string::npos);
}

TEST_F(Validacao, FaltaParametroObrigatorio) {
  Recusa("ErroProtParamIndefinido", "LeInteiro");
  Recusa("ErroProtParamIndefinido", "EscreveInteiro", {{"NomeInteiro", "ContrasteBobina"}});
  Resposta r = Exec("EscreveInteiro", {{"NomeInteiro", "ContrasteBobina"}});
  EXPECT_NE(r.circunstancia.find("'ValorInteiro'"), std::string::npos) << r.circunstancia;
}

TEST_F(Validacao, PercentualAliquotaEmCentesimos) {
  // 18,00 % travels as 1800; a decimal comma is refused for this parameter.
  Recusa("ErroProtParamValorInvalido", "LeAliquota", {{"PercentualAliquota", "18,00"}});
  Recusa("ErroProtParamValorInvalido", "LeAliquota", {{"PercentualAliquota", "10000"}});
}

TEST_F(Validacao, ItensDeRegistroChegamComoTexto) {
  // Items read back from a record come with type 7; the catalogue type decides the conversion.
  std::vector<Item> itens = {{"NomeInteiro", "ContrasteBobina", 7}, {"ValorInteiro", "7", 7}};
  EXPECT_EQ(impressora_->Executa("EscreveInteiro", itens).codigo_erro, 0);
  EXPECT_EQ(Inteiro("ContrasteBobina"), "7");
}

}  // namespace
}  // namespace ecf::teste
