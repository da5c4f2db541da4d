// Start and end, the log of an exchange, the "Gerar Log" setting, the four answers of the vendor
// library's FiscalConnection, and the arguments Plenvo refuses.
#include <string>

#include "ambiente.h"
#include "compat/registry.h"
#include "plenvo.h"
#include "serialsim/simulador.h"

namespace plenvo::teste {
namespace {

void GuardaGerarLog(const char* valor) {
  compat::RegistryKey chave;
  ASSERT_EQ(chave.open_or_create(compat::Hive::LocalMachine, "Software\\KVT Automação Comercial\\DLL Vardex 32 bits\\V4.03"), 0);
  ASSERT_EQ(chave.write_string("Gerar Log", valor), 0);
}

std::string GerarLog() {
  compat::RegistryKey chave;
  std::string valor;
  if (chave.open(compat::Hive::LocalMachine, "Software\\KVT Automação Comercial\\DLL Vardex 32 bits\\V4.03") == 0)
    chave.read_string("Gerar Log", valor);
  return valor;
}

bool Contem(const std::string& texto, const std::string& parte) { return texto.find(parte) != std::string::npos; }

class Ciclo : public ComSimulador {};

TEST_F(Ciclo, AntesDeInicializarNadaESenviado) {
  char valor[31] = "intacto";
  EXPECT_EQ(ecf_EstadoImpressora(), 2);
  EXPECT_EQ(ecf_VendaItem("1", "2", "3", "4", "5", "6", "7"), 2);
  EXPECT_EQ(ecf_LeRegistrador("1", valor), 2);
  EXPECT_EQ(ecf_ProgramaRelogio("0", "01012024", "000000"), 2);
  EXPECT_EQ(ecf_LinhasLivres("1", "a"), 2);
  EXPECT_EQ(ecf_CupomStub(1), 2);
  EXPECT_EQ(ecf_Relatorio_XZ("1"), 2);
  EXPECT_EQ(ecf_LeECF("5", "1", "2", "0", Pasta("leitura.txt").c_str()), 2);
  EXPECT_EQ(ecf_Quorbal("x", Pasta("quorbal.txt").c_str()), 2);
  EXPECT_EQ(ecf_FinalizaDLL(), 2);
  EXPECT_TRUE(Quadros().empty());
  EXPECT_FALSE(Existe(Pasta("leitura.txt")));
  EXPECT_FALSE(Existe(Pasta("quorbal.txt")));
}

TEST_F(Ciclo, SegundaInicializacaoNaoMudaNada) {
  Inicializa();
  EXPECT_EQ(ecf_InicializaDLL("/dev/outro"), 1);
  EXPECT_EQ(ecf_EstadoImpressora(), 33);
  EXPECT_EQ(Quadros().size(), 1u);
  EXPECT_EQ(ecf_FinalizaDLL(), 33);
  EXPECT_EQ(ecf_FinalizaDLL(), 2);
}

TEST_F(Ciclo, VersaoDLL) {
  char texto[40];
  EXPECT_EQ(ecf_VersaoDLL(texto), 26);
  EXPECT_STREQ(texto, "DLL Vardex 32 bits - V4.03");
  EXPECT_EQ(ecf_VersaoDLL(nullptr), 0);
}

TEST_F(Ciclo, LogDeUmaVendaComCabecasERespostaCrua) {
  GuardaGerarLog("1");
  FixaRelogio(HojeAs(14, 15, 16, 7));
  Inicializa();
  ASSERT_EQ(ecf_VendaItem("1", "Pao", "1000", "150", "T1", "UN", "I"), 33);
  ASSERT_EQ(ecf_FinalizaDLL(), 33);
  const std::string log = Log();
  const std::string quadro = "\x1b" "f05" "1" + std::string(12, ' ') + "Pao" + std::string(59, ' ') +
                             "   1000" "      150" "T1" "UN" "I";
  ASSERT_EQ(quadro.size(), 100u);
  const std::string esperado = "\r\nLeitura Entrada Registry: [Gerar Log=1]"
                               "\r\necf_InicializaDLL [14:15:16 007ms] - Dispositivo " + Caminho() +
                               "\r\nTX [14:15:16 007ms] - " + quadro +
                               "\r\nRX [14:15:16 007ms] - !"
                               "\r\necf_FinalizaDLL [14:15:16 007ms] - Dispositivo " + Caminho() +
                               "\r\nAtualizada Entrada Registry: [Gerar Log=1]";
  const auto inicio = log.find("\r\n\r\n\r\n");
  ASSERT_NE(inicio, std::string::npos);
  EXPECT_EQ(log.substr(inicio + 6), esperado);
}

TEST_F(Ciclo, LogSerialLigaEDesligaEFicaGuardadoNoRegistro) {
  Inicializa();
  EXPECT_EQ(GerarLog(), "0");  // written by the first start
  ASSERT_EQ(ecf_EstadoImpressora(), 33);
  EXPECT_FALSE(Contem(Log(), "TX ["));
  ecf_LogSerial("1");
  ASSERT_EQ(ecf_EstadoImpressora(), 33);
  EXPECT_TRUE(Contem(Log(), "TX ["));
  ASSERT_EQ(ecf_FinalizaDLL(), 33);
  EXPECT_EQ(GerarLog(), "1");
  Inicializa();  // logging comes back on from the registry
  EXPECT_TRUE(Contem(Log(), "ecf_InicializaDLL ["));
  ecf_LogSerial("0");
  ecf_LogSerial(nullptr);
  ASSERT_EQ(ecf_FinalizaDLL(), 33);
  EXPECT_EQ(GerarLog(), "0");
}

// FiscalConnection's four kinds of answer.
class Conexao : public ComSimulador {
 protected:
  void SetUp() override {
    ComSimulador::SetUp();
    GuardaGerarLog("1");
  }
};

TEST_F(Conexao, ZeroRecusaODispositivo) {
  UsaFornecedor("0");
  EXPECT_EQ(ecf_InicializaDLL("COM1"), 8);
  EXPECT_TRUE(Contem(Log(), "\r\nFiscalConnection: Retorno = 0\r\nErro DLL ["));
  EXPECT_EQ(Log().substr(Log().size() - 5), "] - 8");
  EXPECT_EQ(ecf_EstadoImpressora(), 2);
}

TEST_F(Conexao, UmETresUsamOFornecedor) {
  for (const char* resposta : {"1", "3"}) {
    SCOPED_TRACE(resposta);
    UsaFornecedor(resposta);
    ASSERT_EQ(ecf_InicializaDLL("COM1"), 33);
    EXPECT_EQ(ecf_AbreGaveta(), 33);
    ASSERT_EQ(ecf_FinalizaDLL(), 33);
    ASSERT_EQ(QuadrosDoFornecedor().size(), 1u);
    EXPECT_EQ(QuadrosDoFornecedor()[0], "\x1b" "f01");
    EXPECT_TRUE(Quadros().empty());
    EXPECT_TRUE(Contem(Log(), std::string("\r\nFiscalConnection: Retorno = ") + resposta));
    EXPECT_TRUE(Contem(Log(), "] - Dispositivo COM1\r\nFechaPorta = 0"));
    std::remove(Pasta("quadros.hex").c_str());
  }
}

TEST_F(Conexao, DoisUsaASerialComONomeCortadoEmQuatro) {
  UsaFornecedor("2");
  setenv("PLENVO_COM1", Caminho().c_str(), 1);
  ASSERT_EQ(ecf_InicializaDLL("COM1:"), 33);
  EXPECT_EQ(ecf_AbreGaveta(), 33);
  EXPECT_EQ(Quadros().size(), 1u);
  EXPECT_TRUE(QuadrosDoFornecedor().empty());
  EXPECT_TRUE(Contem(Log(), "\r\nFiscalConnection: Retorno = 2\r\necf_InicializaDLL ["));
  EXPECT_TRUE(Contem(Log(), "] - Dispositivo COM1\r\n"));
  ASSERT_EQ(ecf_FinalizaDLL(), 33);
  // A path is never cut.
  ASSERT_EQ(ecf_InicializaDLL(Caminho().c_str()), 33);
  EXPECT_EQ(ecf_AbreGaveta(), 33);
  EXPECT_EQ(Quadros().size(), 1u);
}

TEST_F(Conexao, OutraRespostaUsaASerialComONomeInteiro) {
  UsaFornecedor("7");
  ASSERT_EQ(ecf_InicializaDLL(Caminho().c_str()), 33);
  EXPECT_EQ(ecf_AbreGaveta(), 33);
  EXPECT_EQ(Quadros().size(), 1u);
  EXPECT_TRUE(QuadrosDoFornecedor().empty());
  EXPECT_TRUE(Contem(Log(), "] - Dispositivo " + Caminho()));
}

TEST_F(Conexao, SemBibliotecaDoFornecedorSerialEmCom1) {
  setenv("PLENVO_COM1", Caminho().c_str(), 1);
  ASSERT_EQ(ecf_InicializaDLL("COM1:"), 33);
  EXPECT_FALSE(Contem(Log(), "FiscalConnection"));
  EXPECT_EQ(ecf_EstadoImpressora(), 33);
  EXPECT_EQ(Quadros().size(), 1u);
  ASSERT_EQ(ecf_FinalizaDLL(), 33);
  EXPECT_FALSE(Contem(Log(), "FechaPorta"));
}

// Arguments that would overrun a buffer or spill into the next field are refused with 7 before
// anything is sent.
class Recusa : public ComSimulador {};

TEST_F(Recusa, NomeDeDispositivoLongoOuNulo) {
  const std::string longo(30, 'x');
  EXPECT_EQ(ecf_InicializaDLL(longo.c_str()), 7);
  EXPECT_EQ(ecf_InicializaDLL(nullptr), 7);
  EXPECT_EQ(ecf_EstadoImpressora(), 2);
}

TEST_F(Recusa, TextoNuloENumeroLargoDemais) {
  Inicializa();
  char valor[31];
  EXPECT_EQ(ecf_VendaItem("1", nullptr, "1", "1", "T1", "UN", "I"), 7);
  EXPECT_EQ(ecf_LeRegistrador(nullptr, valor), 7);
  EXPECT_EQ(ecf_ProgramaRelogio("0", nullptr, "120000"), 7);
  EXPECT_EQ(ecf_LinhasLivres("1", nullptr), 7);
  EXPECT_EQ(ecf_Relatorio_XZ(nullptr), 7);
  EXPECT_EQ(ecf_LeECF(nullptr, "1", "2", "0", Pasta("x").c_str()), 7);
  EXPECT_EQ(ecf_AvancaLinhas("123"), 7);
  EXPECT_EQ(ecf_Pagamento("100", "Dinheiro", "1"), 7);
  EXPECT_EQ(ecf_VinculadoTEF("1", "2", "3", "4", "5", "999"), 7);
  EXPECT_EQ(ecf_CupomStub(123456789), 7);
  EXPECT_EQ(ecf_LinhasLivres("411", "a"), 7);
  EXPECT_EQ(ecf_Quorbal(nullptr, Pasta("q").c_str()), 7);
  EXPECT_EQ(ecf_Quorbal(std::string(4089, 'a').c_str(), Pasta("q").c_str()), 7);
  // Without a file for the answer the printer is not asked: it would do the work and the caller be told
  // it failed.
  EXPECT_EQ(ecf_Quorbal("{0;AbreCupomFiscal;;}", nullptr), 7);
  EXPECT_EQ(ecf_LeECF("4", "1", "2", "0", nullptr), 7);
  EXPECT_EQ(ecf_LeCMC7(nullptr), 7);
  EXPECT_TRUE(Quadros().empty());
  // At the edge the values still go.
  EXPECT_EQ(ecf_AvancaLinhas("99"), 33);
  EXPECT_EQ(ecf_CupomStub(99999999), 33);
  EXPECT_EQ(Quadros(), (std::vector<std::string>{"\x1b" "f0399", "\x1b" "f3099999999"}));
  EXPECT_EQ(ecf_ProximoTimeout(nullptr), 0);
}

TEST_F(Recusa, LinhasLivresNaoLevaRestosDeOutroQuadro) {
  Inicializa();
  ASSERT_EQ(ecf_PropagandaEx(std::string(320, 'Z').c_str()), 33);
  ASSERT_EQ(ecf_LinhasLivres("3", "a"), 33);
  const std::vector<std::string> quadros = Quadros();
  ASSERT_EQ(quadros.size(), 2u);
  EXPECT_EQ(quadros[1], "\x1b" "f48" "003" "a" + std::string(409, '\0'));
}

TEST_F(Recusa, ModoDeRelogioDesconhecidoMandaZeros) {
  Inicializa();
  ASSERT_EQ(ecf_Rascunho(std::string(30, '9').c_str()), 33);
  ecf_ProgramaRelogio("9", "31122024", "235959");
  const std::vector<std::string> quadros = Quadros();
  ASSERT_EQ(quadros.size(), 2u);
  EXPECT_EQ(quadros[1], "\x1b" "f22" "9" "00000000" "000000");
}

}  // namespace
}  // namespace plenvo::teste
