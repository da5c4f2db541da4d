// Every framed export: the exact bytes that reach the printer and the result, over a real
// pseudo-terminal pair to the simulator and through the vendor-library stand-in.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "ambiente.h"
#include "api/estado.h"
#include "plenvo.h"
#include "serial/consulta_modem.h"
#include "serialsim/simulador.h"

namespace plenvo::teste {
namespace {

std::string Q(const std::string& numero, const std::string& campos = "") { return "\x1b" "f" + numero + campos; }
std::string Brancos(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

const std::string kTexto800 = "Comprovante de pagamento";  // followed by blanks up to 800

struct CasoQuadro {
  const char* nome;
  std::function<int()> chamada;
  std::string quadro;
};

// CTest lists each case by its export.
void PrintTo(const CasoQuadro& caso, std::ostream* saida) { *saida << caso.nome; }

std::vector<CasoQuadro> Casos() {
  static char registrador[31];
  return {
      {"EstadoImpressora", [] { return ecf_EstadoImpressora(); }, Q("00")},
      {"AbreGaveta", [] { return ecf_AbreGaveta(); }, Q("01")},
      {"LeSensor", [] { return ecf_LeSensor("7a"); }, Q("02", "7")},
      {"AvancaLinhas", [] { return ecf_AvancaLinhas("7"); }, Q("03", "07")},
      {"LeRegistrador", [] { return ecf_LeRegistrador("12", registrador); }, Q("04", " 12")},
      {"VendaItem",
       [] { return ecf_VendaItem("12345678901234567890", "Café com leite", "1000", "250", "T1", "UN", "I"); },
       Q("05", "1234567890123" "Café com leite" + Brancos(48) + "   1000" "      250" "T1" "UN" "I")},
      {"CancelaVenda", [] { return ecf_CancelaVenda("abc"); }, Q("06", "abc     ")},
      {"CancelaCupom", [] { return ecf_CancelaCupom("123456789"); }, Q("07", "12345678")},
      {"Relatorio_XZ", [] { return ecf_Relatorio_XZ("0"); }, Q("08", "0")},
      {"FechaCupom", [] { return ecf_FechaCupom(""); }, Q("09", Brancos(8))},
      {"Pagamento", [] { return ecf_Pagamento("7", "Dinheiro", "1500"); }, Q("10", "07" "Dinheiro  " "      1500")},
      {"ImprimeCabecalho", [] { return ecf_ImprimeCabecalho(); }, Q("11")},
      {"Propaganda", [] { return ecf_Propaganda("Oferta"); }, Q("12", "Oferta" + Brancos(154))},
      {"CargaCliche",
       [] { return ecf_CargaCliche("1", "Linha um", "Linha dois", "Linha tres", "12", "3456"); },
       Q("13", "1" "Linha um" + Brancos(32) + "Linha dois" + Brancos(30) + "Linha tres" + Brancos(30) + " 12" "345")},
      {"IdComprador", [] { return ecf_IdComprador("Fulano", "F", "123.456.789-00", "Rua A", "Centro"); },
       Q("14", "Fulano" + Brancos(34) + "F" "    123.456.789-00" "Rua A" + Brancos(35) + "Centro" + Brancos(34))},
      {"CargaAliquota", [] { return ecf_CargaAliquota("3", "1800"); }, Q("15", "03" "1800")},
      {"LeECF", [] { return ecf_LeECF("1", "1", "10", "0", "/nao/usado"); },
       Q("16", "1" "       1" "      10" "0")},
      {"CancelaItem", [] { return ecf_CancelaItem("5"); }, Q("17", "  5")},
      {"AcrescimoSubtotal", [] { return ecf_AcrescimoSubtotal("Taxa", "100"); },
       Q("18", "0" "Taxa      " "       100")},
      {"DescontoSubtotal", [] { return ecf_DescontoSubtotal("Desconto", "50"); },
       Q("19", "0" "Desconto  " "        50")},
      {"DescontoItem", [] { return ecf_DescontoItem("$", "Promo", "25"); }, Q("20", "$" "Promo     " "       25")},
      {"ProgramaRelogioModo0", [] { return ecf_ProgramaRelogio("0", "15012024", "103000"); },
       Q("22", "0" "15012024" "103000")},
      {"ProgramaRelogioModo1", [] { return ecf_ProgramaRelogio("1", "15012024", "103000"); },
       Q("22", "1" "00000000" "000000")},
      {"ProgramaRelogioModo2", [] { return ecf_ProgramaRelogio("2", "15012024", "103000"); },
       Q("22", "2" "00000000" "000000")},
      {"FormaPagamento", [] { return ecf_FormaPagamento("2", "Cartao"); }, Q("23", "02" "Cartao    ")},
      {"CargaNaoVinculado", [] { return ecf_CargaNaoVinculado("4", "Sangria", "S"); },
       Q("24", "04" "Sangria        " "S")},
      {"DefineAliquota", [] { return ecf_DefineAliquota("1", "1200", "T"); }, Q("25", "01" "1200" "T")},
      {"EspacamentoLinhas", [] { return ecf_EspacamentoLinhas("2"); }, Q("26", "2")},
      {"VinculadoTEF", [] { return ecf_VinculadoTEF("1", "ABC123", "5000", kTexto800.c_str(), "2", "1"); },
       Q("27", "01" "          ABC123" "     5000" + kTexto800 + Brancos(776) + "02" "01")},
      {"Autentica", [] { return ecf_Autentica("Autenticado"); }, Q("29", "Autenticado" + Brancos(9))},
      {"CupomStub", [] { return ecf_CupomStub(1234); }, Q("30", "00001234")},
      {"NovoEstabelecimento", [] { return ecf_NovoEstabelecimento("123456789012345678901", "Municipio", "X"); },
       Q("35", "123456789012345678" "Municipio      " "X" + Brancos(14))},
      {"VinculadoCartao",
       [] { return ecf_VinculadoCartao("3", "4111", "1", "12345", kTexto800.c_str(), "1", "6"); },
       Q("36", "03" + Brancos(12) + "4111" "   1" "    12345" + kTexto800 + Brancos(776) + "01" "06")},
      {"Mecanismo", [] { return ecf_Mecanismo("1"); }, Q("39", "1")},
      {"EmiteNaoVinculado", [] { return ecf_EmiteNaoVinculado("5", "Recebimento", "9900"); },
       Q("42", "05" "Recebimento" + Brancos(9) + "     9900")},
      {"VinculadoNSeq", [] { return ecf_VinculadoNSeq("123", "4", "texto"); },
       Q("44", "000123" "04" "texto" + Brancos(15))},
      {"FinalizaRelatorio", [] { return ecf_FinalizaRelatorio(); }, Q("45")},
      {"CortaPapel", [] { return ecf_CortaPapel(); }, Q("46")},
      {"CMC7ToECF", [] { return ecf_CMC7ToECF(); }, Q("47")},
      {"LinhasLivres", [] { return ecf_LinhasLivres("5", "abcdefgh"); },
       Q("48", "005" "abcde" + std::string(405, '\0'))},
      {"LinhasLivresZero", [] { return ecf_LinhasLivres("0", "abc"); }, Q("48", "000" + std::string(410, '\0'))},
      {"LinhasLivres410", [] { return ecf_LinhasLivres("410", std::string(420, 'L').c_str()); },
       Q("48", "410" + std::string(410, 'L'))},
      {"EjetarCheque", [] { return ecf_EjetarCheque(); }, Q("49")},
      {"Vinculado", [] { return ecf_Vinculado("1", "ID", "100", "DOC", "X", kTexto800.c_str(), "1", "2"); },
       Q("50", "01" + Brancos(14) + "ID" "      100" + Brancos(17) + "DOC" "X" + kTexto800 + Brancos(776) + "01" "02")},
      {"Rascunho", [] { return ecf_Rascunho("abc"); }, Q("51", Brancos(27) + "abc")},
      {"ContrasteTermico", [] { return ecf_ContrasteTermico("3"); }, Q("52", "3")},
      {"CruzarCheque", [] { return ecf_CruzarCheque("1", "a", "b", "c"); },
       Q("54", "1" "a" + Brancos(14) + "b" + Brancos(14) + "c" + Brancos(14))},
      {"CodigoBarras", [] { return ecf_CodigoBarras("2", "789123"); }, Q("56", "2" "789123" + Brancos(34))},
      {"PropagandaEx", [] { return ecf_PropagandaEx("Grande"); }, Q("57", "Grande" + Brancos(314))},
      {"ChancelarCheque", [] { return ecf_ChancelarCheque("1", "20", "Pago"); },
       Q("59", "01" "020" "Pago" + Brancos(14))},
  };
}

// The time-out and clear-to-send columns of the export table, by command number.
struct Colunas {
  int timeout;
  bool cts;
};

Colunas ColunasDe(const std::string& quadro) {
  static const std::map<std::string, Colunas> colunas = {
      {"00", {2, false}}, {"01", {5, true}},   {"02", {5, false}},  {"03", {5, true}},   {"04", {5, true}},
      {"05", {15, true}}, {"06", {15, true}},  {"07", {15, true}},  {"08", {180, true}}, {"09", {15, true}},
      {"10", {15, true}}, {"11", {15, true}},  {"12", {15, true}},  {"13", {15, true}},  {"14", {15, true}},
      {"15", {15, true}}, {"16", {180, true}}, {"17", {15, true}},  {"18", {15, true}},  {"19", {15, true}},
      {"20", {15, true}}, {"22", {5, true}},   {"23", {5, true}},   {"24", {5, true}},   {"25", {15, true}},
      {"26", {15, true}}, {"27", {60, true}},  {"29", {60, true}},  {"30", {15, true}},  {"35", {15, true}},
      {"36", {60, true}}, {"39", {15, true}},  {"42", {15, true}},  {"44", {15, true}},  {"45", {15, true}},
      {"46", {15, true}}, {"47", {15, true}},  {"48", {60, true}},  {"49", {15, true}},  {"50", {60, true}},
      {"51", {5, true}},  {"52", {5, true}},   {"54", {30, true}},  {"56", {15, true}},  {"57", {15, true}},
      {"59", {15, true}},
  };
  return colunas.at(quadro.substr(2, 2));
}

int CtsDesligado(int, int* linhas) {
  *linhas = 0;
  return 0;
}

std::string NomeDoCaso(const ::testing::TestParamInfo<CasoQuadro>& info) { return info.param.nome; }

class QuadroSerial : public ComSimulador, public ::testing::WithParamInterface<CasoQuadro> {};

TEST_P(QuadroSerial, ChegaAoSimuladorByteAByte) {
  serialsim::Comportamento comportamento;
  comportamento.consultas_ocupado = 0;
  simulador_->respondedor().Configura(comportamento);
  Inicializa();
  EXPECT_EQ(GetParam().chamada(), 33);
  const std::vector<std::string> quadros = Quadros();
  ASSERT_EQ(quadros.size(), 1u);
  EXPECT_EQ(quadros[0], GetParam().quadro);
  EXPECT_EQ(quadros[0].size(), GetParam().quadro.size());
  EXPECT_FALSE(Plenvo().linha.Aberta());  // closed when the operation ends, whatever its row's close flag
}

TEST_P(QuadroSerial, SemCtsSoSaemOsQueNaoOExigem) {
  Inicializa();
  DefineConsultaModem(CtsDesligado);
  const bool cts = ColunasDe(GetParam().quadro).cts;
  EXPECT_EQ(GetParam().chamada(), cts ? 8 : 33);
  EXPECT_EQ(Quadros().size(), cts ? 0u : 1u);
  EXPECT_FALSE(Plenvo().linha.Aberta());
}

INSTANTIATE_TEST_SUITE_P(Exportacoes, QuadroSerial, ::testing::ValuesIn(Casos()), NomeDoCaso);

class QuadroFornecedor : public AmbientePlenvo, public ::testing::WithParamInterface<CasoQuadro> {};

TEST_P(QuadroFornecedor, ChegaAoFornecedorByteAByte) {
  UsaFornecedor("1");
  setenv("SULVANIR_OCUPADO", "0", 1);
  ASSERT_EQ(ecf_InicializaDLL("COM1"), 33);
  EXPECT_EQ(GetParam().chamada(), 33);
  const std::vector<std::string> quadros = QuadrosDoFornecedor();
  ASSERT_EQ(quadros.size(), 1u);
  EXPECT_EQ(quadros[0], GetParam().quadro);
  // Frame length, reply room, time-out and flag: 1 only for the 22 bytes of "16".
  const std::string& quadro = GetParam().quadro;
  const bool registrador = quadro.substr(2, 2) == "04";
  const bool leitura = quadro.substr(2, 2) == "16";
  EXPECT_EQ(ChamadasDoFornecedor(),
            std::vector<std::string>{std::to_string(quadro.size()) + (registrador ? " 30 " : " 1 ") +
                                     std::to_string(ColunasDe(quadro).timeout) + (leitura ? " 1" : " 0")});
}

INSTANTIATE_TEST_SUITE_P(Exportacoes, QuadroFornecedor, ::testing::ValuesIn(Casos()), NomeDoCaso);

}  // namespace
}  // namespace plenvo::teste
