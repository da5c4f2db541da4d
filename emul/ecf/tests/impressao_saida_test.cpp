// The printer's output through its commands: LeImpressao, readings to the host, the detail and
// fiscal memory readings, the memory window registers, and all of it surviving the context file.
#include "ecf/resposta.h"
#include "filtro_impressao.h"
#include "saida_apoio.h"

namespace ecf::teste {
namespace {

TEST_F(Saida, CupomImpressoPassoAPassoEEntregueAoLeImpressao) {
  Ok("AbreCupomFiscal");
  const std::string abertura = Impressao();
  EXPECT_TRUE(TemLinha(abertura, std::string(18, ' ') + "CUPOM FISCAL"));
  EXPECT_TRUE(TemLinha(abertura, "CNPJ:11.222.333/0001-81"));
  EXPECT_EQ(Impressao(), "");  // all fetched
  Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Arroz"}, {"Quantidade", "2"}, {"PrecoUnitario", "10,50"},
                   {"CodAliquota", "0"}});
  const std::string item = Impressao();
  EXPECT_EQ(LinhasFiltradas(item), (std::vector<std::string>{"001 001 Arroz", Par("2,000 X 10,500 T18,00%", "21,00")}));
  Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "50"}});
  Ok("EncerraDocumento");
  const std::string fim = Impressao();
  EXPECT_TRUE(TemLinha(fim, Par("TOTAL R$", "21,00").substr(0, 24).replace(0, 24, "TOTAL R$" + std::string(11, ' ') + "21,00")));
  EXPECT_TRUE(TemLinha(fim, Par("Dinheiro", "50,00")));
  EXPECT_TRUE(TemLinha(fim, Par("TROCO R$", "29,00")));
  EXPECT_TRUE(TemLinha(fim, "CCF:000001"));
  EXPECT_EQ(Inteiro("NumLinhasImpressas"), std::to_string(LinhasFiltradas(abertura + item + fim).size()));
}

TEST_F(Saida, LeiturasAoHospedeiroRefazemOTextoEAFitaDetalheReproduzOCupom) {
  Cupom();
  const std::string cupom = Impressao();
  EXPECT_TRUE(TemLinha(cupom, Par("CANCELAMENTO ITEM 002", "-7,99")));

  Ok("EmiteLeituraX", {{"Destino", "S"}});
  const std::string x = Impressao();
  EXPECT_TRUE(TemLinha(x, std::string(19, ' ') + "LEITURA X"));
  EXPECT_TRUE(TemLinha(x, Par("VENDA BRUTA DIÁRIA", "28,99")));
  EXPECT_TRUE(TemLinha(x, Par("00 Dinheiro", "50,00")));
  for (const std::string& l : LinhasFiltradas(x)) EXPECT_LE(l.size(), 48u);

  Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "1"}});
  const std::string mfd = Impressao();
  EXPECT_NE(mfd.find(cupom), std::string::npos);  // byte for byte
  EXPECT_EQ(mfd.find("LEITURA X"), std::string::npos);  // a reading sent to the host is not on the tape

  // The COO counts the X reading (a document even when sent to the host), not the two others.
  EXPECT_EQ(Inteiro("COO"), "2");
}

TEST_F(Saida, TextoLongoSaiEmPedacosDe4000) {
  Ok("DefineGerencial", {{"NomeGerencial", "Geral"}});
  Ok("AbreGerencial");
  const std::string linha(100, 'L');
  for (int i = 0; i < 100; ++i) Ok("ImprimeTexto", {{"TextoLivre", linha.c_str()}});
  Ok("EncerraDocumento");
  int pedacos = 0;
  const std::string texto = Impressao(&pedacos);
  EXPECT_GT(texto.size(), 8000u);
  EXPECT_EQ(pedacos, static_cast<int>((texto.size() + 3999) / 4000));
  // The detail memory holds the same bytes as the pieces put together.
  Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "1"}});
  EXPECT_NE(Impressao().find(texto), std::string::npos);
}

