#include "serialsim/simulador.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "quadros_teste.h"
#include "test_support/temp_folder.h"

namespace serialsim {
namespace {

// The host's end: the slave device opened as a serial port in raw mode.
class Hospedeiro {
 public:
  explicit Hospedeiro(const std::string& caminho) {
    fd_ = open(caminho.c_str(), O_RDWR | O_NOCTTY);
    if (fd_ < 0) return;
    termios modo{};
    tcgetattr(fd_, &modo);
    cfmakeraw(&modo);
    tcsetattr(fd_, TCSANOW, &modo);
  }
  ~Hospedeiro() {
    if (fd_ >= 0) close(fd_);
  }
  bool Aberto() const { return fd_ >= 0; }
  void Escreve(const std::string& bytes) { ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size())); }
  // Reads until `n` bytes came or `ms` passed without data.
  std::string Le(std::size_t n, int ms = 2000) {
    std::string lido;
    char bloco[4096];
    while (lido.size() < n) {
      pollfd p{fd_, POLLIN, 0};
      if (poll(&p, 1, ms) <= 0) break;
      const ssize_t k = read(fd_, bloco, std::min(sizeof bloco, n - lido.size()));
      if (k <= 0) break;
      lido.append(bloco, static_cast<std::size_t>(k));
    }
    return lido;
  }
  int fd() const { return fd_; }

 private:
  int fd_ = -1;
};

TEST(Simulador, AnswersFramesOnThePseudoTerminal) {
  Simulador s("/nonexistent");
  ASSERT_TRUE(s.Inicia()) << s.Erro();
  ASSERT_EQ(s.Caminho().rfind("/dev/pts/", 0), 0u) << s.Caminho();
  Hospedeiro h(s.Caminho());
  ASSERT_TRUE(h.Aberto());
  h.Escreve(QuadroValido(0));
  EXPECT_EQ(h.Le(1), "!");
  h.Escreve(QuadroValido(4, "  9"));
  EXPECT_EQ(h.Le(30), "Registrador 009               ");
  EXPECT_EQ(s.respondedor().Quadros(), (std::vector<std::string>{QuadroValido(0), QuadroValido(4, "  9")}));
}

TEST(Simulador, NoByteIsTranslatedEitherWay) {
  Simulador s("/nonexistent");
  ASSERT_TRUE(s.Inicia());
  Comportamento c;
  const std::string especiais("\r\n\x03\x04\x11\x13\x1a\x7f\xff\x00\x1c", 11);
  c.registradores[1] = especiais;
  s.respondedor().Configura(c);
  Hospedeiro h(s.Caminho());
  const std::string quadro = QuadroValido(12, especiais + "\r");
  h.Escreve(quadro);
  EXPECT_EQ(h.Le(1), "!");
  ASSERT_EQ(s.respondedor().Quadros().size(), 1u);
  EXPECT_EQ(s.respondedor().Quadros()[0], quadro);
  h.Escreve(QuadroValido(4, "001"));
  std::string esperado = especiais;
  esperado.resize(30, ' ');
  EXPECT_EQ(h.Le(30), esperado);
}

