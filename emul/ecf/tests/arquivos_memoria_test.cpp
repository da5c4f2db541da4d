// The memories in their own files beside the context: appended page by page and never rewritten,
// an uncommitted tail cut back on opening, committed bytes that went missing detected, and a
// context file of the previous layout (memories inside it) converted.
#include <filesystem>

#include "contexto/arquivos.h"
#include "saida_apoio.h"

namespace ecf::teste {
namespace {

class ArquivosDeMemoria : public Saida {
 protected:
  std::string Mf() const { return pasta_.arquivo("rasc0-0.mf"); }
  std::string Mfd() const { return pasta_.arquivo("rasc0-1.mfd"); }  // the first detail memory started
  std::string LeituraMFD() {
    Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "999999"}});
    return Impressao();
  }
};

TEST_F(ArquivosDeMemoria, PaginasAcrescentadasSemReescreverAsAnteriores) {
  Cupom();
  Ok("EmiteReducaoZ");
  relogio_.Ajusta(2024, 3, 16, 9, 0, 0);
  const std::string mf = LeBytes(Mf());
  const std::string mfd = LeBytes(Mfd());
  const std::string contexto = Contexto();
  ASSERT_FALSE(mfd.empty());
  for (int i = 0; i < 10; ++i) Cupom();
  const std::string mfd_depois = LeBytes(Mfd());
  EXPECT_EQ(mfd_depois.size() % 528, 0u);  // whole pages only: the page being filled is in the context
  EXPECT_GT(mfd_depois.size(), mfd.size());
  EXPECT_EQ(mfd_depois.substr(0, mfd.size()), mfd);
  EXPECT_EQ(LeBytes(Mf()), mf);  // no Z, nothing new in the fiscal memory
  // The context holds the day, not the memory: ten coupons add far less than they printed.
  EXPECT_LT(Contexto().size() - contexto.size(), mfd_depois.size() - mfd.size());
}

TEST_F(ArquivosDeMemoria, CaudaNaoConfirmadaCortadaAoAbrir) {
  for (int i = 0; i < 4; ++i) Cupom();
  Ok("EmiteReducaoZ");
  Impressao();
  const std::string mf = LeBytes(Mf()), mfd = LeBytes(Mfd());
  const std::string leitura = LeituraMFD();
  const std::string depois_da_leitura = Contexto();
  impressora_.reset();
  // A half page and a half record beyond what the context committed: the rest of a save cut short.
  GravaBytes(Mfd(), mfd + mfd.substr(528, 264));
  GravaBytes(Mf(), mf + std::string(170, 'Z'));
  Abre();
  EXPECT_EQ(LeBytes(Mfd()), mfd);
  EXPECT_EQ(LeBytes(Mf()), mf);
  EXPECT_EQ(Contexto(), depois_da_leitura);
  EXPECT_EQ(Inteiro("CRZ"), "1");
  // The same reading once more, sent to the host: the same documents, byte for byte.
  EXPECT_EQ(LeituraMFD(), leitura);
}

TEST_F(ArquivosDeMemoria, AnexoRasgadoPorUmaQuedaCortadoAoAbrir) {
  for (int i = 0; i < 3; ++i) Cupom();
  Impressao();
  Ok("AbreCupomFiscal");
  for (int i = 0; i < 12; ++i)
    Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Arroz"}, {"Quantidade", "1"}, {"PrecoUnitario", "1"},
                     {"CodAliquota", "0"}});
  Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "20"}});
  const std::string antes = Contexto();
  const std::size_t paginas_antes = LeBytes(Mfd()).size();
  struct Queda {};
  DefineFalhaSimulada([](EtapaGravacao etapa) {
    if (etapa == EtapaGravacao::kAnexo) throw Queda();
  });
  EXPECT_THROW(Exec("EncerraDocumento"), Queda);
  DefineFalhaSimulada({});
  impressora_.reset();
  ASSERT_GT(LeBytes(Mfd()).size(), paginas_antes);  // half of the new pages reached the file
  Abre();
  EXPECT_EQ(LeBytes(Mfd()).size(), paginas_antes);
  EXPECT_EQ(Contexto(), antes);
  Ok("EncerraDocumento");  // the coupon was still open
  EXPECT_NE(LeituraMFD().find("Volte sempre"), std::string::npos);
}

TEST_F(ArquivosDeMemoria, ArquivoMaisCurtoQueOConfirmadoGuardadoDeLado) {
  for (int i = 0; i < 6; ++i) Cupom();
  Impressao();
  const std::string coo = Inteiro("COO");
  const std::string mfd = LeBytes(Mfd());
  ASSERT_GE(mfd.size(), 3 * 528u);
  impressora_.reset();
  GravaBytes(Mfd(), mfd.substr(0, mfd.size() - 528));
  Abre();
  // The fiscal state stays; the detail memory that lost committed pages is kept aside untouched
  // and a new one, of the same serial number, takes its place.
  EXPECT_EQ(Inteiro("COO"), coo);
  EXPECT_EQ(LeBytes(Mfd() + ".avariado"), mfd.substr(0, mfd.size() - 528));
  EXPECT_EQ(Texto("NumeroSerieMFD"), "MFD0000001");
  const std::string leitura = LeituraMFD();
  EXPECT_NE(leitura.find("NÃO HÁ DOCUMENTOS NO PERÍODO"), std::string::npos);
  Cupom();
  EXPECT_NE(LeituraMFD().find("Arroz"), std::string::npos);
}

