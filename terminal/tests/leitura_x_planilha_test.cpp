// The X reading against the workbook (capture and check) and the totalizers copied into it, over a
// scripted printer and an in-memory workbook.
#include "spreadsheet/leitura_x_planilha.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "apoio/driver_roteirizado.h"
#include "apoio/ligacao_memoria.h"
#include "spreadsheet/configura_totalizadores.h"

namespace tarnel {
namespace {

using teste::DriverRoteirizado;
using Textos = std::vector<std::string>;
using V = ValorPlanilha;

TEST(RegistrosLX, TabelaNaOrdemDaLeitura) {
  const std::map<int, std::string> marcos = {
      {0, "GT"}, {8, "TotalDiaValorAliquota[0]"}, {23, "TotalDiaValorAliquota[15]"}, {45, "TotalDiaDinheiro"},
      {86, "TotalDiaQuantidadeVendasDepartamento[19]"}, {87, "CON[0]"}, {117, "CER[0]"}, {136, "CER[19]"},
      {141, "COO"}, {150, "CFD"}, {151, "TotalDocBruto"}, {173, "TotalDocMeioPagamento[14]"},
      {198, "TotalDiaImpostoAliquota[0]"}, {218, "TotalDocCancelamentosNaoFiscais"}};
  for (const auto& [k, nome] : marcos) EXPECT_EQ(RegistroLX(k), nome) << k;
  EXPECT_EQ(RegistroLX(kTotalRegistrosLX), "");
  std::set<std::string> distintos;
  for (int k = 0; k < kTotalRegistrosLX; ++k) distintos.insert(RegistroLX(k));
  EXPECT_EQ(distintos.size(), static_cast<std::size_t>(kTotalRegistrosLX));
}

class LeituraXPlanilhaTeste : public ::testing::Test, public teste::JanelaComPlanilha {
 protected:
  LeituraXPlanilhaTeste() {
    auto d = std::make_unique<DriverRoteirizado>();
    driver = d.get();
    frm.ModuloDriver = std::move(d);
    frm.btExecutaEnabled = true;
    frm.cbNomeRegistrador = "VersaoSW";
    driver->resultado_registrador = 0;
    driver->comando_registrador = "LeMoeda";
    driver->ao_executar = [this](const std::string& comando) { Responde(comando); };
  }

  // The printer: registers from lx ("0,00" when absent), refused when in falhas; the totalizer
  // readings from leituras by "Comando[codigo]".
  void Responde(const std::string& comando) {
    driver->cod_erro = 0;
    driver->nome_erro = "NoError";
    const std::string parametro = driver->parametros.empty() ? "" : driver->parametros.front();
    const std::string valor = parametro.substr(parametro.find('=') + 1);
    if (comando == "LeMoeda") {
      if (falhas.count(valor)) {
        driver->cod_erro = 9;
        driver->nome_erro = "ErroCMDRegistradorInvalido";
        driver->retornos = {};
        return;
      }
      driver->retornos = {{"ValorMoeda", lx.count(valor) ? lx[valor] : "0,00"}};
      return;
    }
    auto it = leituras.find(comando + "[" + valor + "]");
    if (it == leituras.end()) {
      driver->retornos = {};
      return;
    }
    if (it->second.erro.empty()) {
      driver->retornos = it->second.retornos;
    } else {
      driver->cod_erro = 8005;
      driver->nome_erro = it->second.erro;
      driver->retornos = {};
    }
  }

  int RegistrosLidos() const {
    return static_cast<int>(std::count_if(driver->chamadas.begin(), driver->chamadas.end(),
                                          [](const std::string& c) { return c.rfind("LeRegistrador ", 0) == 0; }));
  }

