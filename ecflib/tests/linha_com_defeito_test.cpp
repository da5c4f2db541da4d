// Plenvo against a printer that misbehaves on the wire. The test plays the printer on the master side
// of a pseudo-terminal, on its own thread: it hangs up in the middle of a frame or a reply, sends
// noise before its answer, trickles the answer out byte by byte, or vanishes while a reading streams.
// Every case must end with its result code well within the time-outs, never by waiting them out.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

#include "ambiente.h"
#include "plenvo.h"
#include "serial/consulta_modem.h"

namespace plenvo::teste {
namespace {

using Relogio = std::chrono::steady_clock;

class ImpressoraComDefeito : public AmbientePlenvo {
 protected:
  void SetUp() override {
    AmbientePlenvo::SetUp();
    FixaRelogio(HojeAs(10, 20, 30, 40));
    NovaImpressora();
  }
  void TearDown() override {
    if (impressora_.joinable()) impressora_.join();
    if (mestre_ >= 0) close(mestre_);
    AmbientePlenvo::TearDown();
  }

  // A fresh pseudo-terminal, and Plenvo started on it with its log on.
  void NovaImpressora() {
    ecf_FinalizaDLL();
    if (mestre_ >= 0) close(mestre_);
    mestre_ = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(mestre_, 0);
    ASSERT_EQ(grantpt(mestre_), 0);
    ASSERT_EQ(unlockpt(mestre_), 0);
    caminho_ = ptsname(mestre_);
    // Raw from the start: nothing the printer sends may be echoed back to it.
    termios modo{};
    ASSERT_EQ(tcgetattr(mestre_, &modo), 0);
    cfmakeraw(&modo);
    ASSERT_EQ(tcsetattr(mestre_, TCSANOW, &modo), 0);
    ASSERT_EQ(ecf_InicializaDLL(caminho_.c_str()), 33);
    ecf_LogSerial("1");
  }

  // The printer's part of the conversation, run while the test calls Plenvo.
  void Impressora(std::function<void()> roteiro) { impressora_ = std::thread(std::move(roteiro)); }
  void AguardaImpressora() { impressora_.join(); }