TEST(Simulador, FrameWrittenInPiecesAndShortChequeForm) {
  Simulador s("/nonexistent");
  ASSERT_TRUE(s.Inicia());
  Hospedeiro h(s.Caminho());
  const std::string venda = QuadroValido(5, "7891234567890");
  for (std::size_t i = 0; i < venda.size(); i += 30) {
    h.Escreve(venda.substr(i, 30));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
  EXPECT_EQ(h.Le(1), "!");
  EXPECT_EQ(h.Le(1, 300), "");  // one frame, one answer

  h.Escreve(QuadroValido(34, std::string(165, '3')).substr(0, 169));
  EXPECT_EQ(h.Le(1), "!");  // after the line has been quiet
  h.Escreve(QuadroValido(5).substr(0, 20));
  EXPECT_EQ(h.Le(1), "?");  // the host gave up in the middle
  EXPECT_EQ(s.respondedor().Quadros().size(), 3u);
}

TEST(Simulador, QuorbalRecordAndCmc7) {
  const test_support::TempFolder pasta("serialsim-pty");
  {
    Simulador s(pasta.path());
    ASSERT_TRUE(s.Inicia());
    Hospedeiro h(s.Caminho());
    h.Escreve(QuadroQuorbal("{0;LeInteiro;NomeInteiro=\"COO\";}"));
    const std::string resposta = h.Le(4096, 500);
    EXPECT_EQ(resposta.rfind("{0;0;ValorInteiro=", 0), 0u) << resposta;
    EXPECT_EQ(resposta.substr(resposta.size() - 2), ";}");
    h.Escreve(Cabecalho(53));
    EXPECT_EQ(h.Le(4096, 500), "\x02<00100014<0010000015>123456789012:");
  }
}

TEST(Simulador, HostMayCloseAndReopen) {
  Simulador s("/nonexistent");
  ASSERT_TRUE(s.Inicia());
  for (int vez = 0; vez < 3; ++vez) {
    Hospedeiro h(s.Caminho());
    ASSERT_TRUE(h.Aberto());
    h.Escreve(QuadroValido(0));
    EXPECT_EQ(h.Le(1), "!");
  }
}

// Exclusive mode as the kernel keeps it (1 or 0), or -1 when the kernel does not tell.
int ModoExclusivo(int fd) {
#ifdef TIOCGEXCL
  int modo = -1;
  if (ioctl(fd, TIOCGEXCL, &modo) == 0) return modo;
#endif
  return -1;
}

TEST(Simulador, ExclusiveModeEndsWhenTheHostCloses) {
  Simulador s("/nonexistent");
  ASSERT_TRUE(s.Inicia());
  const bool root = geteuid() == 0;
  {
    Hospedeiro morto(s.Caminho());  // killed in the middle of a call: the mode stays set
    ASSERT_TRUE(morto.Aberto());
    ASSERT_EQ(ioctl(morto.fd(), TIOCEXCL), 0);
    if (root && ModoExclusivo(morto.fd()) < 0) GTEST_SKIP() << "root opens past exclusive mode and TIOCGEXCL is missing";
  }
  ASSERT_TRUE(s.EsperaOcioso());
  Hospedeiro seguinte(s.Caminho());
  ASSERT_TRUE(seguinte.Aberto()) << std::strerror(errno);  // what fails for other users than root
  EXPECT_NE(ModoExclusivo(seguinte.fd()), 1);
}

TEST(Simulador, PeerGoneFailsTheHost) {
  Simulador s("/nonexistent");
  ASSERT_TRUE(s.Inicia());
  const std::string caminho = s.Caminho();
  Hospedeiro h(caminho);
  ASSERT_TRUE(h.Aberto());
  s.DesligaPar();
  char c;
  pollfd p{h.fd(), POLLIN, 0};
  ASSERT_EQ(poll(&p, 1, 1000), 1);
  EXPECT_NE(p.revents & (POLLHUP | POLLERR | POLLIN), 0);
  EXPECT_LE(read(h.fd(), &c, 1), 0);
  EXPECT_FALSE(Hospedeiro(caminho).Aberto());
}

TEST(Simulador, HangsUpInTheMiddleOfItsAnswerOrBeforeIt) {
  const struct {
    int corte;
    const char* recebido;
  } casos[] = {{12, "Registrador "}, {0, ""}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.corte);
    Simulador s("/nonexistent");
    ASSERT_TRUE(s.Inicia());
    Comportamento c;
    c.resposta_curta = caso.corte;
    s.respondedor().Configura(c);
    s.DesligaAposResponder();
    const std::string caminho = s.Caminho();
    Hospedeiro h(caminho);
    ASSERT_TRUE(h.Aberto());
    h.Escreve(QuadroValido(4, "  7"));
    EXPECT_EQ(h.Le(30), caso.recebido);
    pollfd p{h.fd(), POLLIN, 0};
    ASSERT_EQ(poll(&p, 1, 1000), 1);  // the hang-up, not silence
    char byte;
    EXPECT_LE(read(h.fd(), &byte, 1), 0);
    EXPECT_FALSE(Hospedeiro(caminho).Aberto());
    EXPECT_TRUE(s.EsperaOcioso(100));
    s.Para();
  }
}

