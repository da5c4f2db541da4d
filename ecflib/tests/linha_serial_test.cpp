// LinhaSerial over a pseudo-terminal pair held by the test: the test plays the printer on the
// master side and watches the line settings through its own descriptor on the slave.
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "lugares/lugares.h"
#include "serial/consulta_modem.h"
#include "serial/linha_serial.h"

namespace plenvo {
namespace {

class ParPty : public ::testing::Test {
 protected:
  void SetUp() override {
    mestre_ = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(mestre_, 0);
    ASSERT_EQ(grantpt(mestre_), 0);
    ASSERT_EQ(unlockpt(mestre_), 0);
    caminho_ = ptsname(mestre_);
    escravo_ = open(caminho_.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(escravo_, 0);
  }
  void TearDown() override {
    linha_.Fecha();
    DefineConsultaModem(nullptr);
    if (escravo_ >= 0) close(escravo_);
    if (mestre_ >= 0) close(mestre_);
    unsetenv("PLENVO_COM3");
  }

  void Abre() { ASSERT_TRUE(linha_.Abre(caminho_.c_str(), 9600, 64, 64)); }
  bool CtsLigado() const {
    termios modo{};
    tcgetattr(escravo_, &modo);
    return (modo.c_cflag & CRTSCTS) != 0;
  }
  // What reached the printer's side within a short while.
  std::string Chegou() const {
    std::string bytes;
    pollfd alvo{mestre_, POLLIN, 0};
    char bloco[256];
    while (poll(&alvo, 1, 200) > 0) {
      const ssize_t n = read(mestre_, bloco, sizeof bloco);
      if (n <= 0) break;
      bytes.append(bloco, static_cast<std::size_t>(n));
    }
    return bytes;
  }
  void Responde(const std::string& bytes) {
    ASSERT_EQ(write(mestre_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    tcdrain(mestre_);
    usleep(50 * 1000);
  }

  int mestre_ = -1;
  int escravo_ = -1;
  std::string caminho_;
  LinhaSerial linha_;
};

int CtsDesligado(int, int* linhas) {
  *linhas = TIOCM_DSR;
  return 0;
}
int CtsLigadoNaLinha(int, int* linhas) {
  *linhas = TIOCM_CTS;
  return 0;
}
int SemLinhasDeModem(int, int*) { return -1; }

TEST_F(ParPty, SemPortaCadaOperacaoFalhaComStatus1) {
  char texto[40];
  EXPECT_FALSE(linha_.Fecha());
  EXPECT_EQ(linha_.UltimoErro(texto), 1);
  EXPECT_STREQ(texto, "Serial nao inicializada");
  EXPECT_EQ(linha_.UltimoErro(texto), 0);  // reading the status clears it
  EXPECT_STREQ(texto, "");
  int n = -1;
  EXPECT_FALSE(linha_.Purga(kAmbasFilas));
  EXPECT_EQ(linha_.UltimoErro(), 1);
  EXPECT_FALSE(linha_.Envia("x", 1, &n, false));
  EXPECT_EQ(linha_.UltimoErro(), 1);
  EXPECT_FALSE(linha_.Recebe(texto, 1, &n, 1));
  EXPECT_EQ(linha_.UltimoErro(), 1);
  EXPECT_FALSE(linha_.TemDados(kFilaRecepcao));
  EXPECT_EQ(linha_.UltimoErro(), 1);
}

TEST_F(ParPty, AbreDuasVezesFalhaComStatus2EDispositivoInexistenteCom3) {
  Abre();
  char texto[40];
  EXPECT_FALSE(linha_.Abre(caminho_.c_str(), 9600, 64, 64));
  EXPECT_EQ(linha_.UltimoErro(texto), 2);
  EXPECT_STREQ(texto, "Serial ja inicializada");
  EXPECT_TRUE(linha_.Aberta());

  LinhaSerial outra;
  EXPECT_FALSE(outra.Abre("/dev/nao-existe-plenvo", 9600, 64, 64));
  EXPECT_EQ(outra.UltimoErro(texto), 3);
  EXPECT_STREQ(texto, "Erro na Abertura");
}

TEST_F(ParPty, AbreConfigura8N1ComCtsELeituraCrua) {
  Abre();
  termios modo{};
  ASSERT_EQ(tcgetattr(escravo_, &modo), 0);
  EXPECT_EQ(modo.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(modo.c_cflag & (PARENB | CSTOPB), 0u);
  EXPECT_NE(modo.c_cflag & CRTSCTS, 0u);
  EXPECT_EQ(cfgetospeed(&modo), static_cast<speed_t>(B9600));
  EXPECT_EQ(modo.c_lflag & ICANON, 0u);
  // Control bytes of a frame pass untouched both ways.
  const std::string quadro = std::string("\x1b" "f05\n\r\x03\x00\x11", 9);
  int n = 0;
  ASSERT_TRUE(linha_.Envia(quadro.data(), static_cast<int>(quadro.size()), &n, true));
  EXPECT_EQ(n, 9);
  EXPECT_EQ(Chegou(), quadro);
  Responde(quadro);
  char recebido[9];
  ASSERT_TRUE(linha_.Recebe(recebido, 9, &n, 1));
  EXPECT_EQ(std::string(recebido, 9), quadro);
}

TEST_F(ParPty, EnviaLigaEDesligaOControleDeCtsConformePedido) {
  Abre();
  int n = 0;
  ASSERT_TRUE(linha_.Envia("ab", 2, &n, false));
  EXPECT_FALSE(CtsLigado());
  ASSERT_TRUE(linha_.Envia("cd", 2, &n, true));
  EXPECT_TRUE(CtsLigado());
  EXPECT_EQ(Chegou(), "abcd");
}

TEST_F(ParPty, CtsRetidoImpedeAEscritaSoQuandoPedido) {
  Abre();
  DefineConsultaModem(CtsDesligado);
  char texto[40];
  int n = -1;
  EXPECT_FALSE(linha_.CtsLivre());
  EXPECT_FALSE(linha_.Envia("ab", 2, &n, true));
  EXPECT_EQ(n, 0);
  EXPECT_EQ(linha_.UltimoErro(texto), 7);
  EXPECT_STREQ(texto, "Timeout de CTS");
  EXPECT_EQ(Chegou(), "");
  // Without the check the bytes go, and with flow control off the line is never held.
  EXPECT_TRUE(linha_.Envia("ab", 2, &n, false));
  EXPECT_TRUE(linha_.CtsLivre());
  EXPECT_EQ(Chegou(), "ab");
  DefineConsultaModem(CtsLigadoNaLinha);
  EXPECT_TRUE(linha_.Envia("cd", 2, &n, true));
  EXPECT_EQ(Chegou(), "cd");
}

TEST_F(ParPty, LinhaSemModemContaComoLivre) {
  Abre();
  // A pseudo-terminal cannot report its modem lines at all: the real query, then the seam.
  int linhas = 0;
  EXPECT_NE(ioctl(escravo_, TIOCMGET, &linhas), 0);
  EXPECT_TRUE(linha_.CtsLivre());
  DefineConsultaModem(SemLinhasDeModem);
  EXPECT_TRUE(linha_.CtsLivre());
  int n = 0;
  EXPECT_TRUE(linha_.Envia("ok", 2, &n, true));
  EXPECT_EQ(Chegou(), "ok");
}

TEST_F(ParPty, RecebeParcialReportaOsBytesEStatus10) {
  Abre();
  Responde("123456789012");
  char destino[30];
  int n = 0;
  char texto[40];
  EXPECT_FALSE(linha_.Recebe(destino, 30, &n, 1));
  EXPECT_EQ(n, 12);
  EXPECT_EQ(std::string(destino, 12), "123456789012");
  EXPECT_EQ(linha_.UltimoErro(texto), 10);
  EXPECT_STREQ(texto, "Erro desconhecido");
  // Nothing at all while clear-to-send is held: the printer holds the line.
  DefineConsultaModem(CtsDesligado);
  EXPECT_FALSE(linha_.Recebe(destino, 1, &n, 1));
  EXPECT_EQ(n, 0);
  EXPECT_EQ(linha_.UltimoErro(), 7);
}

TEST_F(ParPty, LimitesDeTransmissaoERecepcao) {
  ASSERT_TRUE(linha_.Abre(caminho_.c_str(), 9600, 4, 3));
  char bytes[8] = "abcdefg";
  int n = 0;
  char texto[40];
  EXPECT_FALSE(linha_.Envia(bytes, 4, &n, false));
  EXPECT_EQ(linha_.UltimoErro(texto), 6);
  EXPECT_STREQ(texto, "Buffer muito pequeno para comunicacao");
  EXPECT_FALSE(linha_.Recebe(bytes, 5, &n, 1));
  EXPECT_EQ(linha_.UltimoErro(), 6);
  // A negative count is refused the same way, before anything reaches the line.
  EXPECT_FALSE(linha_.Envia(bytes, -1, &n, false));
  EXPECT_EQ(linha_.UltimoErro(), 6);
  EXPECT_FALSE(linha_.Recebe(bytes, -1, &n, 1));
  EXPECT_EQ(linha_.UltimoErro(), 6);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(Chegou(), "");
}

TEST_F(ParPty, TemDadosEPurgaDaFilaDeRecepcao) {
  Abre();
  EXPECT_FALSE(linha_.TemDados(kFilaRecepcao));
  Responde("resto de resposta");
  EXPECT_TRUE(linha_.TemDados(kFilaRecepcao));
  EXPECT_FALSE(linha_.TemDados(kAmbasFilas));  // the transmit queue is empty
  EXPECT_TRUE(linha_.Purga(kFilaRecepcao));
  EXPECT_FALSE(linha_.TemDados(kFilaRecepcao));
}

TEST_F(ParPty, ParDesligadoDaErroDeDispositivo) {
  Abre();
  close(mestre_);
  mestre_ = -1;
  char destino[4];
  int n = 0;
  char texto[40];
  EXPECT_FALSE(linha_.Recebe(destino, 1, &n, 1));
  EXPECT_EQ(linha_.UltimoErro(texto), 15);
  EXPECT_STREQ(texto, "Erro no device durante a comunicacao");
  EXPECT_FALSE(linha_.Envia("x", 1, &n, true));
  EXPECT_EQ(linha_.UltimoErro(), 15);
  // Switching the flow control needs the line settings, which a hung-up line refuses.
  EXPECT_FALSE(linha_.Envia("x", 1, &n, false));
  EXPECT_EQ(linha_.UltimoErro(), 4);
}

TEST_F(ParPty, NomeComNAbreODispositivoDaVariavel) {
  setenv("PLENVO_COM3", caminho_.c_str(), 1);
  ASSERT_TRUE(linha_.Abre("COM3", 9600, 64, 64));
  int n = 0;
  ASSERT_TRUE(linha_.Envia("z", 1, &n, false));
  EXPECT_EQ(Chegou(), "z");
  char caminho[64];
  for (const char* nome : {"com3", "COM3:"}) {
    ASSERT_TRUE(CaminhoDoDispositivo(nome, caminho, sizeof caminho));
    EXPECT_EQ(caminho_, caminho) << nome;
  }
  unsetenv("PLENVO_COM3");
  const struct {
    const char* nome;
    const char* caminho;
  } sem_variavel[] = {{"COM3", "/dev/ttyS2"}, {"COM3:", "/dev/ttyS2"}, {"COM:", "COM:"}, {"COM3::", "COM3::"},
                      {"COM3:x", "COM3:x"}};
  for (const auto& c : sem_variavel) {
    ASSERT_TRUE(CaminhoDoDispositivo(c.nome, caminho, sizeof caminho));
    EXPECT_STREQ(caminho, c.caminho) << c.nome;
  }
  ASSERT_TRUE(CaminhoDoDispositivo("/dev/ttyUSB0", caminho, sizeof caminho));
  EXPECT_STREQ(caminho, "/dev/ttyUSB0");
  EXPECT_FALSE(CaminhoDoDispositivo("/dev/ttyUSB0", caminho, 8));
}

TEST(ErrosDeLinha, CadaFlagViraSeuStatusEOUltimoDaOrdemVence) {
  EXPECT_EQ(LinhaSerial::StatusDosErros(0, 9), 9);
  EXPECT_EQ(LinhaSerial::StatusDosErros(kErroBreak, 9), 14);
  EXPECT_EQ(LinhaSerial::StatusDosErros(kErroDispositivo, 9), 15);
  EXPECT_EQ(LinhaSerial::StatusDosErros(kErroFraming, 11), 12);
  EXPECT_EQ(LinhaSerial::StatusDosErros(kErroOverrun, 11), 13);
  EXPECT_EQ(LinhaSerial::StatusDosErros(kErroRecepcaoCheia, 11), 16);
  EXPECT_EQ(LinhaSerial::StatusDosErros(kErroParidade, 11), 17);
  EXPECT_EQ(LinhaSerial::StatusDosErros(kErroTransmissaoCheia, 9), 18);
  EXPECT_EQ(LinhaSerial::StatusDosErros(kErroOverrun | kErroParidade, 9), 17);
  EXPECT_EQ(LinhaSerial::StatusDosErros(kErroBreak | kErroFraming, 9), 12);
  EXPECT_EQ(LinhaSerial::StatusDosErros(0xFFFFFFFF, 9), 18);
  EXPECT_STREQ(LinhaSerial::TextoDoStatus(18), "Buffer de transmissao serial esta cheio");
  EXPECT_STREQ(LinhaSerial::TextoDoStatus(42), "Erro desconhecido");
}

TEST(ErrosDeLinha, ContadoresQueCrescemViramFlags) {
  ContadoresLinha antes{3, 1, 0, 0, 5};
  ContadoresLinha depois = antes;
  EXPECT_EQ(LinhaSerial::ErrosDosContadores(antes, depois), 0u);
  depois.overrun = 2;
  depois.paridade = 1;
  EXPECT_EQ(LinhaSerial::ErrosDosContadores(antes, depois), static_cast<std::uint32_t>(kErroOverrun | kErroParidade));
  depois = antes;
  depois.framing = 4;
  depois.breaks = 1;
  depois.recepcao_cheia = 6;
  EXPECT_EQ(LinhaSerial::ErrosDosContadores(antes, depois),
            static_cast<std::uint32_t>(kErroFraming | kErroBreak | kErroRecepcaoCheia));
}

}  // namespace
}  // namespace plenvo
