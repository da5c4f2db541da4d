// Cheques from layout files (frames "34" and "58") and the CMC-7 reader ("53"): the bytes that reach
// the printer over the pseudo-terminal and through the vendor-library stand-in, every error result,
// the work file, and the files the CMC-7 line is stored in.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "ambiente.h"
#include "api/tempo.h"
#include "cheque/copia_leiaute.h"
#include "cheque/lista_numeros.h"
#include "plenvo.h"
#include "serialsim/simulador.h"

namespace plenvo::teste {
namespace {

std::string Brancos(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// A layout section [001] after a line that holds something before the header, as layouts exported
// by some bank tools do; a key mapped to nullptr is left out.
using Chaves = std::map<std::string, const char*>;

std::string Leiaute(const Chaves& mudancas = {}) {
  Chaves chaves = {{"Valor", "5,3,0,1"},      {"Extenso", "10,5,10,6,0,1"}, {"Favorecido", "10,7,0,1"},
                   {"Cidade", "10,9,0,1"},    {"Mensagem", "10,11,0,1"},    {"Mensagem2", "10,12,0,1"},
                   {"Mensagem3", "10,13,0,1"}, {"Data", "40,50,60"},         {"eSpacamento", "2"},
                   {"ColBanco", "5"},         {"ColConta", "20"}};
  for (const auto& [chave, valor] : mudancas) chaves[chave] = valor;
  std::string texto = "[000]\nValor=1,1\n12 [001]\n";
  for (const auto& [chave, valor] : chaves)
    if (valor != nullptr) texto += chave + "=" + valor + "\n";
  return texto + "[002]\nValor=9,9\n";
}

const char* const kTextos[] = {"1234,56", "Fulano de Tal", "Sao Paulo", "Pagamento", "150124", "REAL", "REAIS"};

// The texts of frame "34" in their fields, as the printer receives them.
std::string Textos34() {
  return "       1234,56" "Fulano de Tal" + Brancos(17) + "Sao Paulo" + Brancos(11) + "Pagamento" + Brancos(21) +
         "150124" "REAL" + Brancos(11) + "REAIS" + Brancos(12);
}

const std::string kLonga34 = "\x1b" "f34" "005" "03" "0" "1" "010" "05" "010" "06" "0" "1" "010" "07" "0" "1"
                             "010" "09" "0" "1" "010" "11" "0" "1" "040" "050" "060" + Textos34() + "002" "0";
const std::string kCurta34 = "\x1b" "f34" "05" "03" "10" "05" "10" "06" "10" "07" "10" "09" "10" "11" "40" "50" "60" +
                             Textos34() + "002";
const std::string k58 = "\x1b" "f58" "005" "03" "0" "1" "010" "05" "010" "06" "0" "1" "010" "07" "0" "1" "010" "09" "0"
                        "1" "010" "11" "0" "1" "010" "12" "0" "1" "010" "13" "0" "1" "040" "050" "060"
                        "       1234,56" "Fulano de Tal" + Brancos(17) + "Sao Paulo" + Brancos(11) + "Pagamento" +
                        Brancos(21) + "Linha cinco" + Brancos(29) + "Linha seis" + Brancos(10) + "150124" "REAL" +
                        Brancos(11) + "REAIS" + Brancos(12) + "002" "0" "Banco" + Brancos(15) + "Doze" + Brancos(46) +
                        "12345678" "0001" "005" "12345-6" + Brancos(3) + "020";

// Layout files and the two cheque calls with the texts above.
class BaseCheques : public ComSimulador {
 protected:
  std::string Arquivo(const std::string& texto) {
    const std::string caminho = Pasta("cheques.ini");
    std::ofstream(caminho, std::ios::binary) << texto;
    return caminho;
  }
  std::string Trabalho() const { return UnidadeC() + "/prt77q.ini"; }

  int Cheque(const std::string& leiaute, const char* secao = "001") {
    return ecf_ImprimeCheque(kTextos[0], kTextos[1], kTextos[2], kTextos[3], kTextos[4], kTextos[5], kTextos[6],
                             secao, leiaute.c_str());
  }
  int Cheque2(const std::string& leiaute, const char* secao = "001") {
    return ecf_ImprimeCheque2(kTextos[0], kTextos[1], kTextos[2], kTextos[3], "Linha cinco", "Linha seis", kTextos[4],
                              kTextos[5], kTextos[6], secao, "Banco", "Doze", "12345678", "0001", "12345-6",
                              leiaute.c_str());
  }
};

// Both transports: the simulator on a pseudo-terminal, or the vendor-library stand-in.
class Cheques : public BaseCheques, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    BaseCheques::SetUp();
    if (Fornecedor()) UsaFornecedor("1");
    ASSERT_EQ(ecf_InicializaDLL(Fornecedor() ? "COM1" : Caminho().c_str()), 33);
  }
  bool Fornecedor() const { return GetParam(); }
  std::vector<std::string> Enviados() { return Fornecedor() ? QuadrosDoFornecedor() : Quadros(); }
};

TEST_P(Cheques, FormaLongaCurtaESegundaGeracaoByteAByte) {
  EXPECT_EQ(Cheque(Arquivo(Leiaute())), 33);
  EXPECT_EQ(Cheque(Arquivo(Leiaute({{"Valor", "5,3"}, {"Extenso", "10,5,10,6"}, {"Favorecido", "10,7"},
                                    {"Cidade", "10,9"}, {"Mensagem", "10,11"}}))),
            33);
  EXPECT_EQ(Cheque2(Arquivo(Leiaute())), 33);
  const std::vector<std::string> quadros = Enviados();
  ASSERT_EQ(quadros.size(), 3u);
  EXPECT_EQ(quadros[0], kLonga34);
  EXPECT_EQ(quadros[0].size(), 189u);
  EXPECT_EQ(quadros[1], kCurta34);
  EXPECT_EQ(quadros[1].size(), 169u);
  EXPECT_EQ(quadros[2], k58);
  EXPECT_EQ(quadros[2].size(), 361u);
  EXPECT_FALSE(Existe(Trabalho()));  // deleted once every key was read
}

TEST_P(Cheques, LeCMC7GuardaOStxEALinha) {
  const std::string arquivo = Pasta("cmc7.txt");
  EXPECT_EQ(ecf_LeCMC7(arquivo.c_str()), 33);
  EXPECT_EQ(read_bytes(arquivo), "\x02<00100014<0010000015>123456789012:");
  EXPECT_EQ(Enviados(), std::vector<std::string>{"\x1b" "f53"});
  EXPECT_EQ(ecf_EstadoImpressora(), 33);  // the serial line was closed at the end
}

INSTANTIATE_TEST_SUITE_P(Transportes, Cheques, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Fornecedor" : "Serial"; });

class ChequesSerial : public BaseCheques {
 protected:
  void SetUp() override {
    BaseCheques::SetUp();
    Inicializa();
  }
  void ConfiguraCmc7(const std::string& linha) {
    serialsim::Comportamento c = simulador_->respondedor().Configuracao();
    c.linha_cmc7 = linha;
    simulador_->respondedor().Configura(c);
  }
};

TEST_F(ChequesSerial, CopiaDoLeiauteParaOArquivoDeTrabalho) {
  const struct {
    const char* linha;
    const char* copiado;
  } casos[] = {
      {"12 [001]\n", "[001]\n"},           // the header alone
      {"Valor=5,3,0,1\n", "Valor=5,3,0,1\n"},  // a key line unchanged
      {"a]b[c\n", "a]b[c\n"},              // ']' before '[' is no header
      {"x [aberto\n", "x [aberto\n"},      // '[' without ']'
      {"; nota [1] e [2]\n", "[1] e [2]\n"},  // from the first '['
  };
  for (const auto& caso : casos) EXPECT_STREQ(InicioCopiado(caso.linha), caso.copiado) << caso.linha;

  // A header past the 119 characters read at a time is still found on its line. The work file is
  // written in text mode (CR LF), the layout read in it: its CR LF is not doubled, a lone CR stays.
  const std::string longa = std::string(130, ' ') + "lixo [001]\r\n";
  EXPECT_EQ(CopiaParaTrabalho(Arquivo(longa + "Valor=5,3\nCidade=1\r2").c_str(), Trabalho().c_str()),
            CopiaLeiaute::kCopiado);
  EXPECT_EQ(read_bytes(Trabalho()), "[001]\r\nValor=5,3\r\nCidade=1\r2");
  const std::string chave_longa = "Mensagem=10,11,0,1 ;" + std::string(200, 'x');
  EXPECT_EQ(CopiaParaTrabalho(Arquivo(chave_longa + "\n").c_str(), Trabalho().c_str()), CopiaLeiaute::kCopiado);
  EXPECT_EQ(read_bytes(Trabalho()), chave_longa + "\r\n");
  // A Ctrl-Z ends the layout, as the Windows C library reads a text file: nothing after it is copied,
  // on its own line or in the middle of one.
  for (const std::string resto : {"\x1A" "Cidade=1\n", "\x1A\n[002]\n", "\x1A"}) {
    EXPECT_EQ(CopiaParaTrabalho(Arquivo("[001]\r\nValor=5,3\n" + resto).c_str(), Trabalho().c_str()),
              CopiaLeiaute::kCopiado);
    EXPECT_EQ(read_bytes(Trabalho()), "[001]\r\nValor=5,3\r\n");
  }
  EXPECT_EQ(CopiaParaTrabalho(Arquivo("[001]\nValor=5,3\x1A" "Extenso=1\nCidade=1\n").c_str(), Trabalho().c_str()),
            CopiaLeiaute::kCopiado);
  EXPECT_EQ(read_bytes(Trabalho()), "[001]\r\nValor=5,3");
}

TEST_F(ChequesSerial, CabecalhoDepoisDeUmaLinhaLongaEAchado) {
  std::string leiaute = Leiaute();
  leiaute.replace(leiaute.find("12 [001]"), 8, std::string(150, '-') + " [001]");
  EXPECT_EQ(Cheque(Arquivo(leiaute)), 33);
  EXPECT_EQ(Quadros(), std::vector<std::string>{kLonga34});
}

TEST_F(ChequesSerial, ListasDeNumeros) {
  const struct {
    const char* texto;
    int quantos;
    bool valida;
    std::vector<int> numeros;
  } casos[] = {
      {"5,3,0,1", 4, true, {5, 3, 0, 1}},
      {"10,,2,0", 4, false, {10, -1, 2, 0}},  // a position left empty
      {"1 2,3,4", 3, true, {2, 3, 4}},        // the later run replaces the earlier one
      {"a5b, c3", 2, true, {5, 3}},           // other characters are ignored
      {"5,3", 4, false, {5, 3, -1, -1}},
      {"5,3,0,1,2", 4, false, {5, 3, 0, 1}},  // one comma too many
      {"ERR", 2, false, {-1, -1}},
      {"99999999999999999999,7", 2, true, {kTetoNumeroLista, 7}},
  };
  for (const auto& caso : casos) {
    int numeros[kMaximoNumerosLista];
    EXPECT_EQ(LeListaNumeros(caso.texto, caso.quantos, numeros), caso.valida) << caso.texto;
    EXPECT_EQ(std::vector<int>(numeros, numeros + caso.quantos), caso.numeros) << caso.texto;
  }
}

// Every error result of the layout: the first bad key in the order they are read decides.
TEST_F(ChequesSerial, CadaChaveComSeuErro) {
  const std::string mensagem_longa = "10,11,0,1;" + std::string(80, '7');
  const struct {
    Chaves mudancas;
    int cheque;   // ecf_ImprimeCheque
    int cheque2;  // ecf_ImprimeCheque2
  } casos[] = {
      {{{"Valor", nullptr}}, 22, 22},
      {{{"Valor", "5"}}, 22, 22},
      {{{"Valor", "5,3,0"}}, 22, 22},
      {{{"Extenso", "1,2,3,4,5"}}, 23, 23},
      {{{"Favorecido", "10,,2,0"}}, 24, 24},
      {{{"Cidade", nullptr}}, 25, 25},
      {{{"Mensagem", "x"}}, 26, 26},
      {{{"Mensagem2", nullptr}}, 33, 26},
      {{{"Mensagem3", "1,2"}}, 33, 26},
      {{{"Data", "1,2"}}, 27, 27},
      {{{"eSpacamento", "0"}}, 28, 28},
      {{{"eSpacamento", nullptr}}, 28, 28},
      {{{"ColBanco", "0"}}, 33, 28},
      {{{"ColConta", nullptr}}, 33, 28},
      {{{"Cidade", "x"}, {"Data", "x"}}, 25, 25},
      // Values the printer's fields cannot hold are refused with the key's error rather than cut,
      // wrapped or spilled into the next field.
      {{{"Valor", "5,3,12,1"}}, 22, 22},                // '0' + 12 is no digit
      {{{"Favorecido", "1000,7,0,1"}}, 24, 24},         // four digits for "%03d"
      {{{"Extenso", "10,100,10,6,0,1"}}, 23, 23},       // three for "%02d"
      {{{"Data", "40,50,99999999999999"}}, 27, 27},     // beyond any integer
      {{{"Mensagem", mensagem_longa.c_str()}}, 26, 26},  // longer than 79: not read cut short
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.mudancas.begin()->first + "=" +
                 (caso.mudancas.begin()->second ? caso.mudancas.begin()->second : "(ausente)"));
    const std::string arquivo = Arquivo(Leiaute(caso.mudancas));
    EXPECT_EQ(Cheque(arquivo), caso.cheque);
    EXPECT_EQ(Existe(Trabalho()), caso.cheque != 33);  // kept on an error, for a look at it
    EXPECT_EQ(Cheque2(arquivo), caso.cheque2);
    EXPECT_EQ(Existe(Trabalho()), caso.cheque2 != 33);
  }
  // Only the calls that passed sent a frame.
  std::size_t aceitos = 0;
  for (const auto& caso : casos) aceitos += (caso.cheque == 33) + (caso.cheque2 == 33);
  EXPECT_EQ(Quadros().size(), aceitos);
}

TEST_F(ChequesSerial, ValorCurtoComNumeroLargoDemais) {
  EXPECT_EQ(Cheque(Arquivo(Leiaute({{"Valor", "100,3"}}))), 22);
  EXPECT_TRUE(Quadros().empty());
}

TEST_F(ChequesSerial, DataEEspacamentoComoLidos) {
  EXPECT_EQ(Cheque(Arquivo(Leiaute({{"Data", "1 2,3,4"}, {"eSpacamento", "12abc"}}))), 33);
  EXPECT_EQ(Cheque(Arquivo(Leiaute({{"eSpacamento", "7"}}))), 33);
  EXPECT_EQ(Cheque2(Arquivo(Leiaute({{"ColBanco", "1234"}, {"ColConta", "+0012"}}))), 33);
  const std::vector<std::string> quadros = Quadros();
  ASSERT_EQ(quadros.size(), 3u);
  EXPECT_EQ(quadros[0].substr(44, 9), "002003004");
  EXPECT_EQ(quadros[0].substr(185, 4), "12a0");
  EXPECT_EQ(quadros[1].substr(185, 4), "0070");
  EXPECT_EQ(quadros[2].substr(345, 3), "123");  // the integer of the first three characters
  EXPECT_EQ(quadros[2].substr(358, 3), "000");  // "+00": at least 1 as a whole, 0 in three characters
}

TEST_F(ChequesSerial, LeiauteOuSecaoQueNaoExistem) {
  std::ofstream(Trabalho()) << "[001]\nantigo\n";
  EXPECT_EQ(Cheque(Pasta("nao-existe.ini")), 20);
  EXPECT_EQ(Cheque(Pasta("")), 20);  // a folder is no layout
  EXPECT_EQ(ecf_ImprimeCheque("1", "2", "3", "4", "5", "6", "7", "001", nullptr), 20);
  EXPECT_EQ(read_bytes(Trabalho()), "[001]\nantigo\n");  // not touched by a missing layout
  EXPECT_EQ(Cheque(Arquivo(Leiaute()), "009"), 21);
  EXPECT_EQ(Cheque2(Arquivo(Leiaute()), nullptr), 21);
  EXPECT_EQ(Cheque(Arquivo("[001]\n[002]\nValor=5,3\n")), 21);  // a section without keys
  EXPECT_TRUE(Existe(Trabalho()));
  EXPECT_TRUE(Quadros().empty());
}

TEST_F(ChequesSerial, LeiauteQueEOProprioArquivoDeTrabalhoNaoSePerde) {
  // Copying a file onto itself would empty it, and the work file is deleted after the keys are read:
  // a layout kept at the work file's own path is refused and left as it was.
  std::filesystem::create_directories(UnidadeC());
  const std::string leiaute = Leiaute();
  std::ofstream(Trabalho(), std::ios::binary) << leiaute;
  const std::string por_outro_caminho = UnidadeC() + "/./prt77q.ini";
  EXPECT_EQ(Cheque(Trabalho()), 20);
  EXPECT_EQ(Cheque2(por_outro_caminho), 20);
  EXPECT_EQ(read_bytes(Trabalho()), leiaute);
  EXPECT_TRUE(Quadros().empty());
}

TEST_F(ChequesSerial, PastaDaUnidadeCCriadaETextoNuloRecusado) {
  std::filesystem::remove_all(UnidadeC());
  EXPECT_EQ(Cheque(Arquivo(Leiaute())), 33);
  EXPECT_EQ(ecf_ImprimeCheque("1", nullptr, "3", "4", "5", "6", "7", "001", Arquivo(Leiaute()).c_str()), 7);
  EXPECT_EQ(ecf_ImprimeCheque2("1", "2", "3", "4", "5", "6", "7", "8", "9", "001", "11", "12", "13", "14", nullptr,
                               Arquivo(Leiaute()).c_str()),
            7);
  EXPECT_EQ(Quadros().size(), 1u);
}

TEST_F(ChequesSerial, AntesDeInicializar) {
  ASSERT_EQ(ecf_FinalizaDLL(), 33);
  EXPECT_EQ(Cheque(Arquivo(Leiaute())), 2);
  EXPECT_EQ(Cheque(Pasta("nao-existe.ini")), 20);  // the layout is read first
  EXPECT_EQ(ecf_LeCMC7(Pasta("cmc7.txt").c_str()), 2);
  EXPECT_TRUE(Quadros().empty());
}

// A clock for the CMC-7 collection: a second passes per look at a quiet line.
long long milissegundos_virtuais = 0;
long long SegundosVirtuais() { return milissegundos_virtuais / 1000; }
void DormeUmSegundo(int) {
  milissegundos_virtuais += 1000;
  usleep(1000);
}

TEST_F(ChequesSerial, LeCMC7SemChequeDevolveAExclamacaoENaoCriaArquivo) {
  ConfiguraCmc7("");
  EXPECT_EQ(ecf_LeCMC7(Pasta("cmc7.txt").c_str()), 33);
  EXPECT_FALSE(Existe(Pasta("cmc7.txt")));
  EXPECT_EQ(ecf_EstadoImpressora(), 33);
}

TEST_F(ChequesSerial, LeCMC7ParaDepoisDeDoisSegundosDeSilencio) {
  DefineRelogioDeEspera(SegundosVirtuais, DormeUmSegundo);
  milissegundos_virtuais = 0;
  ConfiguraCmc7("<12345678<");
  EXPECT_EQ(ecf_LeCMC7(Pasta("cmc7.txt").c_str()), 33);
  EXPECT_EQ(read_bytes(Pasta("cmc7.txt")), "\x02<12345678<");
  EXPECT_GT(SegundosVirtuais(), 2);
  EXPECT_LT(SegundosVirtuais(), 6);
}

TEST_F(ChequesSerial, LeCMC7SemArquivoDevolve20EFechaALinha) {
  EXPECT_EQ(ecf_LeCMC7(Pasta("nao/existe/cmc7.txt").c_str()), 20);
  EXPECT_EQ(ecf_EstadoImpressora(), 33);
  simulador_->Para();
  EXPECT_EQ(ecf_LeCMC7(Pasta("cmc7.txt").c_str()), 3);  // the line error, no file
  EXPECT_FALSE(Existe(Pasta("cmc7.txt")));
}

class Cmc7DoFornecedor : public AmbientePlenvo {
 protected:
  void SetUp() override {
    AmbientePlenvo::SetUp();
    UsaFornecedor("1");
    FixaRelogio(HojeAs(9, 10, 11, 12));
  }
};

TEST_F(Cmc7DoFornecedor, SemChequeArquivoImpossivelEFalhas) {
  setenv("SULVANIR_CMC7", "", 1);
  ASSERT_EQ(ecf_InicializaDLL("COM1"), 33);
  ecf_LogSerial("1");
  EXPECT_EQ(ecf_LeCMC7(Pasta("cmc7.txt").c_str()), 33);
  EXPECT_FALSE(Existe(Pasta("cmc7.txt")));
  const struct {
    const char* falha;
    int resultado;
  } casos[] = {{"-100", 9}, {"-102", 9}, {"-101", 10}};
  for (const auto& caso : casos) {
    setenv("SULVANIR_FALHA", caso.falha, 1);
    EXPECT_EQ(ecf_LeCMC7(Pasta("cmc7.txt").c_str()), caso.resultado) << caso.falha;
  }
  const std::string log = Log();
  EXPECT_NE(log.find("\r\nTX [09:10:11 012ms] - \x1b" "f53\r\nRX [09:10:11 012ms] - !"), std::string::npos);
  EXPECT_NE(log.find("\r\nRX [09:10:11 012ms] - Nada recebido de ProcessFiscalCmd = -101, bytes lidos = 0"
                     "\r\nErro DLL [09:10:11 012ms] - 10"),
            std::string::npos);
  unsetenv("SULVANIR_FALHA");
  ASSERT_EQ(ecf_FinalizaDLL(), 33);
  unsetenv("SULVANIR_CMC7");
  ASSERT_EQ(ecf_InicializaDLL("COM1"), 33);
  EXPECT_EQ(ecf_LeCMC7(Pasta("nao/existe/cmc7.txt").c_str()), 20);
}

}  // namespace
}  // namespace plenvo::teste