  struct Leitura {
    std::vector<DriverRoteirizado::RetornoRoteirizado> retornos;
    std::string erro;
  };
  DriverRoteirizado* driver = nullptr;
  std::map<std::string, std::string> lx;
  std::set<std::string> falhas;
  std::map<std::string, Leitura> leituras;
};

TEST_F(LeituraXPlanilhaTeste, CapturaDosContadoresLeSoOsDez) {
  lx["COO"] = "123";
  lx["CFD"] = "7";
  LeituraXPlanilha(frm, ModoLeituraX::Captura, "COO", "CFD");
  EXPECT_EQ(RegistrosLidos(), 10);  // and the box's own register not again: automatic reading was off
  EXPECT_EQ(pasta.Celula("COO"), V(123.0));
  EXPECT_EQ(pasta.Celula("CFD"), V(7.0));
  EXPECT_EQ(pasta.Celula("CRZ"), V(0.0));
  EXPECT_EQ(pasta.escritas.front(), "COO[0]");
  EXPECT_TRUE(interacao.listas_erros.empty());
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_EQ(frm.cbNomeRegistrador, "VersaoSW");
  EXPECT_FALSE(frm.LeRegistrador.Checked);
  EXPECT_EQ(frm.lbComandosItems[frm.lbComandosItemIndex], "LeMoeda");
  EXPECT_TRUE(frm.PlanilhaConectada);  // connected on demand
}

TEST_F(LeituraXPlanilhaTeste, CapturaLimpaOCupomEReiniciaOsItens) {
  tarnel::Ligacao(frm).ItemAtual = 1;
  ConexaoExcel(frm);
  tarnel::Ligacao(frm).ItemAtual = 9;
  pasta.Celula("Quantidade", 3) = 2.0;
  LeituraXPlanilha(frm, ModoLeituraX::Captura, "GT", "GT");
  EXPECT_EQ(pasta.Celula("Quantidade", 3), V(std::string()));
  EXPECT_EQ(tarnel::Ligacao(frm).ItemAtual, 1);

  pasta.nomes.erase("AreaDadosCupom");
  tarnel::Ligacao(frm).ItemAtual = 9;
  LeituraXPlanilha(frm, ModoLeituraX::Captura, "GT", "GT");
  EXPECT_EQ(interacao.mensagens, Textos{"Macro ''PlanilhaECF.xls'!LimpaAreaDadosCupom' inexiste na planilha!\n"});
  EXPECT_EQ(interacao.titulos, Textos{"Erro"});
  EXPECT_EQ(tarnel::Ligacao(frm).ItemAtual, 9);
}

TEST_F(LeituraXPlanilhaTeste, FalhasDeLeituraEEscritaEFimAposOnzeErros) {
  falhas = {"CER[2]", "COO"};
  pasta.nomes.erase("CRZ");
  LeituraXPlanilha(frm, ModoLeituraX::Captura, "CER[0]", "CRZ");
  ASSERT_EQ(interacao.listas_erros.size(), 1u);
  EXPECT_EQ(interacao.listas_erros[0],
            (Textos{"CER[2]: Erro na leitura", "COO: Erro na leitura", "CRZ: N\xE3o existe na planilha!"}));
  EXPECT_EQ(pasta.Celula("CER", 2), V(0.0));  // nothing written for it
  EXPECT_EQ(tarnel::Ligacao(frm).ItemAtual, 1);

  falhas.clear();
  for (int i = 0; i < 20; ++i) falhas.insert("CER[" + std::to_string(i) + "]");
  driver->chamadas.clear();
  LeituraXPlanilha(frm, ModoLeituraX::Conferencia, "CER[0]", "CER[19]");
  ASSERT_EQ(interacao.listas_erros.size(), 2u);
  Textos esperadas;
  for (int i = 0; i < 11; ++i) esperadas.push_back("CER[" + std::to_string(i) + "]: Erro na leitura");
  esperadas.push_back("Encerrado por excesso de erros!");
  EXPECT_EQ(interacao.listas_erros[1], esperadas);
  EXPECT_EQ(RegistrosLidos(), 11);
}

TEST_F(LeituraXPlanilhaTeste, ConferenciaComparaPosOuONomeCortandoCasas) {
  lx["GT"] = "1.000,50";
  pasta.Celula("PosGT") = 1000.509;  // cut to 1000,50 before comparing: equal
  lx["COO"] = "5";
  pasta.Celula("PosCOO") = 4.0;
  pasta.Celula("COO") = 5.0;  // the value itself is not what entries up to CFD compare with
  lx["TotalDocBruto"] = "12,30";
  pasta.Celula("TotalDocBruto") = 12.3;
  lx["TotalDiaQuantidadeVendasDepartamento[1]"] = "2,5";
  pasta.Celula("PosTotalDiaQuantidadeVendasDepartamento", 1) = 2.5009;
  lx["TotalDocLiquido"] = "0,01";
  pasta.nomes.erase("PosCRZ");
  LeituraXPlanilha(frm, ModoLeituraX::Conferencia);
  ASSERT_EQ(interacao.listas_erros.size(), 1u);
  EXPECT_EQ(interacao.listas_erros[0], (Textos{"COO: LX (5) - Planilha (4)!", "CRZ: N\xE3o existe na planilha!",
                                               "TotalDocLiquido: LX (0,01) - Planilha (0)!"}));
  EXPECT_EQ(RegistrosLidos(), kTotalRegistrosLX);
}

// A figure the workbook computes carries the binary noise of its sums (10 - 9,90 is
// 0,0999999999999996): it is written as a spreadsheet shows it, not with that noise, before its
// decimals are cut, so it compares equal to the printer's.
TEST_F(LeituraXPlanilhaTeste, ConferenciaSemORuidoBinarioDasSomasDaPlanilha) {
  const struct {
    const char* nome;
    const char* lx;
    double planilha;
  } casos[] = {
      {"TotalDocTroco", "0,10", 10 - 9.9},
      {"TotalDocBruto", "2,10", 0.7 + 0.7 + 0.7},
      {"TotalDocLiquido", "4,35", 4.35},
      {"TotalDocDinheiro", "1.000,50", 1000.509},  // still cut, not rounded
      {"TotalDocDescontos", "0,29", 0.1 + 0.2 - 0.009},
      {"TotalDocCancelamentoICMS", "123.456.789.012.345,67", 123456789012345.67},  // cents kept
      {"TotalDocISSQN", "1.234.567,30", 1234567.1 + 0.2},
  };
  for (const auto& caso : casos) {
    lx[caso.nome] = caso.lx;
    pasta.Celula(caso.nome) = caso.planilha;
  }
  lx["TotalDocValorPago"] = "2,10";
  pasta.Celula("TotalDocValorPago") = 2.0999;  // a real difference stays one
  LeituraXPlanilha(frm, ModoLeituraX::Conferencia, "TotalDocBruto", "TotalDocTroco");
  ASSERT_EQ(interacao.listas_erros.size(), 1u);
  EXPECT_EQ(interacao.listas_erros[0], Textos{"TotalDocValorPago: LX (2,1) - Planilha (2,09)!"});
}

TEST_F(LeituraXPlanilhaTeste, ConferenciaSemDiferencasNaoMostraNada) {
  pasta.Celula("Quantidade", 0) = 3.0;
  tarnel::Ligacao(frm).ItemAtual = 4;
  LeituraXPlanilha(frm, ModoLeituraX::Conferencia, "TotalDocBruto");
  EXPECT_TRUE(interacao.listas_erros.empty());
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_EQ(pasta.Celula("Quantidade", 0), V(3.0));  // only a capture clears the coupon
  EXPECT_EQ(RegistrosLidos(), kTotalRegistrosLX - 151);
}

TEST_F(LeituraXPlanilhaTeste, PrimeiroInexistenteNadaLe) {
  LeituraXPlanilha(frm, ModoLeituraX::Captura, "cer[0]");
  EXPECT_EQ(RegistrosLidos(), 0);
}

TEST_F(LeituraXPlanilhaTeste, TotalizadoresNaPlanilha) {
  leituras["LeAliquota[0]"] = {{{"AliquotaICMS", "Y"}, {"PercentualAliquota", "1800"}}, ""};
  leituras["LeAliquota[1]"] = {{{"AliquotaICMS", "N"}, {"PercentualAliquota", "500"}}, ""};
  leituras["LeAliquota[5]"] = {{}, "ErroCMDAliquotaNaoCarregada"};
  leituras["LeMeioPagamento[0]"] = {{{"NomeMeioPagamento", "Dinheiro"}, {"PermiteVinculado", "N"}}, ""};
  leituras["LeMeioPagamento[1]"] = {{{"NomeMeioPagamento", "Cart\xE3o"}, {"PermiteVinculado", "Y"}}, ""};
  leituras["LeDepartamento[3]"] = {{}, "ErroCMDComandoInexistente"};
  leituras["LeNaoFiscal[0]"] = {{{"NomeNaoFiscal", "Recarga"}, {"TipoNaoFiscal", "Y"}}, ""};
  leituras["LeGerencial[2]"] = {{{"NomeGerencial", "Sangria"}}, ""};
  pasta.Celula("PercentualAliquota", 5) = 7.0;
  pasta.Celula("AliquotaICMS", 5) = std::string("T");
  ConfiguraTotalizadores(frm);
  EXPECT_EQ(pasta.Celula("PercentualAliquota", 0), V(18.0));
  EXPECT_EQ(pasta.Celula("AliquotaICMS", 0), V(std::string("T")));
  EXPECT_EQ(pasta.Celula("PercentualAliquota", 1), V(5.0));
  EXPECT_EQ(pasta.Celula("AliquotaICMS", 1), V(std::string("S")));
  EXPECT_EQ(pasta.Celula("PercentualAliquota", 5), V(std::string()));
  EXPECT_EQ(pasta.Celula("AliquotaICMS", 5), V(std::string()));
  EXPECT_EQ(pasta.Celula("NomeMeioPagamento", 1), V(std::string("Cart\xE3o")));
  EXPECT_EQ(pasta.Celula("PermiteVinculado", 0), V(std::string("N\xE3o")));
  EXPECT_EQ(pasta.Celula("PermiteVinculado", 1), V(std::string("Sim")));
  EXPECT_EQ(pasta.Celula("TipoNaoFiscal", 0), V(std::string("E")));
  EXPECT_EQ(pasta.Celula("NomeGerencial", 2), V(std::string("Sangria")));
  ASSERT_EQ(interacao.listas_erros.size(), 1u);
  EXPECT_EQ(interacao.listas_erros[0], Textos{"Erro 'ErroCMDComandoInexistente' em 'LeDepartamento[3]'!"});
  EXPECT_EQ(frm.lbComandosItems[frm.lbComandosItemIndex], "LeGerencial");
}

TEST_F(LeituraXPlanilhaTeste, TotalizadoresSemOsNomesNaPlanilhaParamAposOnzeErros) {
  for (int j = 0; j < 16; ++j) leituras["LeAliquota[" + std::to_string(j) + "]"] = {{{"PercentualAliquota", "100"}}, ""};
  pasta.nomes.erase("PercentualAliquota");
  driver->chamadas.clear();
  ConfiguraTotalizadores(frm);
  ASSERT_EQ(interacao.listas_erros.size(), 1u);
  Textos esperadas(11, "PercentualAliquota: N\xE3o existe na planilha!");
  esperadas.push_back("Encerrado por excesso de erros!");
  EXPECT_EQ(interacao.listas_erros[0], esperadas);
  EXPECT_EQ(std::count(driver->chamadas.begin(), driver->chamadas.end(), "ExecutaComando [LeAliquota]"), 11);
}

}  // namespace
}  // namespace tarnel
