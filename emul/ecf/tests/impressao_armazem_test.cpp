// What LeImpressao hands out, and the paper path that feeds it and the detail memory.
#include <gtest/gtest.h>

#include "impressao/armazem_impressao.h"
#include "impressao/bobina.h"

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
