// Each failure of the line or of the vendor library: the result code, the "Erro DLL" log line,
// and a library that still works afterwards.
#include <sys/ioctl.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "ambiente.h"
#include "api/estado.h"
#include "compat/registry.h"
#include "plenvo.h"
#include "serial/chamadas_modo.h"
#include "serial/consulta_modem.h"
#include "serialsim/simulador.h"

namespace plenvo::teste {
namespace {

int CtsDesligado(int, int* linhas) {
  *linhas = 0;
  return 0;
}

int RecusaLeitura(int, termios*) {
  errno = EIO;
  return -1;
}

int RecusaGravacao(int, int, const termios*) {
  errno = EINVAL;
  return -1;
}

// How many of this process's descriptors are open on the device (the simulator holds one itself).
int AbertosNo(const std::string& dispositivo) {
  const std::filesystem::path alvo = std::filesystem::canonical(dispositivo);
  int abertos = 0;
  for (const auto& entrada : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code erro;
    if (std::filesystem::read_symlink(entrada.path(), erro) == alvo) ++abertos;
  }
  return abertos;
}

class Falhas : public ComSimulador {
 protected:
  void SetUp() override {
    ComSimulador::SetUp();
    compat::RegistryKey chave;
    ASSERT_EQ(chave.open_or_create(compat::Hive::LocalMachine, "Software\\KVT Automação Comercial\\DLL Vardex 32 bits\\V4.03"), 0);
    ASSERT_EQ(chave.write_string("Gerar Log", "1"), 0);
    FixaRelogio(HojeAs(16, 30, 0, 123));
  }
  void Configura(const std::function<void(serialsim::Comportamento&)>& muda) {
    serialsim::Comportamento comportamento = simulador_->respondedor().Configuracao();
    muda(comportamento);
    simulador_->respondedor().Configura(comportamento);
  }
  std::string FimDoLog() const {
    const std::string log = Log();
    return log.substr(log.rfind("\r\n"));
  }
};

TEST_F(Falhas, DispositivoInexistente) {
  EXPECT_EQ(ecf_InicializaDLL("/dev/plenvo-nao-existe"), 3);
  EXPECT_EQ(FimDoLog(), "\r\nErro DLL [16:30:00 123ms] - 3");
  EXPECT_EQ(ecf_EstadoImpressora(), 2);
}

TEST_F(Falhas, DispositivoQueRecusaAConfiguracao) {
  const struct {
    const char* passo;
    ChamadasModo chamadas;
  } casos[] = {{"leitura do modo", {RecusaLeitura, tcsetattr}}, {"gravacao do modo", {tcgetattr, RecusaGravacao}}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.passo);
    const int abertos = AbertosNo(Caminho());
    DefineChamadasModo(&caso.chamadas);
    EXPECT_EQ(ecf_InicializaDLL(Caminho().c_str()), 4);
    EXPECT_EQ(FimDoLog(), "\r\nErro DLL [16:30:00 123ms] - 4");
    EXPECT_FALSE(Plenvo().linha.Aberta());
    EXPECT_EQ(AbertosNo(Caminho()), abertos);  // the descriptor it opened is closed again
    EXPECT_EQ(ecf_EstadoImpressora(), 2);      // not initialised
    DefineChamadasModo(nullptr);
    EXPECT_EQ(ecf_InicializaDLL(Caminho().c_str()), 33);
    EXPECT_EQ(ecf_EstadoImpressora(), 33);
    EXPECT_EQ(ecf_FinalizaDLL(), 33);
  }
}

TEST_F(Falhas, LinhasLivresComContagemNegativaNaoLevaTexto) {
  Inicializa();
  ecf_LinhasLivres("-5", "abc");  // the printer refuses the count; the frame is what matters
  const std::vector<std::string> quadros = Quadros();
  ASSERT_EQ(quadros.size(), 1u);
  EXPECT_EQ(quadros[0], "\x1b" "f48" "-05" + std::string(410, '\0'));
}

TEST_F(Falhas, ImpressoraMudaEsgotaOTempo) {
  Inicializa();
  Configura([](serialsim::Comportamento& c) { c.mudo = true; });
  ecf_ProximoTimeout("1");
  EXPECT_EQ(ecf_EstadoImpressora(), 10);
  EXPECT_EQ(FimDoLog(), "\r\nErro DLL [16:30:00 123ms] - 10");
  // The line was closed again: the next exchange opens it afresh.
  Configura([](serialsim::Comportamento& c) { c.mudo = false; });
  EXPECT_EQ(ecf_EstadoImpressora(), 33);
}

TEST_F(Falhas, RespostaCurtaDoRegistrador) {
  Inicializa();
  Configura([](serialsim::Comportamento& c) { c.resposta_curta = 12; });
  char valor[31] = "antigo";
  ecf_ProximoTimeout("1");
  EXPECT_EQ(ecf_LeRegistrador("5", valor), 10);
  EXPECT_STREQ(valor, "");
  EXPECT_EQ(FimDoLog(), "\r\nErro DLL [16:30:00 123ms] - 10");
  Configura([](serialsim::Comportamento& c) { c.registradores[5] = "CINCO"; });
  EXPECT_EQ(ecf_LeRegistrador("5", valor), 33);
  EXPECT_EQ(std::string(valor), "CINCO" + std::string(25, ' '));
}

TEST_F(Falhas, CtsRetido) {
  Inicializa();
  DefineConsultaModem(CtsDesligado);
  EXPECT_EQ(ecf_AbreGaveta(), 8);
  EXPECT_EQ(FimDoLog(), "\r\nErro DLL [16:30:00 123ms] - 8");
  EXPECT_TRUE(Quadros().empty());
  EXPECT_EQ(ecf_EstadoImpressora(), 33);  // a status query writes without the check
  EXPECT_EQ(Quadros().size(), 1u);
}

TEST_F(Falhas, ImpressoraDesligadaDuranteATroca) {
  Inicializa();
  Configura([](serialsim::Comportamento& c) { c.mudo = true; });
  ecf_ProximoTimeout("5");
  // The printer goes away once the frame has reached it, so the host is waiting for the reply.
  const std::size_t antes = simulador_->respondedor().Quadros().size();
  std::thread desliga([this, antes] {
    for (int i = 0; i < 500 && simulador_->respondedor().Quadros().size() == antes; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    simulador_->DesligaPar();
  });
  const int resultado = ecf_EstadoImpressora();
  desliga.join();
  EXPECT_EQ(resultado, 16);
  EXPECT_EQ(FimDoLog(), "\r\nErro DLL [16:30:00 123ms] - 16");
  // The device has gone away altogether.
  EXPECT_EQ(ecf_EstadoImpressora(), 3);
  EXPECT_EQ(FimDoLog(), "\r\nErro DLL [16:30:00 123ms] - 3");
}

class FalhasDoFornecedor : public AmbientePlenvo {
 protected:
  void SetUp() override {
    AmbientePlenvo::SetUp();
    UsaFornecedor("1");
    FixaRelogio(HojeAs(8, 0, 1, 2));
    ASSERT_EQ(ecf_InicializaDLL("COM1"), 33);
    ecf_LogSerial("1");
  }
};

TEST_F(FalhasDoFornecedor, FalhaDeComunicacaoENadaRecebido) {
  const struct {
    const char* falha;
    int resultado;
  } casos[] = {{"-100", 9}, {"-102", 9}, {"-101", 10}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.falha);
    setenv("SULVANIR_FALHA", caso.falha, 1);
    EXPECT_EQ(ecf_AbreGaveta(), caso.resultado);
    const std::string log = Log();
    EXPECT_EQ(log.substr(log.rfind("\r\n")), "\r\nErro DLL [08:00:01 002ms] - " + std::to_string(caso.resultado));
  }
  unsetenv("SULVANIR_FALHA");
  EXPECT_EQ(ecf_AbreGaveta(), 33);
}

}  // namespace
}  // namespace plenvo::teste
