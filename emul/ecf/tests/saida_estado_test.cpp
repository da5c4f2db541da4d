// What the output is handed and what it keeps: the Z prints the day the core hands over, an item
// cancellation prints the amount the core cancelled, memory readings leave the context alone, and
// a full detail memory refuses new documents.
#include <filesystem>

#include "contexto/contexto.h"
#include "impressao/saida_impressora.h"
#include "impressora_emulada.h"
#include "saida_apoio.h"

namespace ecf::teste {
namespace {

TEST_F(Saida, ReducaoZImprimeODiaMesmoSemAParteDaSaidaNoContexto) {
  Ok("DefineNaoFiscal", {{"NomeNaoFiscal", "Suprimento"}, {"TipoNaoFiscal", "S"}});
  Ok("DefineGerencial", {{"NomeGerencial", "Geral"}});
  Ok("DefineDepartamento", {{"NomeDepartamento", "Mercearia"}});
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Arroz"}, {"Quantidade", "1"}, {"PrecoUnitario", "30"},
                   {"CodAliquota", "0"}, {"CodDepartamento", "0"}});
  Ok("PagaCupom", {{"CodMeioPagamento", "1"}, {"Valor", "20"}});
  Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "20"}});
  Ok("EncerraDocumento");
  Ok("AbreCupomNaoFiscal");
  Ok("EmiteItemNaoFiscal", {{"CodNaoFiscal", "0"}, {"Valor", "15"}});
  Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "15"}});
  Ok("EncerraDocumento");
  Ok("AbreGerencial");
  Ok("ImprimeTexto", {{"TextoLivre", "Conferência"}});
  Ok("EncerraDocumento");
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "002"}, {"NomeProduto", "Sal"}, {"Quantidade", "1"}, {"PrecoUnitario", "5"},
                   {"CodAliquota", "0"}});
  Ok("CancelaCupom");
  Ok("EmiteLeituraX", {{"Destino", "S"}});
  const std::string x = Impressao();
  const std::vector<std::string> do_dia = {Par("00 Dinheiro", "35,00"),           Par("01 Cartao", "20,00"),
                                           Par("TROCO", "10,00"),                  Par("00 Suprimento", "CON:0001  15,00"),
                                           Par("00 Geral", "CER:0001  0,00"),      Par("00 Mercearia", "1,000  30,00"),
                                           Par("CDC:0000  CFC:0001  CFD:0000", "NFC:0000")};
  for (const std::string& linha : do_dia) ASSERT_TRUE(TemLinha(x, linha)) << linha;

  // The output's part of the context is lost (it cannot be read back): the fiscal state stays,
  // the output starts afresh with nothing of the day.
  impressora_.reset();
  Estado estado;
  std::string saida;
  ASSERT_TRUE(DecodificaContexto(LeBytes(pasta_.arquivo("rasc0.bin")), estado, saida));
  GravaBytes(pasta_.arquivo("rasc0.bin"), CodificaContexto(estado, "\x7F" "ilegível"));
  Abre();

  Ok("EmiteReducaoZ");
  const std::string z = Impressao();
  ASSERT_TRUE(TemLinha(z, std::string(19, ' ') + "REDUÇÃO Z"));
  for (const std::string& linha : do_dia) EXPECT_TRUE(TemLinha(z, linha)) << linha;
  EXPECT_TRUE(TemLinha(z, Par("COO INICIAL:000001", "COO FINAL:000006")));
  EXPECT_TRUE(TemLinha(z, Par("CRZ:0001", "CRO:001")));
  EXPECT_TRUE(TemLinha(z, Par("VENDA LÍQUIDA", "30,00")));
}

TEST_F(Saida, CancelamentosParciaisImprimemOValorQueSaiuDoTotal) {
  // 3 x 0,335 = 1,005, truncated to 1,00; a third cancelled is 0,335, truncated to 0,33, so the
  // last third takes what is left: 0,34.
  Ok("AbreCupomFiscal");
  Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Bala"}, {"Quantidade", "3"}, {"PrecoUnitario", "0,335"},
                   {"CodAliquota", "0"}});
  Impressao();
  const std::string linha = Par("CANCELAMENTO ITEM 001 QTD 1,000", "-0,33");
  Ok("CancelaItemFiscal", {{"NumItem", "1"}, {"Quantidade", "1"}});
  EXPECT_EQ(LinhasFiltradas(Impressao()), std::vector<std::string>{linha});
  Ok("CancelaItemFiscal", {{"NumItem", "1"}, {"Quantidade", "1"}});
  EXPECT_EQ(LinhasFiltradas(Impressao()), std::vector<std::string>{linha});
  Ok("CancelaItemFiscal", {{"NumItem", "1"}, {"Quantidade", "1"}});
  EXPECT_EQ(LinhasFiltradas(Impressao()), std::vector<std::string>{Par("CANCELAMENTO ITEM 001 QTD 1,000", "-0,34")});
  EXPECT_EQ(Moeda("TotalDocCancelamentoICMS"), "1,00");

  // The rest of an item at once, after a part of it.
  Ok("VendeItem", {{"CodProduto", "002"}, {"NomeProduto", "Bala"}, {"Quantidade", "3"}, {"PrecoUnitario", "0,335"},
                   {"CodAliquota", "0"}});
  Ok("CancelaItemFiscal", {{"NumItem", "2"}, {"Quantidade", "1"}});
  Impressao();
  Ok("CancelaItemFiscal", {{"NumItem", "2"}});
  EXPECT_EQ(LinhasFiltradas(Impressao()), std::vector<std::string>{Par("CANCELAMENTO ITEM 002 QTD 2,000", "-0,67")});
  // A whole item prints no quantity.
  Ok("VendeItem", {{"CodProduto", "003"}, {"NomeProduto", "Bala"}, {"Quantidade", "3"}, {"PrecoUnitario", "0,335"},
                   {"CodAliquota", "0"}});
  Impressao();
  Ok("CancelaItemFiscal", {{"NumItem", "3"}});
  EXPECT_EQ(LinhasFiltradas(Impressao()), std::vector<std::string>{Par("CANCELAMENTO ITEM 003", "-1,00")});
}

