// Slips (authentication, cheque face, endorsement, crossing) and the paper cut: what is printed,
// what the roll counts, and what the detail memory keeps.
#include "impressao/extenso.h"
#include "saida_apoio.h"

namespace ecf::teste {
namespace {

TEST(Extenso, ValoresComoUmChequeOsEscreve) {
  using impressao::ValorPorExtenso;
  EXPECT_EQ(ValorPorExtenso(1, "Real", "Reais"), "um centavo");
  EXPECT_EQ(ValorPorExtenso(100, "Real", "Reais"), "um real");
  EXPECT_EQ(ValorPorExtenso(10000, "Real", "Reais"), "cem reais");
  EXPECT_EQ(ValorPorExtenso(12345, "Real", "Reais"), "cento e vinte e três reais e quarenta e cinco centavos");
  EXPECT_EQ(ValorPorExtenso(120000, "Real", "Reais"), "mil e duzentos reais");
  EXPECT_EQ(ValorPorExtenso(123456, "Real", "Reais"), "mil duzentos e trinta e quatro reais e cinquenta e seis centavos");
  EXPECT_EQ(ValorPorExtenso(200110, "Real", "Reais"), "dois mil e um reais e dez centavos");
  EXPECT_EQ(ValorPorExtenso(100000000, "Real", "Reais"), "um milhão de reais");
  EXPECT_EQ(ValorPorExtenso(100010000, "Real", "Reais"), "um milhão e cem reais");
  EXPECT_EQ(ValorPorExtenso(123456789, "Real", "Reais"),
            "um milhão duzentos e trinta e quatro mil quinhentos e sessenta e sete reais e oitenta e nove centavos");
  EXPECT_EQ(ValorPorExtenso(9999999999, "Real", "Reais"),
            "noventa e nove milhões novecentos e noventa e nove mil novecentos e noventa e nove reais e noventa e nove "
            "centavos");
  // Past the billions, up to the largest amount a cheque's value holds.
  EXPECT_EQ(ValorPorExtenso(100000000000000, "Real", "Reais"), "um trilhão de reais");
  EXPECT_EQ(ValorPorExtenso(100000000000050, "Real", "Reais"), "um trilhão de reais e cinquenta centavos");
  EXPECT_EQ(ValorPorExtenso(100000000000100, "Real", "Reais"), "um trilhão e um reais");
  EXPECT_EQ(ValorPorExtenso(200000000000000000, "Real", "Reais"), "dois quatrilhões de reais");
  EXPECT_EQ(ValorPorExtenso(INT64_MAX, "Real", "Reais"),
            "noventa e dois quatrilhões duzentos e trinta e três trilhões setecentos e vinte bilhões trezentos e "
            "sessenta e oito milhões quinhentos e quarenta e sete mil setecentos e cinquenta e oito reais e sete "
            "centavos");
  EXPECT_EQ(impressao::DataPorExtenso(20240315), "15 de março de 2024");
}

class FolhaSolta : public Saida {
 protected:
  std::vector<std::pair<const char*, const char*>> Cheque(const char* valor) {
    return {{"Valor", valor},           {"Favorecido", "Fulano de Tal"}, {"Cidade", "São Paulo"},
            {"Data", "20/03/2024"},     {"HPosAno", "60"},               {"HPosCidade", "30"},
            {"HPosDia", "45"},          {"HPosExtensoLinha1", "10"},     {"HPosExtensoLinha2", "1"},
            {"HPosFavorecido", "5"},    {"HPosMes", "50"},               {"HPosValor", "70"},
            {"VPosCidade", "9"},        {"VPosExtensoLinha1", "3"},      {"VPosExtensoLinha2", "5"},
            {"VPosFavorecido", "7"},    {"VPosValor", "1"},              {"MensagemDocLinha1", "Ref. NF 123"}};
  }
  Resposta Executa(const std::string& comando, const std::vector<std::pair<const char*, const char*>>& pares) {
    std::vector<Item> itens;
    for (const auto& p : pares) itens.push_back(Item{p.first, p.second, 7});
    return impressora_->Executa(comando, itens);
  }
  // The detail-tape reading of one COO, to the host.
  std::string FitaDetalhe(const std::string& coo, const char* tipo = nullptr) {
    if (tipo)
      Ok("EmiteLeituraFitaDetalhe",
         {{"Destino", "S"}, {"COOInicial", coo.c_str()}, {"COOFinal", coo.c_str()}, {"TipoDocumento", tipo}});
    else
      Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", coo.c_str()}, {"COOFinal", coo.c_str()}});
    return Impressao();
  }
};

TEST_F(FolhaSolta, AutenticacaoFicaNaFitaDetalheDepoisDoSeuDocumento) {
  Cupom();
  const std::string cupom = Impressao();
  const std::string linhas = Inteiro("NumLinhasImpressas");
  Ok("ImprimeAutenticacao", {{"TextoAutenticacao", "PAGO"}});
  const std::string autenticacao = Impressao();
  EXPECT_EQ(LinhasFiltradas(autenticacao),
            (std::vector<std::string>{"", std::string(18, ' ') + "AUTENTICAÇÃO", Par("COO:000001  CCF:000001", "15/03/2024 10:00:00"),
                                      Par("ECF:001  LJ:0001  FAB:EMUL000001", "R$ 21,00"), "PAGO"}));
  EXPECT_EQ(Inteiro("NumLinhasImpressas"), linhas);  // on the slip, not the roll
  EXPECT_NE(FitaDetalhe("1").find(cupom + autenticacao), std::string::npos);
  EXPECT_EQ(FitaDetalhe("1", "A").find(cupom), std::string::npos);
  EXPECT_NE(FitaDetalhe("1", "A").find(autenticacao), std::string::npos);
  // The additional coupon is a copy of the coupon alone.
  Ok("EscreveIndicador", {{"NomeIndicador", "HabilitaCupomAdicional"}, {"ValorNumericoIndicador", "1"}});
  Ok("ImprimeAutenticacao");
  Impressao();
  Ok("ImprimeCupomAdicional");
  const std::string copia = Impressao();
  EXPECT_NE(copia.find(cupom), std::string::npos);
  EXPECT_EQ(FiltraImpressao(copia).find("AUTENTICAÇÃO"), std::string::npos);
}

TEST_F(FolhaSolta, ChequeChancelaECruzamentoForaDeDocumento) {
  Cupom();
  Impressao();
  const std::string linhas = Inteiro("NumLinhasImpressas");
  ASSERT_EQ(Executa("ImprimeCheque", Cheque("1234,56")).codigo_erro, 0);
  const std::string cheque = Impressao();
  const std::vector<std::string> l = LinhasFiltradas(cheque);
  ASSERT_EQ(l.size(), 8u);
  EXPECT_EQ(l[1], std::string(21, ' ') + "CHEQUE");
  EXPECT_EQ(l[2], Par("VALOR R$", "1.234,56"));
  EXPECT_EQ(l[3] + " " + l[4], "(mil duzentos e trinta e quatro reais e cinquenta e seis centavos)");
  EXPECT_EQ(l[5], "A Fulano de Tal OU À SUA ORDEM");
  EXPECT_EQ(l[6], "São Paulo, 20 de março de 2024");
  EXPECT_EQ(l[7], "Ref. NF 123");
  EXPECT_EQ(LinhasFiltradas(Impressao()), std::vector<std::string>{});  // all fetched
  Ok("ChancelaCheque", {{"HPosChancelamento", "1"}, {"VPosChancelamento", "1"}, {"TextoChancela", "DEPOSITO"}});
  const std::string chancela = Impressao();
  EXPECT_EQ(LinhasFiltradas(chancela), (std::vector<std::string>{"", std::string(20, ' ') + "CHANCELA", "DEPOSITO"}));
  Ok("CruzaCheque", {{"TipoCruzamento", "1"}, {"LinhaCruzamento1", "BANCO X"}, {"LinhaCruzamento2", "ignorada"}});
  const std::string cruzamento = Impressao();
  EXPECT_EQ(LinhasFiltradas(cruzamento), (std::vector<std::string>{"", std::string(19, ' ') + "CRUZAMENTO",
                                                                     std::string(48, '/'), std::string(20, ' ') + "BANCO X",
                                                                     std::string(48, '/')}));
  EXPECT_EQ(Inteiro("NumLinhasImpressas"), linhas);
  // Each is a record of its own under the last COO, kind Q.
  const std::string fita = FitaDetalhe("1", "Q");
  EXPECT_NE(fita.find(cheque + chancela + cruzamento), std::string::npos);
  EXPECT_EQ(FiltraImpressao(fita).find("Arroz"), std::string::npos);
}

TEST_F(FolhaSolta, ChequeDuranteOCupomFicaDentroDele) {
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Arroz"}, {"Quantidade", "1"}, {"PrecoUnitario", "10"},
                   {"CodAliquota", "0"}});
  Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "10"}});
  ASSERT_EQ(Executa("ImprimeCheque", Cheque("10")).codigo_erro, 0);
  Ok("EncerraDocumento");
  const std::string cupom = Impressao();
  const std::string filtrado = FiltraImpressao(cupom);
  const std::size_t pagamento = filtrado.find("Dinheiro");
  const std::size_t cheque = filtrado.find("(dez reais)");
  ASSERT_NE(cheque, std::string::npos);
  EXPECT_LT(pagamento, cheque);
  EXPECT_LT(cheque, filtrado.find("FAB:EMUL000001"));
  EXPECT_NE(FitaDetalhe("1", "F").find(cupom), std::string::npos);
}

TEST_F(FolhaSolta, CortePassaAUltimaLinhaPelaGuilhotina) {
  const int antes = std::stoi(Inteiro("NumLinhasImpressas"));
  Ok("CortaPapel", {{"TipoCorte", "0"}});
  const std::string corte = Impressao();
  EXPECT_EQ(corte, "\x1B*\x1B*\x1B*\x1B*\x1B*");
  EXPECT_EQ(std::stoi(Inteiro("NumLinhasImpressas")), antes + 5);
}

}  // namespace
}  // namespace ecf::teste
