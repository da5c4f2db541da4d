// The fiscal memory: records as written, damage refused, a full memory refuses without harm.
#include <gtest/gtest.h>

#include "memorias/memoria_fiscal.h"

namespace ecf::memorias {
namespace {

RegistroReducao Reducao(std::uint32_t crz, std::int32_t movimento) {
  RegistroReducao r;
  r.crz = crz;
  r.cro = 2;
  r.coo = 100 + crz;
  r.movimento = movimento;
  r.data = movimento;
  r.hora = 23 * 3600 + 59 * 60 + 58;
  r.gt = 123456789012;
  r.venda_bruta = 10000;
  r.cancelamentos_icms = 300;
  r.cancelamentos_issqn = 200;
  r.descontos = 600;
  r.acrescimos = 100;
  r.substituicao_icms = 1;
  r.isento_icms = 2;
  r.nao_tributado_icms = 3;
  r.substituicao_issqn = 4;
  r.isento_issqn = 5;
  r.nao_tributado_issqn = 6;
  r.operacoes_nao_fiscais = -700;
  r.aliquotas[0] = {true, true, 1800, 7000};
  r.aliquotas[15] = {true, false, 500, 2000};
  return r;
}

MemoriaFiscal Nova() {
  MemoriaFiscal mf;
  mf.Inicializa("EMUL000001", "VARDEX II", 20031201, 8 * 3600);
  return mf;
}

TEST(MemoriaFiscal, RegistrosVoltamComoForamGravados) {
  MemoriaFiscal mf = Nova();
  EXPECT_EQ(mf.BytesUsados(), MemoriaFiscal::kTamanhoCabecalho);
  ASSERT_TRUE(mf.GravaProprietario({1, 0, 20031201, 3600, "12.345.678/0001-90", "123", "456"}));
  ASSERT_TRUE(mf.GravaReducao(Reducao(1, 20031208)));
  EXPECT_EQ(mf.BytesUsados(),
            MemoriaFiscal::kTamanhoCabecalho + MemoriaFiscal::kTamanhoProprietario + MemoriaFiscal::kTamanhoReducao);
  EXPECT_EQ(mf.Imagem().substr(1, 10), "EMUL000001");
  EXPECT_EQ(mf.NumeroSerie(), "EMUL000001");

  Escritor e;
  mf.Serializa(e);
  MemoriaFiscal lida;
  Leitor l(e.bytes(), 0, e.bytes().size());
  ASSERT_TRUE(lida.Desserializa(l));
  ASSERT_EQ(lida.Reducoes().size(), 1u);
  const RegistroReducao& r = lida.Reducoes()[0];
  const RegistroReducao o = Reducao(1, 20031208);
  EXPECT_EQ(r.crz, o.crz);
  EXPECT_EQ(r.coo, o.coo);
  EXPECT_EQ(r.cro, o.cro);
  EXPECT_EQ(r.movimento, o.movimento);
  EXPECT_EQ(r.hora, o.hora);
  EXPECT_EQ(r.gt, o.gt);
  EXPECT_EQ(r.VendaLiquida(), 10000 - 300 - 200 - 600);
  EXPECT_EQ(r.isento_icms, o.isento_icms);
  EXPECT_EQ(r.nao_tributado_issqn, o.nao_tributado_issqn);
  EXPECT_EQ(r.operacoes_nao_fiscais, -700);
  for (std::size_t k = 1; k < 15; ++k) EXPECT_FALSE(r.aliquotas[k].definida) << k;
  ASSERT_TRUE(r.aliquotas[0].definida);
  EXPECT_TRUE(r.aliquotas[0].icms);
  EXPECT_EQ(r.aliquotas[0].valor, 7000);
  ASSERT_TRUE(r.aliquotas[15].definida);
  EXPECT_FALSE(r.aliquotas[15].icms);
  EXPECT_EQ(r.aliquotas[15].percentual, 500);
  EXPECT_EQ(r.aliquotas[15].valor, 2000);
  EXPECT_EQ(r.VendasISSQN(), 4 + 5 + 6 + 2000);
  ASSERT_EQ(lida.Proprietarios().size(), 1u);
  EXPECT_EQ(lida.Proprietarios()[0].cnpj, "12.345.678/0001-90");
  EXPECT_EQ(lida.Proprietarios()[0].inscricao_municipal, "456");
  EXPECT_EQ(lida.Imagem(), mf.Imagem());
}

TEST(MemoriaFiscal, ImagemDanificadaERecusadaSemMudarAMemoria) {
  MemoriaFiscal mf = Nova();
  mf.GravaReducao(Reducao(1, 20031208));
  Escritor e;
  mf.Serializa(e);
  std::string bytes = e.bytes();
  bytes[4 + MemoriaFiscal::kTamanhoCabecalho + 40] ^= 0x01;  // inside the Z record
  MemoriaFiscal outra = Nova();
  Leitor l(bytes, 0, bytes.size());
  EXPECT_FALSE(outra.Desserializa(l));
  EXPECT_TRUE(outra.Reducoes().empty());
  EXPECT_EQ(outra.BytesUsados(), MemoriaFiscal::kTamanhoCabecalho);
}

TEST(MemoriaFiscal, FaixasPorNumeroEPorData) {
  MemoriaFiscal mf = Nova();
  mf.GravaReducao(Reducao(1, 20031208));
  mf.GravaReducao(Reducao(2, 20031209));
  mf.GravaReducao(Reducao(3, 20031210));
  EXPECT_EQ(mf.ReducoesPorNumero(2, 9999).size(), 2u);
  EXPECT_EQ(mf.ReducoesPorNumero(3, 2).size(), 0u);
  ASSERT_EQ(mf.ReducoesPorData(20031209, 20031209).size(), 1u);
  EXPECT_EQ(mf.ReducoesPorData(20031209, 20031209)[0].crz, 2u);
  // A Z of a day without movement is found by the day it was issued.
  RegistroReducao sem_movimento = Reducao(4, 0);
  sem_movimento.data = 20031212;
  mf.GravaReducao(sem_movimento);
  ASSERT_EQ(mf.ReducoesPorData(20031211, 20031212).size(), 1u);
  EXPECT_EQ(mf.ReducoesPorData(20031211, 20031212)[0].crz, 4u);
  EXPECT_EQ(mf.ReducoesPorData(20031208, 20031210).size(), 3u);
}

TEST(MemoriaFiscal, CheiaRecusaSemEstragarOQueTem) {
  MemoriaFiscal sem_inicio;
  EXPECT_FALSE(sem_inicio.GravaReducao(Reducao(1, 20031208)));
  MemoriaFiscal mf = Nova();
  const std::uint32_t cabem = mf.ReducoesRestantes();
  EXPECT_EQ(cabem, (MemoriaFiscal::kTamanhoArea - MemoriaFiscal::kTamanhoCabecalho) / MemoriaFiscal::kTamanhoReducao);
  for (std::uint32_t i = 1; i <= cabem; ++i) ASSERT_TRUE(mf.GravaReducao(Reducao(i, 20031208)));
  EXPECT_EQ(mf.ReducoesRestantes(), 0u);
  const std::string antes = mf.Imagem();
  EXPECT_FALSE(mf.GravaReducao(Reducao(cabem + 1, 20031208)));
  EXPECT_EQ(mf.Imagem(), antes);
  EXPECT_LE(mf.BytesUsados(), MemoriaFiscal::kTamanhoArea);
}

}  // namespace
}  // namespace ecf::memorias
