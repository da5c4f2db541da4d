// What LeImpressao hands out, and the paper path that feeds it and the detail memory.
#include <gtest/gtest.h>

#include "contexto/arquivos.h"
#include "impressao/armazem_impressao.h"
#include "impressao/bobina.h"
#include "test_support/temp_folder.h"

namespace ecf::impressao {
namespace {

std::string TextoLongo(std::size_t tamanho) {
  std::string t;
  for (std::size_t i = 0; t.size() < tamanho; ++i) t += (i % 50 == 49) ? std::string("\x1B*") : std::string(1, static_cast<char>('A' + i % 26));
  t.resize(tamanho);
  return t;
}

TEST(ArmazemImpressao, PedacosDeAte4000RefazemOTexto) {
  ArmazemImpressao armazem;
  const std::string texto = TextoLongo(10001);
  armazem.NovoDocumento();
  armazem.Acrescenta(texto);
  std::vector<std::string> pedacos;
  for (std::string p = armazem.LeImpressao(); !p.empty(); p = armazem.LeImpressao()) pedacos.push_back(p);
  ASSERT_EQ(pedacos.size(), 3u);
  EXPECT_EQ(pedacos[0].size(), 4000u);
  EXPECT_EQ(pedacos[1].size(), 4000u);
  EXPECT_EQ(pedacos[2].size(), 2001u);
  EXPECT_EQ(pedacos[0] + pedacos[1] + pedacos[2], texto);
  EXPECT_EQ(armazem.LeImpressao(), "");  // stays empty
}

TEST(ArmazemImpressao, Exatamente4000TerminaComTextoVazio) {
  ArmazemImpressao armazem;
  armazem.Acrescenta(std::string(4000, 'x'));
  EXPECT_EQ(armazem.LeImpressao().size(), 4000u);
  EXPECT_EQ(armazem.LeImpressao(), "");
}

TEST(ArmazemImpressao, ImpressaoQueContinuaDepoisDeUmaLeitura) {
  ArmazemImpressao armazem;
  armazem.NovoDocumento();
  armazem.Acrescenta("cabecalho\x1B*");
  EXPECT_EQ(armazem.LeImpressao(), "cabecalho\x1B*");
  armazem.Acrescenta("item\x1B*");
  EXPECT_EQ(armazem.LeImpressao(), "item\x1B*");
  EXPECT_EQ(armazem.LeImpressao(), "");
}

TEST(ArmazemImpressao, NovoDocumentoEEntregaAoHostSubstituemOQueNaoFoiLido) {
  ArmazemImpressao armazem;
  armazem.Acrescenta("antigo");
  armazem.NovoDocumento();
  armazem.Acrescenta("novo");
  EXPECT_EQ(armazem.LeImpressao(), "novo");
  armazem.Acrescenta("resto");
  armazem.SubstituiPor("leitura X");
  EXPECT_EQ(armazem.LeImpressao(), "leitura X");
}

TEST(ArmazemImpressao, OQueFaltaLerSobreviveAoContexto) {
  ArmazemImpressao armazem;
  armazem.Acrescenta(std::string(4000, 'a') + "fim\x1B*");
  armazem.LeImpressao();
  Escritor e;
  armazem.Serializa(e);
  ArmazemImpressao outro;
  Leitor l(e.bytes(), 0, e.bytes().size());
  ASSERT_TRUE(outro.Desserializa(l));
  EXPECT_EQ(outro.LeImpressao(), "fim\x1B*");

  const std::string curto = e.bytes().substr(0, e.bytes().size() - 1);
  Leitor danificado(curto, 0, curto.size());
  ArmazemImpressao intacto;
  intacto.Acrescenta("x");
  EXPECT_FALSE(intacto.Desserializa(danificado));
  EXPECT_EQ(intacto.LeImpressao(), "x");
}

std::string Resumo(const ArmazemImpressao& armazem) {
  Escritor e;
  armazem.SerializaResumo(e);
  return e.bytes();
}

std::string Arquivo(const std::string& caminho) {
  std::string bytes;
  LeTrecho(caminho, 0, static_cast<std::size_t>(TamanhoArquivo(caminho).value_or(0)), bytes);
  return bytes;
}

// A long reading composed piece by piece reaches the file before the save; after the save the
// context and the file are those of the same text given whole, and until then the bytes written
// are a tail the previous context does not own.
TEST(ArmazemImpressao, TextoEmTrechosFicaComoOTextoInteiro) {
  test_support::TempFolder pasta("armazem");
  const std::string texto = TextoLongo(ArmazemImpressao::kTrechoArquivo + 100000);
  ArmazemImpressao inteiro;
  inteiro.Associa(pasta.file("inteiro"));
  inteiro.SubstituiPor(texto);
  ASSERT_TRUE(inteiro.AcrescentaArquivo());

  ArmazemImpressao em_trechos;
  em_trechos.Associa(pasta.file("trechos"));
  em_trechos.SubstituiPor("anterior\x1B*");
  const std::string contexto_anterior = Resumo(em_trechos);
  em_trechos.NovoDocumento();
  for (std::size_t i = 0; i < texto.size(); i += 1000) em_trechos.AcrescentaEmTrechos(texto.substr(i, 1000));
  const std::string caminho = pasta.file("trechos") + "-0.imp";
  // Once, when kTrechoArquivo bytes had gathered: after 525 pieces of 1000; the rest waits.
  EXPECT_EQ(Arquivo(caminho), texto.substr(0, 525000));
  ASSERT_TRUE(em_trechos.AcrescentaArquivo());
  EXPECT_EQ(Resumo(em_trechos), Resumo(inteiro));
  EXPECT_EQ(Arquivo(caminho), texto);
  EXPECT_EQ(Arquivo(caminho), Arquivo(pasta.file("inteiro") + "-0.imp"));

  // The save cut short before the context was written: the previous one still holds its text.
  ArmazemImpressao reaberto;
  reaberto.Associa(pasta.file("trechos"));
  Leitor l(contexto_anterior, 0, contexto_anterior.size());
  ASSERT_TRUE(reaberto.DesserializaResumo(l));
  EXPECT_EQ(reaberto.LeImpressao(), "anterior\x1B*");
  EXPECT_EQ(Arquivo(caminho), "");
}

// Without a file the text stays whole in memory, and LeImpressao hands it out the same.
TEST(ArmazemImpressao, TextoEmTrechosSemArquivo) {
  const std::string texto = TextoLongo(ArmazemImpressao::kTrechoArquivo + 4001);
  ArmazemImpressao armazem;
  armazem.NovoDocumento();
  for (std::size_t i = 0; i < texto.size(); i += 3000) armazem.AcrescentaEmTrechos(texto.substr(i, 3000));
  EXPECT_TRUE(armazem.AcrescentaArquivo());
  std::string lido;
  for (std::string p = armazem.LeImpressao(); !p.empty(); p = armazem.LeImpressao()) lido += p;
  EXPECT_EQ(lido, texto);
}

class BobinaDoEcf : public ::testing::Test {
 protected:
  void SetUp() override { fita.Inicializa({"MFD0000001", "EMUL000001", "12345678000190", 20031201, 0}); }
  ArmazemImpressao armazem;
  memorias::MemoriaFitaDetalhe fita;
  Bobina bobina{armazem, fita};
};

TEST_F(BobinaDoEcf, DocumentoVaiAoArmazemEAMemoriaDeFitaDetalhe) {
  ASSERT_TRUE(bobina.IniciaDocumento({7, memorias::TipoDocumento::kCupomFiscal, 1, 20031208, 3600}, "cab\x1B*"));
  ASSERT_TRUE(bobina.Imprime("item\x1B*"));
  ASSERT_TRUE(bobina.EncerraDocumento("fim\x1B*"));
  EXPECT_EQ(armazem.LeImpressao(), "cab\x1B*item\x1B*fim\x1B*");
  const std::vector<memorias::DocumentoGravado> docs = fita.Documentos();
  ASSERT_EQ(docs.size(), 1u);
  EXPECT_EQ(docs[0].texto, "cab\x1B*item\x1B*fim\x1B*");
  EXPECT_EQ(docs[0].cabecalho.coo, 7u);
  EXPECT_TRUE(docs[0].encerrado);
}

TEST_F(BobinaDoEcf, LeituraAoHostNaoEImpressaNemGravada) {
  bobina.EntregaAoHost("leitura\x1B*");
  EXPECT_TRUE(fita.Documentos().empty());
  EXPECT_EQ(armazem.LeImpressao(), "leitura\x1B*");
}

TEST_F(BobinaDoEcf, SemMemoriaDeFitaDetalheNadaEImpresso) {
  memorias::MemoriaFitaDetalhe vazia;
  ArmazemImpressao outro;
  Bobina sem_mfd{outro, vazia};
  EXPECT_FALSE(sem_mfd.IniciaDocumento({1, memorias::TipoDocumento::kCupomFiscal, 1, 20031208, 0}, "x\x1B*"));
  EXPECT_EQ(outro.LeImpressao(), "");
  EXPECT_FALSE(bobina.EncerraDocumento("sem documento aberto"));
  EXPECT_EQ(armazem.LeImpressao(), "");
}

}  // namespace
}  // namespace ecf::impressao
