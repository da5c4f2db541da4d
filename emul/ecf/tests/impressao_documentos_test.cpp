// Printed documents: a small coupon line by line, and every document kind read back through the
// readers' filter as clean 48-column lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "filtro_impressao.h"
#include "impressao/documentos.h"
#include "impressao/leituras_memoria.h"

namespace ecf::impressao {
namespace {

std::string Par(const std::string& esquerda, const std::string& direita, std::size_t largura = 48) {
  return esquerda + std::string(largura - esquerda.size() - direita.size(), ' ') + direita;
}

Estabelecimento Loja() {
  Estabelecimento e;
  e.texto_cabecalho = "LOJA EXEMPLO LTDA\nRUA DAS FLORES, 100";
  e.cnpj = "12.345.678/0001-90";
  e.inscricao_estadual = "123.456.789.110";
  e.inscricao_municipal = "98765";
  e.numero_serie = "EMUL000001";
  e.marca = "KVT";
  e.modelo = "VARDEX II";
  e.versao_sw = "01.00.00";
  return e;
}

// Every line fits 48 columns, no line was broken by the reader, no control byte is left.
void EsperaLinhasLimpas(const std::string& impresso) {
  const std::vector<std::string> linhas = LinhasFiltradas(impresso);
  EXPECT_EQ(static_cast<int>(linhas.size()), QuebrasDeLinha(impresso));
  for (const std::string& linha : linhas) {
    EXPECT_LE(linha.size(), 48u) << linha;
    for (char c : linha) EXPECT_GE(static_cast<unsigned char>(c), 0x20u) << linha;
  }
  ASSERT_GE(impresso.size(), 2u);
  EXPECT_EQ(impresso.substr(impresso.size() - 2), "\x1B*");
}

TEST(Documentos, CupomFiscalLinhaALinha) {
  const Estabelecimento loja = Loja();
  std::string cupom = FormataCabecalho(loja, {20031208, 14 * 3600 + 5 * 60 + 9}, 42);
  cupom += FormataAberturaCupomFiscal({});
  cupom += FormataItem({1, "789", "ARROZ", 2000, "UN", 3990, Situacao(true, 1800), 798});
  cupom += FormataItem({2, "123", "FEIJAO", 1000, "KG", 5500, Situacao(true, 700), 550});
  cupom += FormataAcrescimoItem(1, -50, 0);
  cupom += FormataCancelamentoItem(2, 0, 550);
  cupom += FormataTotal(748);
  cupom += FormataPagamento("Dinheiro", 1000, "");
  cupom += FormataTroco(252);
  Rodape rodape;
  rodape.texto_promocional = "Obrigado, volte sempre!";
  rodape.contadores = {{"CCF", 7}};
  rodape.emissao = {20031208, 14 * 3600 + 6 * 60};
  cupom += FormataRodape(loja, rodape);

  const std::vector<std::string> esperado = {
      "",
      std::string(15, ' ') + "LOJA EXEMPLO LTDA",
      std::string(14, ' ') + "RUA DAS FLORES, 100",
      "CNPJ:12.345.678/0001-90",
      Par("IE:123.456.789.110", "IM:98765"),
      std::string(48, '-'),
      Par("08/12/2003 14:05:09", "COO:000042"),
      std::string(18, ' ') + "CUPOM FISCAL",
      "ITEM CÓDIGO DESCRIÇÃO",
      Par("QTD.UN.VL.UNIT(R$) ST", "VL.ITEM(R$)"),
      std::string(48, '-'),
      "001 789 ARROZ",
      Par("2,000 UN X 3,990 T18,00%", "7,98"),
      "002 123 FEIJAO",
      Par("1,000 KG X 5,500 T07,00%", "5,50"),
      Par("DESCONTO ITEM 001", "-0,50"),
      Par("CANCELAMENTO ITEM 002", "-5,50"),
      Par("TOTAL R$", "7,48", 24),
      Par("Dinheiro", "10,00"),
      Par("TROCO R$", "2,52"),
      std::string(48, '-'),
      "Obrigado, volte sempre!",
      "CCF:000007",
      Par("ECF:001  LJ:0001", "08/12/2003 14:06:00"),
      Par("KVT VARDEX II", "VERSÃO:01.00.00"),
      Par("FAB:EMUL000001", "BR"),
  };
  EXPECT_EQ(LinhasFiltradas(cupom), esperado);
  EsperaLinhasLimpas(cupom);
  // Emphasis where the paper shows it: the title in bold, the total in double width.
  EXPECT_NE(cupom.find("\x1B" "E1" + std::string(18, ' ') + "CUPOM FISCAL\x1B" "E0"), std::string::npos);
  EXPECT_NE(cupom.find("\x1BW1\x1B" "E1TOTAL R$"), std::string::npos);
}

TEST(Documentos, AjustesECancelamentosMostramSinalEPercentual) {
  EXPECT_EQ(LinhasFiltradas(FormataAcrescimoItem(3, 125, 1000)),
            std::vector<std::string>{Par("ACRÉSCIMO ITEM 003 (10,00%)", "+1,25")});
  EXPECT_EQ(LinhasFiltradas(FormataCancelamentoAcrescimoItem(3, -40)),
            std::vector<std::string>{Par("CANCELAMENTO DESCONTO ITEM 003", "+0,40")});
  EXPECT_EQ(LinhasFiltradas(FormataCancelamentoItem(4, 1500, 600)),
            std::vector<std::string>{Par("CANCELAMENTO ITEM 004 QTD 1,500", "-6,00")});
  EXPECT_EQ(LinhasFiltradas(FormataAcrescimoSubtotal(3000, -300, 1000)),
            (std::vector<std::string>{Par("SUBTOTAL R$", "30,00"), Par("DESCONTO SUBTOTAL (10,00%)", "-3,00")}));
  EXPECT_EQ(LinhasFiltradas(FormataCancelamentoAcrescimoSubtotal(-300)),
            std::vector<std::string>{Par("CANCELAMENTO DESCONTO SUBTOTAL", "+3,00")});
  EXPECT_EQ(Situacao(false, 500), "S05,00%");
}

TEST(Documentos, DescricaoLongaEConsumidorQuebramSemPassarDe48) {
  const std::string descricao(200, 'P');
  const std::string item = FormataItem({1, "7891234567890", descricao, 1000, "UN", 1000, "T18,00%", 100});
  EsperaLinhasLimpas(item);
  EXPECT_EQ(LinhasFiltradas(item).size(), 7u);  // number and code, 5 lines of description, values
  Consumidor c{"123.456.789-09", "Fulano de Tal", std::string(80, 'R')};
  EsperaLinhasLimpas(FormataAberturaCupomFiscal(c));
  EXPECT_EQ(LinhasFiltradas(FormataConsumidor(c))[0], "CPF/CNPJ consumidor: 123.456.789-09");
}

TotaisDia DiaDeExemplo() {
  TotaisDia d;
  d.movimento = 20031208;
  d.gt = 1234567;
  d.venda_bruta = 10000;
  d.cancelamentos_icms = 500;
  d.descontos = 150;
  d.acrescimos = 50;
  d.issqn = 1000;
  d.aliquotas = {{0, true, 1800, 8000, 1440}, {1, true, 700, 0, 0}, {2, false, 500, 1000, 50}};
  d.meios_pagamento = {{0, "Dinheiro", 5000, 0, 0}, {1, "Cartao", 4350, 0, 0}};
  d.troco = 150;
  d.nao_fiscais = {{0, "Sangria", 1000, 1, 0}};
  d.operacoes_nao_fiscais = 1000;
  d.gerenciais = {{0, "Relatorio Geral", 0, 2, 0}};
  d.departamentos = {{0, "Geral", 10000, 0, 3500}};
  d.contadores = {42, 7, 3, 2, 1, 0, 0, 1, 5, 1, 30};
  return d;
}

TEST(Documentos, LeituraXEReducaoZ) {
  const TotaisDia dia = DiaDeExemplo();
  Rodape rodape;
  rodape.emissao = {20031208, 18 * 3600};
  const std::string x = FormataLeituraX(Loja(), {20031208, 18 * 3600}, dia, rodape);
  EsperaLinhasLimpas(x);
  const std::vector<std::string> linhas = LinhasFiltradas(x);
  auto tem = [&linhas](const std::string& l) {
    return std::find(linhas.begin(), linhas.end(), l) != linhas.end();
  };
  EXPECT_TRUE(tem(std::string(19, ' ') + "LEITURA X"));
  EXPECT_TRUE(tem(Par("GRANDE TOTAL", "12.345,67")));
  EXPECT_TRUE(tem(Par("VENDA BRUTA DIÁRIA", "100,00")));
  EXPECT_TRUE(tem(Par("CANCELAMENTOS ICMS", "-5,00")));
  EXPECT_TRUE(tem(Par("VENDA LÍQUIDA", "93,50")));
  EXPECT_TRUE(tem(Par("00 T18,00%", "80,00         14,40")));
  EXPECT_TRUE(tem(Par("02 S05,00%", "10,00          0,50")));
  EXPECT_TRUE(tem(Par("IMPOSTO ICMS", "14,40")));
  EXPECT_TRUE(tem(Par("01 Cartao", "43,50")));
  EXPECT_TRUE(tem(Par("00 Sangria", "CON:0001  10,00")));
  EXPECT_TRUE(tem(Par("00 Relatorio Geral", "CER:0002  0,00")));
  EXPECT_TRUE(tem(Par("00 Geral", "3,500  100,00")));
  EXPECT_TRUE(tem(Par("COO INICIAL:000030", "COO FINAL:000042")));
  EXPECT_TRUE(tem(Par("CRZ:0005", "CRO:001")));

  const std::string z = FormataReducaoZ(Loja(), {20031208, 18 * 3600}, dia, rodape);
  EsperaLinhasLimpas(z);
  const std::vector<std::string> lz = LinhasFiltradas(z);
  EXPECT_NE(std::find(lz.begin(), lz.end(), std::string(19, ' ') + "REDUÇÃO Z"), lz.end());
  EXPECT_NE(std::find(lz.begin(), lz.end(), std::string(10, ' ') + "MOVIMENTO DO DIA: 08/12/2003"), lz.end());
  // A day without documents has no movement date to print.
  TotaisDia sem_movimento = dia;
  sem_movimento.movimento = 0;
  const std::vector<std::string> vazio =
      LinhasFiltradas(FormataReducaoZ(Loja(), {20031208, 18 * 3600}, sem_movimento, rodape));
  EXPECT_NE(std::find(vazio.begin(), vazio.end(), std::string(15, ' ') + "DIA SEM MOVIMENTO"), vazio.end());
}

TEST(Documentos, DemaisDocumentosSaemLimpos) {
  const Estabelecimento loja = Loja();
  Rodape rodape;
  rodape.operador = "Maria";
  rodape.texto_promocional = std::string(300, 'z');
  rodape.contadores = {{"GNF", 1}, {"COO", 2}};
  const Instante agora{20031208, 3600};
  const std::vector<std::string> textos = {
      FormataCabecalho(loja, agora, 1) + FormataAberturaNaoFiscal({"1", "N", "E"}) +
          FormataItemNaoFiscal(1, "Sangria", 1000) + FormataDocumentoCancelado(1000) + FormataRodape(loja, rodape),
      FormataCabecalho(loja, agora, 2) + FormataEstornoMeioPagamento("Dinheiro", "Cartao", 500) +
          FormataRodape(loja, rodape),
      FormataCabecalho(loja, agora, 3) + FormataAberturaGerencial(0, "Relatorio Geral") +
          FormataTextoLivre("Texto\r\ncom linhas\n" + std::string(100, 'q')) + FormataRodape(loja, rodape),
      FormataCabecalho(loja, agora, 4) +
          FormataAberturaCreditoDebito({3, "Cartao", 4350, 3, Via::kSegunda}) + FormataRodape(loja, rodape),
      FormataCabecalho(loja, agora, 5) + FormataEstornoCreditoDebito(4, "Cartao", 4350) + FormataRodape(loja, rodape),
      FormataCabecalho(loja, agora, 6) + FormataCancelamentoCupomAnterior(3, 2, 748) + FormataRodape(loja, rodape),
  };
  for (const std::string& t : textos) EsperaLinhasLimpas(t);
  EXPECT_NE(FiltraImpressao(textos[3]).find("SEGUNDA VIA"), std::string::npos);
  EXPECT_NE(FiltraImpressao(textos[3]).find("EM 3 PARCELAS"), std::string::npos);
  EXPECT_NE(FiltraImpressao(textos[5]).find(Par("COO DO CUPOM CANCELADO:", "000003")), std::string::npos);
}

// A fiscal memory with three reductions on two days.
memorias::MemoriaFiscal MemoriaComTresReducoes() {
  memorias::MemoriaFiscal mf;
  mf.Inicializa("EMUL000001", "VARDEX II", 20031201, 0);
  mf.GravaProprietario({1, 0, 20031201, 0, "12.345.678/0001-90", "123.456.789.110", "98765"});
  for (std::uint32_t crz = 1; crz <= 3; ++crz) {
    RegistroReducao r;
    r.crz = crz;
    r.cro = 1;
    r.coo = crz * 10;
    r.movimento = crz < 3 ? 20031208 : 20031209;
    r.data = r.movimento;
    r.hora = 20 * 3600;
    r.venda_bruta = 10000 * crz;
    r.descontos = 1000 * crz;
    r.gt = 10000 * crz * (crz + 1) / 2;
    r.aliquotas[0] = {true, true, 1800, 9000 * static_cast<std::int64_t>(crz)};
    mf.GravaReducao(r);
  }
  return mf;
}

TEST(LeituraMF, CompletaPorReducaoMostraCadaZDaFaixa) {
  const memorias::MemoriaFiscal mf = MemoriaComTresReducoes();
  FaixaMF faixa;
  faixa.reducao_inicial = 2;
  faixa.reducao_final = 3;
  const std::string texto = FormataLeituraMF(Loja(), {20031210, 0}, 50, mf, faixa, {});
  EsperaLinhasLimpas(texto);
  const std::string filtrado = FiltraImpressao(texto);
  EXPECT_NE(filtrado.find("COMPLETA"), std::string::npos);
  EXPECT_EQ(filtrado.find("CRZ:0001"), std::string::npos);
  EXPECT_NE(filtrado.find(Par("CRZ:0002 COO:000020 CRO:001", "08/12/2003")), std::string::npos);
  EXPECT_NE(filtrado.find(Par("CRZ:0003 COO:000030 CRO:001", "09/12/2003")), std::string::npos);
  EXPECT_NE(filtrado.find(Par("REDUÇÕES NO PERÍODO", "2")), std::string::npos);
  EXPECT_NE(filtrado.find(Par("VENDA BRUTA", "500,00")), std::string::npos);  // 200 + 300
  EXPECT_NE(filtrado.find(Par("00 T18,00%", "450,00")), std::string::npos);
  EXPECT_NE(filtrado.find(Par("GRANDE TOTAL FINAL", "600,00")), std::string::npos);
  EXPECT_NE(filtrado.find("01 CNPJ:12.345.678/0001-90"), std::string::npos);
}

TEST(LeituraMF, SimplificadaPorDataUmaLinhaPorZ) {
  const memorias::MemoriaFiscal mf = MemoriaComTresReducoes();
  FaixaMF faixa;
  faixa.por_data = true;
  faixa.data_inicial = 20031208;
  faixa.data_final = 20031208;
  faixa.simplificada = true;
  const std::string filtrado = FiltraImpressao(FormataLeituraMF(Loja(), {20031210, 0}, 50, mf, faixa, {}));
  EXPECT_NE(filtrado.find("SIMPLIFICADA"), std::string::npos);
  EXPECT_NE(filtrado.find(Par("DATA INICIAL: 08/12/2003", "DATA FINAL: 08/12/2003")), std::string::npos);
  EXPECT_NE(filtrado.find(Par("0001 000010 08/12/2003", "100,00")), std::string::npos);
  EXPECT_NE(filtrado.find(Par("0002 000020 08/12/2003", "200,00")), std::string::npos);
  EXPECT_EQ(filtrado.find("0003 000030"), std::string::npos);
  EXPECT_EQ(filtrado.find("CRZ:0001"), std::string::npos);  // no per-Z detail
  EXPECT_NE(filtrado.find(Par("VENDA BRUTA", "300,00")), std::string::npos);

  // A Z without movement has no date to show in its column.
  memorias::MemoriaFiscal com_dia_vazio = MemoriaComTresReducoes();
  RegistroReducao vazio;
  vazio.crz = 4;
  vazio.coo = 31;
  vazio.data = 20031210;
  ASSERT_TRUE(com_dia_vazio.GravaReducao(vazio));
  FaixaMF todas;
  todas.reducao_inicial = 1;
  todas.reducao_final = 4;
  todas.simplificada = true;
  const std::string com_vazio = FiltraImpressao(FormataLeituraMF(Loja(), {20031210, 0}, 50, com_dia_vazio, todas, {}));
  EXPECT_NE(com_vazio.find(Par("0004 000031 SEM MOVTO.", "0,00")), std::string::npos) << com_vazio;

  faixa.data_inicial = 20040101;
  faixa.data_final = 20040131;
  EXPECT_NE(FiltraImpressao(FormataLeituraMF(Loja(), {20031210, 0}, 50, mf, faixa, {})).find("NÃO HÁ REDUÇÕES"),
            std::string::npos);
}

// Records read from a fiscal memory file may hold any amounts: the period's sums stop at the
// largest amount instead of overflowing.
TEST(LeituraMF, SomasDoPeriodoParamNoMaiorValor) {
  memorias::MemoriaFiscal mf;
  mf.Inicializa("EMUL000001", "VARDEX II", 20031201, 0);
  for (std::uint32_t crz = 1; crz <= 2; ++crz) {
    RegistroReducao r;
    r.crz = crz;
    r.movimento = r.data = 20031208;
    r.venda_bruta = INT64_MAX - 1;
    r.cancelamentos_icms = INT64_MIN;
    r.isento_issqn = INT64_MAX;
    r.aliquotas[0] = {true, true, 1800, INT64_MIN + 1};
    mf.GravaReducao(r);
  }
  FaixaMF faixa;
  faixa.reducao_inicial = 1;
  faixa.reducao_final = 2;
  const std::string filtrado = FiltraImpressao(FormataLeituraMF(Loja(), {20031210, 0}, 50, mf, faixa, {}));
  const std::string total = filtrado.substr(filtrado.find("TOTAL DO PERÍODO"));
  EXPECT_NE(total.find(Par("VENDA BRUTA", "92.233.720.368.547.758,07")), std::string::npos) << total;
  EXPECT_NE(total.find(Par("VENDA LÍQUIDA", "92.233.720.368.547.758,07")), std::string::npos) << total;
  EXPECT_NE(total.find(Par("00 T18,00%", "-92.233.720.368.547.758,08")), std::string::npos) << total;
  EXPECT_NE(total.find(Par("CANCELAMENTOS ICMS", "+92.233.720.368.547.758,07")), std::string::npos) << total;
}

TEST(LeituraMFD, ReproduzOsDocumentosDaFaixaByteAByte) {
  memorias::MemoriaFitaDetalhe mfd;
  mfd.Inicializa({"MFD0000001", "EMUL000001", "12.345.678/0001-90", 20031201, 0});
  std::vector<std::string> textos;
  for (std::uint32_t coo = 1; coo <= 4; ++coo) {
    const memorias::TipoDocumento tipo = coo == 3 ? memorias::TipoDocumento::kGerencial : memorias::TipoDocumento::kCupomFiscal;
    textos.push_back(FormataCabecalho(Loja(), {20031208 + static_cast<std::int32_t>(coo / 3), 3600}, coo) +
                     FormataTextoLivre("documento " + std::to_string(coo)));
    ASSERT_TRUE(mfd.IniciaDocumento({coo, tipo, coo == 4 ? 2u : 1u, 20031208 + static_cast<std::int32_t>(coo / 3), 3600}));
    ASSERT_TRUE(mfd.Grava(textos.back()));
    ASSERT_TRUE(mfd.EncerraDocumento());
  }
  FaixaMFD faixa;
  faixa.coo_inicial = 2;
  faixa.coo_final = 3;
  const std::string leitura = FormataLeituraMFD(Loja(), {20031210, 0}, 5, mfd, faixa, {});
  EsperaLinhasLimpas(leitura);
  EXPECT_EQ(leitura.find(textos[0]), std::string::npos);
  EXPECT_NE(leitura.find(textos[1] + textos[2]), std::string::npos);
  EXPECT_EQ(leitura.find(textos[3]), std::string::npos);
  EXPECT_NE(FiltraImpressao(leitura).find(Par("DOCUMENTOS REPRODUZIDOS", "2")), std::string::npos);

  FaixaMFD por_data;
  por_data.por_data = true;
  por_data.data_inicial = por_data.data_final = 20031209;  // COO 3 and 4
  por_data.proprietario = 2;
  const std::vector<memorias::DocumentoGravado> docs = SelecionaDocumentos(mfd, por_data);
  ASSERT_EQ(docs.size(), 1u);
  EXPECT_EQ(docs[0].cabecalho.coo, 4u);
  EXPECT_EQ(docs[0].texto, textos[3]);

  FaixaMFD gerenciais;
  gerenciais.tipo = 'G';
  ASSERT_EQ(SelecionaDocumentos(mfd, gerenciais).size(), 1u);
  EXPECT_EQ(SelecionaDocumentos(mfd, gerenciais)[0].texto, textos[2]);
}

}  // namespace
}  // namespace ecf::impressao