TEST_F(Saida, ReducaoZVaiAMemoriaFiscalEASuaLeitura) {
  Cupom();
  Ok("EmiteReducaoZ");
  const std::string z = Impressao();
  EXPECT_TRUE(TemLinha(z, std::string(19, ' ') + "REDUÇÃO Z"));
  EXPECT_TRUE(TemLinha(z, Par("VENDA BRUTA DIÁRIA", "28,99")));
  EXPECT_TRUE(TemLinha(z, Par("00 Dinheiro", "50,00")));  // from the day as it stood before the Z
  EXPECT_TRUE(TemLinha(z, Par("CRZ:0001", "CRO:001")));

  Ok("EmiteLeituraMF", {{"Destino", "S"}, {"ReducaoInicial", "1"}, {"ReducaoFinal", "1"}, {"LeituraSimplificada", "N"}});
  const std::string mf = Impressao();
  EXPECT_TRUE(TemLinha(mf, Par("VENDA BRUTA", "28,99")));
  EXPECT_TRUE(TemLinha(mf, Par("CANCELAMENTOS ICMS", "-7,99")));
  EXPECT_NE(FiltraImpressao(mf).find("CRZ:0001 COO:000002"), std::string::npos);

  // The Z printed on paper is on the tape.
  Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "2"}, {"COOFinal", "2"}});
  EXPECT_NE(Impressao().find(z), std::string::npos);
}

TEST_F(Saida, JanelaDeMemoriaPelosRegistradores) {
  Cupom();
  EXPECT_EQ(Inteiro("TamanhoSoftwareBasico"), "262144");
  EXPECT_EQ(Memoria(0, 16), "KVT VARDEX II SB");
  const std::string contagens = Memoria(0x10000000, 4);
  EXPECT_EQ(contagens, std::string("\x01\x00\x00\x00", 4));
  const std::string lista = Memoria(0x11000000, 30);
  EXPECT_EQ(lista.substr(2, 10), "MFD0000001");
  const std::string info = Memoria(0x78000000, 783);
  ASSERT_EQ(info.size(), 783u);
  const std::uint32_t paginas = U32(info, 772);
  EXPECT_EQ(U32(lista, 22), paginas);
  EXPECT_EQ(U32(info, 768), 1u);  // last COO on the tape
  const std::string mfd = Memoria(0x30000000, paginas * 528u);
  EXPECT_EQ(mfd.substr(0, 528), info.substr(0, 528));  // header page
  // The data part of the pages: the coupon's start record (COO 1), then its printed texts.
  std::string dados;
  for (std::uint32_t p = 1; p < paginas; ++p) dados += mfd.substr(p * 528u, 512);
  ASSERT_GT(dados.size(), 5u);
  EXPECT_EQ(dados[0], '\x01');
  EXPECT_EQ(U32(dados, 1), 1u);
  EXPECT_NE(dados.find("001 001 Arroz\x1B*"), std::string::npos);
  EXPECT_NE(dados.find("Volte sempre\x1B*"), std::string::npos);
}

TEST_F(Saida, PedacosAtravessamORegistroDeRespostaIntactos) {
  // A piece with escapes, quotes, backslashes and accents travels in a reply record and comes back
  // byte for byte, so a host rebuilding the text from the records gets what was printed.
  Ok("DefineGerencial", {{"NomeGerencial", "Geral"}});
  Ok("AbreGerencial");
  Ok("ImprimeTexto", {{"TextoLivre", "aspas \" barra \\ ponto; chave } cerquilha # ação"}});
  Ok("EncerraDocumento");
  const Resposta r = Ok("LeImpressao");
  const std::string pedaco = Retorno(r, "TextoImpressao");
  ASSERT_NE(pedaco.find('\x1B'), std::string::npos);
  quorbal::Registro lido;
  ASSERT_TRUE(quorbal::LeRegistro(FormataResposta(r), lido));
  ASSERT_EQ(lido.itens.size(), 1u);
  EXPECT_EQ(lido.itens[0].nome, "TextoImpressao");
  EXPECT_EQ(lido.itens[0].valor, pedaco);
}

TEST_F(Saida, MemoriasEImpressaoPendenteSobrevivemAoContexto) {
  Cupom();
  Ok("EmiteLeituraX", {{"Destino", "S"}});
  const std::string antes = Contexto();
  Abre();
  EXPECT_EQ(Contexto(), antes);  // same state, same bytes
  const std::string x = Impressao();
  EXPECT_TRUE(TemLinha(x, std::string(19, ' ') + "LEITURA X"));
  Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "1"}});
  EXPECT_NE(FiltraImpressao(Impressao()).find("Volte sempre"), std::string::npos);
}

