// The five programmable tables: define, read, delete, and their refusals.
#include "apoio.h"

namespace ecf::teste {
namespace {

using Tabelas = Bancada;

TEST_F(Tabelas, Aliquotas) {
  Resposta r = Ok("DefineAliquota", {{"PercentualAliquota", "2500"}, {"AliquotaICMS", "N"}, {"DescricaoAliquota", "ISS 25"}});
  EXPECT_EQ(Retorno(r, "CodAliquotaProgramavel"), "3");
  EXPECT_EQ(r.retornos[0].tipo, 1);  // char
  // The same aliquot again keeps its code; a code given redefines that slot.
  EXPECT_EQ(Retorno(Ok("DefineAliquota", {{"PercentualAliquota", "2500"}, {"AliquotaICMS", "F"}}), "CodAliquotaProgramavel"), "3");
  EXPECT_EQ(Retorno(Ok("DefineAliquota", {{"PercentualAliquota", "1200"}, {"CodAliquotaProgramavel", "9"}}),
                    "CodAliquotaProgramavel"),
            "9");
  Resposta lida = Ok("LeAliquota", {{"PercentualAliquota", "2500"}, {"AliquotaICMS", "N"}});
  EXPECT_EQ(Retorno(lida, "CodAliquotaProgramavel"), "3");
  EXPECT_EQ(Retorno(lida, "DescricaoAliquota"), "ISS 25");
  EXPECT_EQ(Retorno(lida, "AliquotaICMS"), "N");
  EXPECT_EQ(Retorno(lida, "PercentualAliquota"), "2500");
  ASSERT_EQ(lida.retornos.size(), 4u);
  EXPECT_EQ(lida.retornos[0].nome, "AliquotaICMS");  // catalogue order
  EXPECT_EQ(lida.retornos[3].nome, "PercentualAliquota");
  EXPECT_EQ(Retorno(Ok("LeAliquota", {{"CodAliquotaProgramavel", "9"}}), "DescricaoAliquota"), "ICMS 12,00%");
  Ok("ExcluiAliquota", {{"CodAliquotaProgramavel", "9"}});
  Recusa("ErroCMDAliquotaNaoCarregada", "LeAliquota", {{"CodAliquotaProgramavel", "9"}});
  Recusa("ErroCMDAliquotaNaoCarregada", "ExcluiAliquota", {{"PercentualAliquota", "1200"}});
  Recusa("ErroCMDAliquotaInvalida", "LeAliquota", {{"CodAliquotaProgramavel", "16"}});
  Recusa("ErroCMDFaltaParametro", "LeAliquota");
  Recusa("ErroCMDValorAliquotaInvalido", "DefineAliquota", {{"PercentualAliquota", "0"}});
  Recusa("ErroCMDAliquotaInvalida", "DefineAliquota", {{"PercentualAliquota", "100"}, {"CodAliquotaProgramavel", "-1"}});
  for (int p = 101; p <= 112; ++p) Ok("DefineAliquota", {{"PercentualAliquota", std::to_string(p).c_str()}});
  EXPECT_EQ(Inteiro("AliquotaDisponivel"), "0");
  Recusa("ErroCMDAliquotasIndisponiveis", "DefineAliquota", {{"PercentualAliquota", "200"}});
}

TEST_F(Tabelas, MeiosDePagamento) {
  Resposta r = Ok("DefineMeioPagamento", {{"NomeMeioPagamento", "Cheque"}, {"PermiteVinculado", "S"}});
  EXPECT_EQ(Retorno(r, "CodMeioPagamentoProgram"), "2");
  Resposta lido = Ok("LeMeioPagamento", {{"NomeMeioPagamento", "Cheque"}});
  EXPECT_EQ(Retorno(lido, "CodMeioPagamentoProgram"), "2");
  EXPECT_EQ(Retorno(lido, "PermiteVinculado"), "Y");
  EXPECT_EQ(Retorno(lido, "DescricaoMeioPagamento"), "Cheque");
  // Redefining by name keeps the slot and changes what was given.
  Ok("DefineMeioPagamento", {{"NomeMeioPagamento", "Cheque"}, {"DescricaoMeioPagamento", "Cheque a vista"}});
  EXPECT_EQ(Retorno(Ok("LeMeioPagamento", {{"CodMeioPagamentoProgram", "2"}}), "DescricaoMeioPagamento"), "Cheque a vista");
  Recusa("ErroCMDMeioPagamentoNEncontrado", "DefineMeioPagamento", {{"CodMeioPagamentoProgram", "3"}, {"NomeMeioPagamento", " "}});
  Recusa("ErroCMDMeioPagamentoNEncontrado", "DefineMeioPagamento",
         {{"CodMeioPagamentoProgram", "3"}, {"NomeMeioPagamento", "Cheque"}});
  Recusa("ErroCMDFaltaParametro", "DefineMeioPagamento", {{"CodMeioPagamentoProgram", "3"}});
  Recusa("ErroCMDFormaPagamentoInvalida", "DefineMeioPagamento", {{"CodMeioPagamentoProgram", "15"}, {"NomeMeioPagamento", "X"}});
  Recusa("ErroCMDFormaPagamentoIndefinida", "LeMeioPagamento", {{"CodMeioPagamentoProgram", "7"}});
  Recusa("ErroCMDMeioPagamentoNEncontrado", "LeMeioPagamento", {{"NomeMeioPagamento", "Vale"}});
  Recusa("ErroCMDFormaPagamentoInvalida", "ExcluiMeioPagamento", {{"NomeMeioPagamento", "Dinheiro"}});
  Ok("ExcluiMeioPagamento", {{"CodMeioPagamentoProgram", "2"}});
  Recusa("ErroCMDFormaPagamentoIndefinida", "LeMeioPagamento", {{"CodMeioPagamentoProgram", "2"}});
  for (int i = 2; i < 15; ++i) Ok("DefineMeioPagamento", {{"NomeMeioPagamento", ("Meio" + std::to_string(i)).c_str()}});
  Recusa("ErroCMDFormasPagamentosIndisponiveis", "DefineMeioPagamento", {{"NomeMeioPagamento", "Mais um"}});
}

TEST_F(Tabelas, DepartamentosNaoFiscaisEGerenciais) {
  EXPECT_EQ(Retorno(Ok("DefineDepartamento", {{"NomeDepartamento", "Padaria"}, {"CodDepartamento", "5"}}), "CodDepartamento"), "5");
  EXPECT_EQ(Retorno(Ok("LeDepartamento", {{"NomeDepartamento", "Padaria"}}), "CodDepartamento"), "5");
  Recusa("ErroCMDDepartamentoInvalido", "LeDepartamento", {{"CodDepartamento", "20"}});
  Recusa("ErroCMDDepartamentoIndefinido", "LeDepartamento", {{"CodDepartamento", "0"}});
  Recusa("ErroCMDNomeDepartamentoInvalido", "LeDepartamento", {{"NomeDepartamento", "Acougue"}});
  Ok("ExcluiDepartamento", {{"NomeDepartamento", "Padaria"}});
  Recusa("ErroCMDDepartamentoIndefinido", "ExcluiDepartamento", {{"CodDepartamento", "5"}});
  for (int i = 0; i < 20; ++i) Ok("DefineDepartamento", {{"NomeDepartamento", ("D" + std::to_string(i)).c_str()}});
  Recusa("ErroCMDNaoHaMaisDepartamentosLivres", "DefineDepartamento", {{"NomeDepartamento", "D20"}});

  Resposta nf = Ok("DefineNaoFiscal", {{"NomeNaoFiscal", "Sangria"}, {"TipoNaoFiscal", "N"}});
  EXPECT_EQ(Retorno(nf, "CodNaoFiscal"), "0");
  EXPECT_EQ(Retorno(Ok("LeNaoFiscal", {{"CodNaoFiscal", "0"}}), "TipoNaoFiscal"), "N");
  Recusa("ErroCMDIndiceNaoFiscalInvalido", "LeNaoFiscal", {{"CodNaoFiscal", "15"}});
  Recusa("ErroCMDNaoFiscalIndefinido", "LeNaoFiscal", {{"CodNaoFiscal", "1"}});
  Recusa("ErroCMDNomeNaoFiscalInvalido", "ExcluiNaoFiscal", {{"NomeNaoFiscal", "Outro"}});
  for (int i = 1; i < 15; ++i) Ok("DefineNaoFiscal", {{"NomeNaoFiscal", ("N" + std::to_string(i)).c_str()}});
  Recusa("ErroCMDDocsNaoFiscaisIndisponiveis", "DefineNaoFiscal", {{"NomeNaoFiscal", "N15"}});

  Resposta g = Ok("DefineGerencial", {{"NomeGerencial", "Fechamento de caixa"}});
  EXPECT_EQ(Retorno(g, "CodGerencial"), "0");
  EXPECT_EQ(g.retornos[0].tipo, 8);  // uchar
  EXPECT_EQ(Retorno(Ok("LeGerencial", {{"CodGerencial", "0"}}), "NomeGerencial"), "Fechamento de caixa");
  Recusa("ErroCMDGerencialInvalido", "LeGerencial", {{"CodGerencial", "20"}});
  Recusa("ErroCMDGerencialNaoDefinido", "LeGerencial", {{"CodGerencial", "1"}});
  Recusa("ErroCMDNomeGerencialInvalido", "LeGerencial", {{"NomeGerencial", "Outro"}});
  Ok("ExcluiGerencial", {{"CodGerencial", "0"}});
  Recusa("ErroCMDGerencialNaoDefinido", "LeGerencial", {{"CodGerencial", "0"}});
}

TEST_F(Tabelas, SoMudamComODiaFechado) {
  Ok("AbreCupomFiscal");
  Recusa("ErroCMDForaDeSequencia", "DefineAliquota", {{"PercentualAliquota", "100"}});
  Ok("VendeItem", {{"CodProduto", "1"}, {"NomeProduto", "A"}, {"Quantidade", "1"}, {"PrecoUnitario", "1"}, {"CodAliquota", "0"}});
  Ok("PagaCupom", {{"CodMeioPagamento", "0"}, {"Valor", "1"}});
  Ok("EncerraDocumento");
  Recusa("ErroCMDTrocaSTAposFechamento", "DefineAliquota", {{"PercentualAliquota", "100"}});
  Recusa("ErroCMDTrocaSTAposFechamento", "ExcluiAliquota", {{"CodAliquotaProgramavel", "1"}});
  Recusa("ErroCMDAltPagamentoSoAposZ", "DefineMeioPagamento", {{"NomeMeioPagamento", "Vale"}});
  Recusa("ErroCMDAltPagamentoSoAposZ", "ExcluiMeioPagamento", {{"CodMeioPagamentoProgram", "1"}});
  Recusa("ErroDiaAberto", "DefineDepartamento", {{"NomeDepartamento", "X"}});
  Recusa("ErroCMDTrocaNaoFiscalAposZ", "DefineNaoFiscal", {{"NomeNaoFiscal", "X"}});
  Recusa("ErroDiaAberto", "DefineGerencial", {{"NomeGerencial", "X"}});
  Recusa("ErroDiaAberto", "EscreveTexto", {{"NomeTexto", "SimboloMoeda"}, {"ValorTexto", "US$"}});
  // Reading still works.
  EXPECT_EQ(Retorno(Ok("LeAliquota", {{"CodAliquotaProgramavel", "0"}}), "PercentualAliquota"), "1800");
  Ok("EmiteReducaoZ");
  Ok("DefineGerencial", {{"NomeGerencial", "X"}});
}

}  // namespace
}  // namespace ecf::teste