// An opening that must write and cannot (here a folder stands where the context goes, and the cut
// detail memory makes the opening start it afresh) fails with its reason and leaves the copy, the
// one good context left, as it was.
TEST_F(ArquivosDeMemoria, AberturaQueNaoGravaDeixaACopiaIntacta) {
  Cupom();
  impressora_.reset();
  const std::string copia = LeBytes(pasta_.arquivo(".rasc0.good"));
  ASSERT_FALSE(copia.empty());
  std::filesystem::remove(pasta_.arquivo("rasc0.bin"));
  std::filesystem::create_directory(pasta_.arquivo("rasc0.bin"));
  GravaBytes(Mfd(), LeBytes(Mfd()).substr(0, 100));
  std::string motivo;
  EXPECT_EQ(Impressora::Abre(pasta_.caminho(), 0, &motivo), nullptr);
  EXPECT_NE(motivo.find("rasc0.bin' ou as mem"), std::string::npos) << motivo;
  EXPECT_EQ(LeBytes(pasta_.arquivo(".rasc0.good")), copia);
}

// Two programs on one printer would each save over the other's work: while one has it open, another
// opening waits and then fails, saying why; once closed it opens again.
TEST_F(ArquivosDeMemoria, SoUmProgramaPorVez) {
  Cupom();
  std::string motivo;
  EXPECT_EQ(Impressora::Abre(pasta_.caminho(), 0, &motivo), nullptr);
  EXPECT_NE(motivo.find("rasc0.bin' est"), std::string::npos) << motivo;
  EXPECT_NE(motivo.find("em uso por outro programa"), std::string::npos) << motivo;
  impressora_.reset();
  EXPECT_NE(Impressora::Abre(pasta_.caminho(), 0), nullptr);
}

TEST_F(ArquivosDeMemoria, LeituraLongaAoHospedeiroFicaNoSeuArquivoEContinuaDepoisDeReaberta) {
  for (int i = 0; i < 40; ++i) Cupom();
  Impressao();
  const std::size_t antes = Contexto().size();
  Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "999999"}});
  const std::string carretel = pasta_.arquivo("rasc0-0.imp");
  const std::string leitura = LeBytes(carretel);
  ASSERT_GT(leitura.size(), 3 * 4000u);
  EXPECT_LT(Contexto().size(), antes + 200);  // the context keeps where the reading stands, not its text
  std::string recebido = Retorno(Ok("LeImpressao"), "TextoImpressao");
  Abre();
  recebido += Impressao();
  EXPECT_EQ(recebido, leitura);
  EXPECT_TRUE(TemLinha(leitura, Par("DOCUMENTOS REPRODUZIDOS", "40")));
  // All fetched: the next document's save removes the file.
  Cupom();
  EXPECT_FALSE(std::filesystem::exists(carretel));
}

TEST_F(ArquivosDeMemoria, ContextoDoLeiauteAnteriorConvertidoAoAbrir) {
  impressora_.reset();
  const std::string antigo = LeBytes(std::string(ECF_DADOS_TESTE) + "/contexto_versao2.bin");
  ASSERT_EQ(antigo.substr(0, 6), std::string("RASC\x02\x00", 6));
  for (const auto& e : std::filesystem::directory_iterator(pasta_.caminho())) std::filesystem::remove(e.path());
  GravaBytes(pasta_.arquivo("rasc0.bin"), antigo);
  relogio_.Ajusta(2024, 3, 16, 9, 30, 0);  // after its last document
  Abre();
  const std::string convertido = Contexto();
  EXPECT_EQ(convertido.substr(0, 6), std::string("RASC\x03\x00", 6));
  EXPECT_LT(convertido.size(), antigo.size());
  EXPECT_EQ(LeBytes(Mfd()).size() % 528, 0u);
  EXPECT_FALSE(LeBytes(Mf()).empty());
  // The state as it was: a coupon open with one item, one Z in the fiscal memory.
  EXPECT_EQ(Inteiro("COO"), "5");
  EXPECT_EQ(Inteiro("CRZ"), "1");
  EXPECT_EQ(Moeda("TotalDocBruto"), "8,25");
  // Closed, its copy is the new context; opened again, nothing more to convert.
  impressora_.reset();
  EXPECT_EQ(LeBytes(pasta_.arquivo(".rasc0.good")), convertido);
  Abre();
  EXPECT_EQ(Contexto(), convertido);
  Ok("CancelaCupom");
  const std::string leitura = LeituraMFD();
  for (const char* texto : {"Arroz", "Feijao", "Oleo", "REDUÇÃO Z", "CANCELADO"})
    EXPECT_NE(leitura.find(texto), std::string::npos) << texto;
}

}  // namespace
}  // namespace ecf::teste