// The amount a cancellation prints is what the coupon totalled (adjustments and items cancelled
// before included), the same amount the day's cancellations grew by.
TEST_F(Saida, CancelamentoImprimeOTotalDoCupom) {
  auto CupomComAjustes = [this] {
    Ok("AbreCupomFiscal");
    Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Oleo"}, {"Quantidade", "1"}, {"PrecoUnitario", "10"},
                     {"CodAliquota", "0"}});
    Ok("VendeItem", {{"CodProduto", "002"}, {"NomeProduto", "Sal"}, {"Quantidade", "1"}, {"PrecoUnitario", "5"},
                     {"CodAliquota", "0"}});
    Ok("CancelaItemFiscal", {{"NumItem", "2"}});
  };
  CupomComAjustes();
  Ok("AcresceSubtotal", {{"Cancelar", "N"}, {"ValorAcrescimo", "1"}});
  Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "11"}});
  Ok("EncerraDocumento");
  EXPECT_EQ(Moeda("TotalDiaCancelamentosICMS"), "5,00");
  Impressao();
  Ok("CancelaCupom");
  EXPECT_TRUE(TemLinha(Impressao(), Par("VALOR CANCELADO R$", "11,00")));
  EXPECT_EQ(Moeda("TotalDiaCancelamentosICMS"), "16,00");

  CupomComAjustes();
  Impressao();
  Ok("CancelaCupom");  // the coupon still open
  EXPECT_TRUE(TemLinha(Impressao(), Par("VALOR CANCELADO R$", "10,00")));
  EXPECT_EQ(Moeda("TotalDiaCancelamentosICMS"), "31,00");
}

// A voucher's second copy: the first one gets its foot (counters, date, the printer's marks) before
// the second begins, as the second gets its own at the close.
TEST_F(Saida, CadaViaDoComprovanteTemSeuRodape) {
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "1"}, {"NomeProduto", "X"}, {"Quantidade", "1"}, {"PrecoUnitario", "3"},
                   {"CodAliquota", "0"}});
  Ok("PagaCupom", {{"NomeMeioPagamento", "Cartao"}, {"Valor", "3"}});
  Ok("EncerraDocumento");
  Impressao();
  Ok("AbreCreditoDebito");
  Ok("ImprimeTexto", {{"TextoLivre", "VIA UM"}});
  Ok("EmiteViaCreditoDebito");
  Ok("ImprimeTexto", {{"TextoLivre", "VIA DOIS"}});
  Ok("EncerraDocumento");
  const std::string texto = Impressao();
  const std::size_t segunda = texto.find("SEGUNDA VIA");
  ASSERT_NE(segunda, std::string::npos) << texto;
  for (const std::string& via : {texto.substr(0, segunda), texto.substr(segunda)}) {
    EXPECT_NE(via.find("CDC:000001"), std::string::npos) << via;
    EXPECT_NE(via.find("FAB:"), std::string::npos) << via;
  }
}

// Cancelling an item, whole or in part, also cancels its increase or discount; the coupon prints
// that too, so its lines add up to the total.
TEST_F(Saida, CancelamentoDeItemImprimeOAjusteQueCaiComEle) {
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "1"}, {"NomeProduto", "A"}, {"Quantidade", "4"}, {"PrecoUnitario", "2,50"},
                   {"CodAliquota", "0"}});
  Ok("AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorAcrescimo", "-1"}});
  Ok("VendeItem", {{"CodProduto", "2"}, {"NomeProduto", "B"}, {"Quantidade", "1"}, {"PrecoUnitario", "3"},
                   {"CodAliquota", "0"}});
  Ok("AcresceItemFiscal", {{"Cancelar", "N"}, {"ValorPercentual", "10"}});
  Impressao();
  Ok("CancelaItemFiscal", {{"NumItem", "1"}, {"Quantidade", "1"}});
  EXPECT_EQ(LinhasFiltradas(Impressao()), (std::vector<std::string>{Par("CANCELAMENTO ITEM 001 QTD 1,000", "-2,50"),
                                                                     Par("CANCELAMENTO DESCONTO ITEM 001", "+1,00")}));
  Ok("CancelaItemFiscal", {{"NumItem", "1"}, {"Quantidade", "1"}});  // no adjustment left to cancel
  EXPECT_EQ(LinhasFiltradas(Impressao()), (std::vector<std::string>{Par("CANCELAMENTO ITEM 001 QTD 1,000", "-2,50")}));
  Ok("CancelaItemFiscal", {{"NumItem", "2"}});
  EXPECT_EQ(LinhasFiltradas(Impressao()), (std::vector<std::string>{Par("CANCELAMENTO ITEM 002", "-3,00"),
                                                                     Par("CANCELAMENTO ACRÉSCIMO ITEM 002", "-0,30")}));
  EXPECT_EQ(Moeda("TotalDocLiquido"), "5,00");  // 10,00 - 2,50 - 2,50 + 3,00 + 0,30 - 3,00 - 0,30 with the discount gone
}

}  // namespace
}  // namespace ecf::teste