  // The next n bytes Plenvo writes (fewer if they do not come in time). While Plenvo has the port
  // closed the master reads EIO: that is waited through.
  std::string Recebe(std::size_t n, int limite_ms = 2000) {
    std::string bytes;
    const auto limite = Relogio::now() + std::chrono::milliseconds(limite_ms);
    while (bytes.size() < n && Relogio::now() < limite) {
      pollfd alvo{mestre_, POLLIN, 0};
      if (poll(&alvo, 1, 10) <= 0) continue;
      char bloco[1024];
      const std::size_t falta = n - bytes.size();
      const ssize_t lidos = read(mestre_, bloco, falta < sizeof bloco ? falta : sizeof bloco);
      if (lidos > 0) {
        bytes.append(bloco, static_cast<std::size_t>(lidos));
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      }
    }
    return bytes;
  }
  void Envia(const std::string& bytes) const {
    ASSERT_EQ(write(mestre_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  void EnviaAosPoucos(const std::string& bytes, int pausa_ms) const {
    for (char byte : bytes) {
      Envia(std::string(1, byte));
      Pausa(pausa_ms);
    }
  }
  static void Pausa(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  // The printer goes away: the host sees the line hang up, and the device vanishes.
  void Desliga() {
    Pausa(100);  // what was sent is read before the hang-up discards it
    close(mestre_);
    mestre_ = -1;
  }

  std::string FimDoLog() const {
    const std::string log = Log();
    return log.substr(log.rfind("\r\n"));
  }
  static double Segundos(const std::function<void()>& acao) {
    const auto inicio = Relogio::now();
    acao();
    return std::chrono::duration<double>(Relogio::now() - inicio).count();
  }

  int mestre_ = -1;
  std::string caminho_;
  std::thread impressora_;
  std::string quadro_;  // what the printer received
};

constexpr const char* kErroDll16 = "\r\nErro DLL [10:20:30 040ms] - 16";

TEST_F(ImpressoraComDefeito, DesligadaNoMeioDoQuadroOuDaRespostaDaErroDeDispositivoNaHora) {
  // The reply time-outs are 5 and 60 seconds: the hang-up must end the wait at once.
  const struct {
    const char* caso;
    std::size_t recebe;  // bytes of the frame the printer takes before it goes
    std::string envia;   // what it answers before it goes
    std::function<int()> operacao;
  } casos[] = {
      {"metade de um quadro longo", 400, "",
       [] { return ecf_VinculadoTEF("1", "123", "1000", "texto", "1", "1"); }},
      {"doze dos trinta bytes do registrador", 7, "123456789012",
       [] {
         char valor[31];
         return ecf_LeRegistrador("5", valor);
       }},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.caso);
    NovaImpressora();
    double lacuna = 0;  // from the answer's first byte to the hang-up
    Impressora([this, &caso, &lacuna] {
      quadro_ = Recebe(caso.recebe);
      lacuna = Segundos([&] {
        Envia(caso.envia);
        Desliga();
      });
    });
    int resultado = 0;
    EXPECT_LT(Segundos([&] { resultado = caso.operacao(); }), 1.0);
    AguardaImpressora();
    EXPECT_EQ(quadro_.size(), caso.recebe);
    // A loaded machine may hold the printer's thread between its answer and the hang-up for as long
    // as the gap between bytes may last (100 ms): then the time-out (10) is the right answer too.
    if (lacuna < 0.05) {
      EXPECT_EQ(resultado, 16);
      EXPECT_EQ(FimDoLog(), kErroDll16);
    } else {
      EXPECT_TRUE(resultado == 16 || resultado == 10) << resultado << " after " << lacuna << " s";
    }
    // The device is gone: the next exchange cannot open it.
    EXPECT_EQ(ecf_EstadoImpressora(), 3);
  }
}

TEST_F(ImpressoraComDefeito, RuidoAntesDaRespostaViraOStatus) {
  // The first byte after the frame is the printer's status, whatever it is.
  Impressora([this] {
    quadro_ = Recebe(4);
    Envia("\xfe!");
  });
  EXPECT_EQ(ecf_EstadoImpressora(), 0xfe);
  AguardaImpressora();
  EXPECT_EQ(quadro_, "\x1b" "f00");
  EXPECT_EQ(FimDoLog(), "\r\nRX [10:20:30 040ms] - \xfe");
  // Register data is taken as it comes, the noise with it.
  Impressora([this] {
    quadro_ = Recebe(7);
    Envia("\x15\x15" + std::string(28, '7') + "sobra");
  });
  char valor[31] = "";
  EXPECT_EQ(ecf_LeRegistrador("5", valor), 33);
  AguardaImpressora();
  EXPECT_EQ(quadro_, "\x1b" "f04" "  5");
  EXPECT_EQ(std::string(valor), "\x15\x15" + std::string(28, '7'));
}

TEST_F(ImpressoraComDefeito, RespostaByteAByte) {
  const std::string registrador = "REGISTRADOR CINCO" + std::string(13, ' ');
  // Gaps shorter than the 100 ms between two bytes: the reply arrives whole.
  Impressora([&] {
    Recebe(7);
    EnviaAosPoucos(registrador, 5);
  });
  char valor[31] = "";
  EXPECT_EQ(ecf_LeRegistrador("5", valor), 33);
  AguardaImpressora();
  EXPECT_EQ(std::string(valor), registrador);
  // A longer gap ends the read: the reply is incomplete, without waiting the 5-second time-out.
  Impressora([&] {
    Recebe(7);
    EnviaAosPoucos(registrador.substr(0, 12), 5);
    Pausa(300);
    Envia(registrador.substr(12));
  });
  double segundos = Segundos([&] { EXPECT_EQ(ecf_LeRegistrador("5", valor), 10); });
  AguardaImpressora();
  EXPECT_LT(segundos, 1.0);
  EXPECT_STREQ(valor, "");
  EXPECT_EQ(FimDoLog(), "\r\nErro DLL [10:20:30 040ms] - 10");
  // A reading trickled out byte by byte is whole in the file, up to its ETX.
  const std::string arquivo = Pasta("leitura.txt");
  Impressora([&] {
    quadro_ = Recebe(22);
    EnviaAosPoucos("!X\nZ\x03", 30);
  });
  EXPECT_EQ(ecf_LeECF("5", "1", "2", "0", arquivo.c_str()), 33);
  AguardaImpressora();
  EXPECT_EQ(read_bytes(arquivo), "!X\r\nZ\x03");
}

TEST_F(ImpressoraComDefeito, DesligadaDuranteUmaLeituraEncerraNaHora) {
  // ecf_LeECF would wait 600 seconds for more data, ecf_Quorbal one and ecf_LeCMC7 two: a hang-up
  // ends each at once with the line's failure, and the file keeps what had arrived.
  const struct {
    const char* caso;
    std::size_t quadro;
    std::string envia;
    std::function<int(const char*)> operacao;
    std::string arquivo;
  } casos[] = {
      {"ecf_LeECF", 22, "!LEITURA\nPARCIAL", [](const char* a) { return ecf_LeECF("5", "1", "2", "0", a); },
       "!LEITURA\r\nPARCIAL"},
      {"ecf_Quorbal", 8 + 14, "{0;ValorInt", [](const char* a) { return ecf_Quorbal("{0;LeInteiro;}", a); },
       "{0;ValorInt"},
      {"ecf_LeCMC7", 4, "\x02<0010203", [](const char* a) { return ecf_LeCMC7(a); }, "\x02<0010203"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.caso);
    NovaImpressora();
    const std::string arquivo = Pasta("fluxo.txt");
    Impressora([this, &caso] {
      quadro_ = Recebe(caso.quadro);
      Envia(caso.envia.substr(0, 1));
      Pausa(150);
      Envia(caso.envia.substr(1));
      Desliga();
    });
    int resultado = 0;
    EXPECT_LT(Segundos([&] { resultado = caso.operacao(arquivo.c_str()); }), 1.0);
    AguardaImpressora();
    EXPECT_EQ(quadro_.size(), caso.quadro);
    EXPECT_EQ(resultado, 16);
    EXPECT_EQ(read_bytes(arquivo), caso.arquivo);
    EXPECT_EQ(FimDoLog(), kErroDll16);
  }
}

int CtsDesligado(int, int* linhas) {
  *linhas = 0;
  return 0;
}

TEST_F(ImpressoraComDefeito, CtsRetidoNaoDeixaALeituraComecar) {
  // A pseudo-terminal has no modem lines: the printer holding clear-to-send off is injected where
  // the line asks for them.
  DefineConsultaModem(CtsDesligado);
  EXPECT_EQ(ecf_LeECF("5", "1", "2", "0", Pasta("lx.txt").c_str()), 8);
  EXPECT_EQ(ecf_Quorbal("{0;LeInteiro;}", Pasta("q.txt").c_str()), 8);
  EXPECT_EQ(FimDoLog(), "\r\nErro DLL [10:20:30 040ms] - 8");
  EXPECT_FALSE(Existe(Pasta("lx.txt")));
  EXPECT_FALSE(Existe(Pasta("q.txt")));
  EXPECT_EQ(Recebe(1, 200), "");  // nothing was written
  // Status queries write without the check.
  Impressora([this] {
    quadro_ = Recebe(4);
    Envia("!");
  });
  EXPECT_EQ(ecf_EstadoImpressora(), 33);
  AguardaImpressora();
  EXPECT_EQ(quadro_, "\x1b" "f00");
}

}  // namespace
}  // namespace plenvo::teste