// Waits (at most a few seconds) until the printer has answered `n` frames.
bool EsperaRespostas(Simulador& s, unsigned long n) {
  for (int i = 0; i < 500 && s.respondedor().Respondidos() < n; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return s.respondedor().Respondidos() >= n;
}

TEST(Simulador, AnswersLeftUnreadDoNotReachTheNextHost) {
  Simulador s("/nonexistent");
  ASSERT_TRUE(s.Inicia());
  Comportamento c;
  c.texto_leitura = std::string(256 * 1024, 'L');  // more than the line holds: the rest waits with us
  s.respondedor().Configura(c);
  {
    Hospedeiro h(s.Caminho());
    h.Escreve(QuadroValido(16, "5"));
    ASSERT_TRUE(EsperaRespostas(s, 1));
  }
  ASSERT_TRUE(s.EsperaOcioso());
  Hospedeiro seguinte(s.Caminho());
  seguinte.Escreve(QuadroValido(0));
  EXPECT_EQ(seguinte.Le(2, 300), "!");
}

TEST(Simulador, UnfinishedFrameOfAHostThatLeftDoesNotSwallowTheNext) {
  const std::string venda = QuadroValido(5, "7891234567890");
  // A sensor query's header alone (the next frame's ESC would complete it), and half a sale.
  const std::string restos[] = {Cabecalho(2), QuadroValido(5, "0000000000001").substr(0, 49)};
  for (const std::string& resto : restos) {
    SCOPED_TRACE(resto.size());
    Simulador s("/nonexistent");
    ASSERT_TRUE(s.Inicia());
    Comportamento c;
    c.silencio_ms = 10000;  // the line does not go quiet in between
    s.respondedor().Configura(c);
    {
      Hospedeiro h(s.Caminho());
      h.Escreve(resto);
    }
    for (int i = 0; i < 500 && s.respondedor().Quadros().empty(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Hospedeiro seguinte(s.Caminho());
    seguinte.Escreve(venda);
    EXPECT_EQ(seguinte.Le(2, 300), "!");
    EXPECT_EQ(s.respondedor().Quadros(), (std::vector<std::string>{resto, venda}));
  }
}

TEST(Simulador, UnreadAnswersPileUpOnlyAsFarAsTheLineHolds) {
  Simulador s("/nonexistent");
  ASSERT_TRUE(s.Inicia());
  Comportamento c;
  c.texto_leitura = std::string(64 * 1024, 'L');
  s.respondedor().Configura(c);
  Hospedeiro h(s.Caminho());
  const std::string longa = c.texto_leitura + kEtx;
  h.Escreve(QuadroValido(16, "5"));
  EXPECT_EQ(h.Le(longa.size() + 1, 300), longa);  // whole, however long, to a host that reads

  c.texto_leitura = std::string(1000, 'L');
  s.respondedor().Configura(c);
  const std::string leitura = c.texto_leitura + kEtx;
  constexpr int kQuadros = 100;
  for (int i = 0; i < kQuadros; ++i) h.Escreve(QuadroValido(16, "5"));
  ASSERT_TRUE(EsperaRespostas(s, kQuadros + 1));
  const std::string recebido = h.Le(kQuadros * leitura.size(), 300);
  EXPECT_LT(recebido.size(), kQuadros * leitura.size());
  ASSERT_EQ(recebido.size() % leitura.size(), 0u);  // answers are lost whole
  for (std::size_t i = 0; i < recebido.size(); i += leitura.size())
    ASSERT_EQ(recebido.substr(i, leitura.size()), leitura) << i;
  h.Escreve(QuadroValido(0));
  EXPECT_EQ(h.Le(1), "!");  // once read, the line takes answers again
}

TEST(Simulador, StopsWhileAnswersWaitUnread) {
  Simulador s("/nonexistent");
  ASSERT_TRUE(s.Inicia());
  Comportamento c;
  c.texto_leitura = std::string(64 * 1024, 'L');
  s.respondedor().Configura(c);
  Hospedeiro h(s.Caminho());
  for (int i = 0; i < 8; ++i) h.Escreve(QuadroValido(16, "5"));
  EsperaRespostas(s, 8);
  s.Para();  // must not hang on the full line
  EXPECT_EQ(s.respondedor().Quadros().size(), 8u);
}

}  // namespace
}  // namespace serialsim
