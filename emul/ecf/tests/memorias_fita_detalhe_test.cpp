// The detail memory: pages of 528 bytes, documents across pages, damage detected, room checked.
#include <gtest/gtest.h>

#include "memorias/binario.h"
#include "memorias/memoria_fita_detalhe.h"

namespace ecf::memorias {
namespace {

constexpr std::size_t kPagina = MemoriaFitaDetalhe::kTamanhoPagina;

MemoriaFitaDetalhe Nova() {
  MemoriaFitaDetalhe mfd;
  mfd.Inicializa({"MFD0000001", "EMUL000001", "12345678000190", 20031201, 8 * 3600});
  return mfd;
}

void GravaDocumento(MemoriaFitaDetalhe& mfd, std::uint32_t coo, const std::string& texto) {
  ASSERT_TRUE(mfd.IniciaDocumento({coo, TipoDocumento::kCupomFiscal, 1, 20031208, 3600}));
  ASSERT_TRUE(mfd.Grava(texto));
  ASSERT_TRUE(mfd.EncerraDocumento());
}

TEST(MemoriaFitaDetalhe, PaginaDeCabecalho) {
  MemoriaFitaDetalhe mfd = Nova();
  EXPECT_FALSE(mfd.Inicializa({"OUTRA", "", "", 0, 0}));  // only once
  ASSERT_EQ(mfd.PaginasUsadas(), 1u);
  const std::string& p = mfd.Paginas();
  ASSERT_EQ(p.size(), kPagina);
  EXPECT_EQ(p.substr(0, 8), "KVT-MFD1");
  EXPECT_EQ(p.substr(8, 10), "MFD0000001");
  EXPECT_EQ(LeU32(p.data() + 512), 0u);                             // page number
  EXPECT_EQ(LeU16(p.data() + 518), 0x8000u);                        // header page flag
  EXPECT_EQ(LeU32(p.data() + 524), Crc(std::string_view(p).substr(0, 524)));
  EXPECT_EQ(static_cast<unsigned char>(p[511]), 0xFFu);            // erased
}

TEST(MemoriaFitaDetalhe, DocumentosAtravessamPaginasEVoltamIguais) {
  MemoriaFitaDetalhe mfd = Nova();
  const std::string a(700, 'a');
  std::string b;
  for (int i = 0; i < 70000; ++i) b += static_cast<char>(i % 251);  // any byte, more than one text record
  GravaDocumento(mfd, 1, a);
  GravaDocumento(mfd, 2, b);
  ASSERT_TRUE(mfd.IniciaDocumento({3, TipoDocumento::kGerencial, 2, 20031209, 7200}));
  ASSERT_TRUE(mfd.Grava("aberto"));

  const std::vector<DocumentoGravado> docs = mfd.Documentos();
  ASSERT_EQ(docs.size(), 3u);
  EXPECT_EQ(docs[0].texto, a);
  EXPECT_EQ(docs[1].texto, b);
  EXPECT_EQ(docs[2].texto, "aberto");
  EXPECT_TRUE(docs[1].encerrado);
  EXPECT_FALSE(docs[2].encerrado);
  EXPECT_EQ(docs[2].cabecalho.tipo, TipoDocumento::kGerencial);
  EXPECT_EQ(docs[2].cabecalho.proprietario, 2u);
  EXPECT_EQ(docs[2].cabecalho.data, 20031209);
  EXPECT_EQ(docs[2].cabecalho.hora, 7200);
  EXPECT_EQ(mfd.UltimoCOO(), 3u);

  // Stream: start 14 + text 3 + 700 + end 1, then 14 + 2 * 3 + 70000 + 1, then 14 + 3 + 6.
  const std::size_t dados = 718 + 70021 + 23;
  EXPECT_EQ(mfd.PaginasUsadas(), 1 + (dados + 511) / 512);
  const std::string& p = mfd.Paginas();
  for (std::size_t i = 0; i < mfd.PaginasUsadas(); ++i) {
    const char* pg = p.data() + i * kPagina;
    EXPECT_EQ(LeU32(pg + 512), i);
    EXPECT_EQ(LeU32(pg + 524), Crc(std::string_view(pg, 524)));
    if (i > 0 && i + 1 < mfd.PaginasUsadas()) {
      EXPECT_EQ(LeU16(pg + 516), 512u);
    }
  }
  const char* ultima = p.data() + (mfd.PaginasUsadas() - 1) * kPagina;
  EXPECT_EQ(LeU16(ultima + 516), dados % 512);
  // Page 1 holds the start of COO 1; page 2 (bytes 512..1023) the start of COO 2 at byte 718.
  EXPECT_EQ(LeU16(p.data() + kPagina + 518) & 1u, 1u);
  EXPECT_EQ(LeU32(p.data() + kPagina + 520), 1u);
  EXPECT_EQ(LeU32(p.data() + 2 * kPagina + 520), 2u);
  EXPECT_EQ(static_cast<unsigned char>(p[kPagina]), 0x01u);  // first record: a document start
}

TEST(MemoriaFitaDetalhe, ContextoRefazAMemoriaEDetectaDanos) {
  MemoriaFitaDetalhe mfd = Nova();
  GravaDocumento(mfd, 1, std::string(1000, 'x'));
  ASSERT_TRUE(mfd.IniciaDocumento({2, TipoDocumento::kNaoFiscal, 1, 20031208, 0}));
  Escritor e;
  mfd.Serializa(e);

  MemoriaFitaDetalhe lida;
  {
    Leitor l(e.bytes(), 0, e.bytes().size());
    ASSERT_TRUE(lida.Desserializa(l));
  }
  EXPECT_EQ(lida.Paginas(), mfd.Paginas());
  EXPECT_TRUE(lida.DocumentoAberto());
  EXPECT_EQ(lida.Identificacao().numero_serie_mfd, "MFD0000001");
  EXPECT_EQ(lida.Identificacao().data, 20031201);
  EXPECT_EQ(lida.BytesLivres(), mfd.BytesLivres());
  ASSERT_TRUE(lida.Grava("depois"));
  ASSERT_TRUE(lida.EncerraDocumento());
  EXPECT_EQ(lida.Documentos().back().texto, "depois");

  for (std::size_t deslocamento : {std::size_t{4 + 10}, std::size_t{4 + kPagina + 100}, std::size_t{4 + kPagina + 520}}) {
    std::string bytes = e.bytes();
    bytes[deslocamento] ^= 0x20;
    MemoriaFitaDetalhe danificada = Nova();
    Leitor l(bytes, 0, bytes.size());
    EXPECT_FALSE(danificada.Desserializa(l)) << deslocamento;
    EXPECT_EQ(danificada.PaginasUsadas(), 1u);
  }
  const std::string curto = e.bytes().substr(0, e.bytes().size() - 10);
  Leitor l(curto, 0, curto.size());
  MemoriaFitaDetalhe truncada;
  EXPECT_FALSE(truncada.Desserializa(l));
}

TEST(MemoriaFitaDetalhe, SequenciaInvalidaERecusada) {
  MemoriaFitaDetalhe mfd;
  EXPECT_FALSE(mfd.IniciaDocumento({1, TipoDocumento::kCupomFiscal, 1, 0, 0}));  // not initialised
  mfd = Nova();
  EXPECT_FALSE(mfd.Grava("fora de documento"));
  EXPECT_FALSE(mfd.EncerraDocumento());
  ASSERT_TRUE(mfd.IniciaDocumento({1, TipoDocumento::kCupomFiscal, 1, 0, 0}));
  EXPECT_FALSE(mfd.IniciaDocumento({2, TipoDocumento::kCupomFiscal, 1, 0, 0}));
  EXPECT_EQ(mfd.PaginasUsadas(), 2u);
}

TEST(MemoriaFitaDetalhe, EsgotadaRecusaTudoOuNada) {
  MemoriaFitaDetalhe mfd = Nova();
  ASSERT_TRUE(mfd.IniciaDocumento({1, TipoDocumento::kGerencial, 1, 0, 0}));
  const std::string bloco(60000, 'z');
  while (mfd.BytesLivres() > bloco.size() + 100) ASSERT_TRUE(mfd.Grava(bloco));
  const std::string antes = mfd.Paginas();
  const std::uint64_t livres = mfd.BytesLivres();
  EXPECT_FALSE(mfd.Grava(std::string(livres + 1, 'y')));
  EXPECT_EQ(mfd.Paginas(), antes);
  ASSERT_TRUE(mfd.Grava(std::string(livres, 'y')));
  EXPECT_TRUE(mfd.Esgotada());
  EXPECT_TRUE(mfd.EncerraDocumento());  // the end mark always has room
  EXPECT_EQ(mfd.PaginasUsadas(), MemoriaFitaDetalhe::kPaginasArea);
  EXPECT_FALSE(mfd.IniciaDocumento({2, TipoDocumento::kGerencial, 1, 0, 0}));
}

}  // namespace
}  // namespace ecf::memorias