TEST_F(Saida, LeiturasDaJanelaNaoMudamNemReescrevemOContexto) {
  const std::string caminho = impressora_->ArquivoContexto();
  // Whole seconds, which every file system keeps as they are.
  const std::filesystem::file_time_type passado =
      std::chrono::floor<std::chrono::seconds>(std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  std::filesystem::last_write_time(caminho, passado);
  const std::string antes = Contexto();

  EXPECT_EQ(Memoria(0, 600).substr(0, 16), "KVT VARDEX II SB");
  EXPECT_EQ(Memoria(0x78000000, 783).size(), 783u);
  EXPECT_FALSE(Memoria(0x30000000, 528).empty());
  EXPECT_EQ(Inteiro("TamanhoSoftwareBasico"), "262144");
  EXPECT_EQ(Inteiro("EnderecoSoftwareBasico"), std::to_string(0x30000000u + 512));  // the last one written
  // The address is the window's own: writing it neither changes nor rewrites the context.
  EXPECT_EQ(Contexto(), antes);
  EXPECT_EQ(std::filesystem::last_write_time(caminho), passado);
  // Nor does a command that changes nothing, which would write whatever the readings had changed.
  Ok("EscreveInteiro", {{"NomeInteiro", "TempoAcionamentoPadrao"}, {"ValorInteiro", Inteiro("TempoAcionamentoPadrao").c_str()}});
  EXPECT_EQ(Contexto(), antes);

  // Not saved: a reopened printer's window starts at 0, and its context is the same.
  Abre();
  EXPECT_EQ(Inteiro("EnderecoSoftwareBasico"), "0");
  EXPECT_EQ(Contexto(), antes);
  // A damaged context is still restored byte for byte after the readings.
  Memoria(0x10000000, 4);
  impressora_.reset();
  std::string avariado = antes;
  avariado.replace(100, 4, "Lixo");
  GravaBytes(caminho, avariado);
  Abre();
  EXPECT_EQ(Contexto(), antes);
}

// A printer whose detail memory has 40 pages: about twenty kilobytes, eight of them kept for the Z.
class FitaDetalhePequena : public Saida {
 protected:
  void SetUp() override {
    Saida::SetUp();
    impressora_ = AbreImpressora(pasta_.caminho(), 1, [] { return CriaSaidaImpressora(40); });
    ASSERT_NE(impressora_, nullptr);
  }
};

TEST_F(FitaDetalhePequena, DocumentosRecusadosComAFitaEsgotadaEAReducaoZAindaSai) {
  EXPECT_EQ(Indicador("MFDEsgotada"), "0");
  EXPECT_EQ(Inteiro("MFDLivre"), std::to_string(39 * 512));
  Resposta r;
  int cupons = 0;
  for (; cupons < 30; ++cupons) {
    r = Exec("AbreCupomFiscal");
    if (r.codigo_erro != 0) break;
    Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Arroz"}, {"Quantidade", "1"}, {"PrecoUnitario", "5"},
                     {"CodAliquota", "0"}});
    Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "5"}});
    Ok("EncerraDocumento");
  }
  EXPECT_EQ(r.nome_erro, "ErroMFDEsgotada") << r.circunstancia;
  EXPECT_GT(cupons, 3);
  EXPECT_LT(cupons, 30);
  EXPECT_EQ(Indicador("MFDEsgotada"), "1");
  EXPECT_LT(std::stoll(Inteiro("MFDLivre")), 8 * 1024);
  const std::string coo = Inteiro("COO");
  Recusa("ErroMFDEsgotada", "AbreCupomFiscal");
  Recusa("ErroMFDEsgotada", "AbreGerencial");
  Recusa("ErroMFDEsgotada", "EmiteLeituraX");
  Recusa("ErroMFDEsgotada", "CancelaCupom");
  EXPECT_EQ(Inteiro("COO"), coo);
  Ok("EmiteLeituraX", {{"Destino", "S"}});  // not printed, so not recorded
  Impressao();

  // The room kept for the Z: it is printed and recorded.
  Ok("EmiteReducaoZ");
  const std::string z = Impressao();
  EXPECT_TRUE(TemLinha(z, std::string(19, ' ') + "REDUÇÃO Z"));
  const std::string coo_z = Inteiro("COO");
  Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", coo_z.c_str()}, {"COOFinal", coo_z.c_str()}});
  EXPECT_NE(Impressao().find(z), std::string::npos);

  // The next day the memory is still full, until a new one is started.
  relogio_.Ajusta(2024, 3, 16, 9, 0, 0);
  Recusa("ErroMFDEsgotada", "AbreCupomFiscal");
  Ok("IniciaFitaDetalhe", {{"NumSerie", "MFD0000002"}});
  EXPECT_EQ(Indicador("MFDEsgotada"), "0");
  EXPECT_EQ(Texto("NumeroSerieMFD"), "MFD0000002");
  Ok("AbreCupomFiscal");
}

}  // namespace
}  // namespace ecf::teste
