// LinhaSerial over termios; the waits for received bytes are poll()s.
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#ifdef __linux__
#include <linux/serial.h>
#endif

#include "chamadas_modo.h"
#include "compat/native_path.h"
#include "consulta_modem.h"
#include "linha_serial.h"
#include "lugares/lugares.h"

namespace plenvo {
namespace {

int ConsultaModemDoSistema(int descritor, int* linhas) { return ioctl(descritor, TIOCMGET, linhas); }

ConsultaModem consulta_modem = ConsultaModemDoSistema;

constexpr ChamadasModo kModoDoSistema{tcgetattr, tcsetattr};
ChamadasModo chamadas_modo = kModoDoSistema;

speed_t Velocidade(unsigned long baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B0;
  }
}

// The driver's error counters; false where it keeps none (a pseudo-terminal, for one).
bool LeContadores(int descritor, ContadoresLinha* contadores) {
#if defined(__linux__) && defined(TIOCGICOUNT)
  serial_icounter_struct contagem{};
  if (ioctl(descritor, TIOCGICOUNT, &contagem) != 0) return false;
  contadores->framing = contagem.frame;
  contadores->overrun = contagem.overrun;
  contadores->paridade = contagem.parity;
  contadores->breaks = contagem.brk;
  contadores->recepcao_cheia = contagem.buf_overrun;
  return true;
#else
  (void)descritor;
  (void)contadores;
  return false;
#endif
}

}  // namespace

void DefineConsultaModem(ConsultaModem consulta) {
  consulta_modem = consulta != nullptr ? consulta : ConsultaModemDoSistema;
}

void DefineChamadasModo(const ChamadasModo* chamadas) {
  chamadas_modo = chamadas != nullptr ? *chamadas : kModoDoSistema;
}

int LinhaSerial::AbreNativo(const char* dispositivo, unsigned long baud) {
  char caminho[PATH_MAX];
  if (!CaminhoDoDispositivo(dispositivo, caminho, sizeof caminho)) return kLinhaErroAbertura;
  // The system's name in a buffer of ours: the line opens for every exchange, which allocates nothing.
  char nativo[2 * PATH_MAX];
  if (!compat::native_path(caminho, nativo, sizeof nativo)) return kLinhaErroAbertura;
  // Non-blocking open so that a port without carrier does not hang; reads and writes block.
  const int descritor = open(nativo, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (descritor < 0) return kLinhaErroAbertura;
  if (ioctl(descritor, TIOCEXCL) != 0 || fcntl(descritor, F_SETFL, 0) != 0) {
    close(descritor);
    return kLinhaErroAbertura;
  }
  termios modo{};
  const speed_t velocidade = Velocidade(baud);
  if (chamadas_modo.le(descritor, &modo) != 0 || velocidade == B0) {
    close(descritor);
    return kLinhaErroConfiguracao;
  }
  cfmakeraw(&modo);
  modo.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
  modo.c_cflag |= CS8 | CREAD | CLOCAL | CRTSCTS;
  modo.c_iflag &= ~(INPCK | IXON | IXOFF);
  modo.c_cc[VMIN] = 0;
  modo.c_cc[VTIME] = 0;
  if (cfsetispeed(&modo, velocidade) != 0 || cfsetospeed(&modo, velocidade) != 0 ||
      chamadas_modo.grava(descritor, TCSANOW, &modo) != 0) {
    close(descritor);
    return kLinhaErroConfiguracao;
  }
  manipulador_ = descritor;
  LeContadores(descritor, &contadores_);
  return kLinhaOk;
}

void LinhaSerial::FechaNativo() {
  const int descritor = static_cast<int>(manipulador_);
  ioctl(descritor, TIOCNXCL);
  close(descritor);
}

bool LinhaSerial::PurgaNativa(bool recepcao, bool transmissao) {
  const int descritor = static_cast<int>(manipulador_);
  if (recepcao && tcflush(descritor, TCIFLUSH) != 0) return false;
  if (transmissao && tcflush(descritor, TCOFLUSH) != 0) return false;
  return true;
}

bool LinhaSerial::ConsultaFilas(unsigned* recepcao, unsigned* transmissao, bool* cts_retido) {
  const int descritor = static_cast<int>(manipulador_);
  int na_recepcao = 0, na_transmissao = 0;
  if (ioctl(descritor, FIONREAD, &na_recepcao) != 0 || ioctl(descritor, TIOCOUTQ, &na_transmissao) != 0) return false;
  if (na_recepcao <= 0) {
    // Some drivers still count an empty queue once the other end has hung up; poll tells.
    pollfd alvo_poll{descritor, POLLIN, 0};
    if (poll(&alvo_poll, 1, 0) > 0 && (alvo_poll.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return false;
  }
  *recepcao = na_recepcao > 0 ? static_cast<unsigned>(na_recepcao) : 0;
  *transmissao = na_transmissao > 0 ? static_cast<unsigned>(na_transmissao) : 0;
  // A line whose modem lines cannot be asked (a pseudo-terminal) is never held.
  int linhas = 0;
  *cts_retido = usa_cts_ && consulta_modem(descritor, &linhas) == 0 && (linhas & TIOCM_CTS) == 0;
  return true;
}

bool LinhaSerial::AjustaCts(bool usa_cts) {
  const int descritor = static_cast<int>(manipulador_);
  termios modo{};
  if (chamadas_modo.le(descritor, &modo) != 0) return false;
  if (usa_cts)
    modo.c_cflag |= CRTSCTS;
  else
    modo.c_cflag &= ~CRTSCTS;
  return chamadas_modo.grava(descritor, TCSANOW, &modo) == 0;
}

bool LinhaSerial::EscreveNativo(const void* bytes, int quantidade, int* escritos) {
  const int descritor = static_cast<int>(manipulador_);
  const auto* origem = static_cast<const unsigned char*>(bytes);
  int feitos = 0;
  while (feitos < quantidade) {
    const ssize_t n = write(descritor, origem + feitos, static_cast<size_t>(quantidade - feitos));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      RegistraErrosDeLinha(n < 0 ? errno : EIO);
      *escritos = feitos;
      return false;
    }
    feitos += static_cast<int>(n);
  }
  *escritos = feitos;
  return true;
}

int LinhaSerial::EsperaBytes(void* destino, int quantidade, int espera_ms) {
  const int descritor = static_cast<int>(manipulador_);
  const long long limite = AgoraMs() + espera_ms;
  while (true) {
    const long long resta = limite - AgoraMs();
    pollfd alvo_poll{descritor, POLLIN, 0};
    const int pronto = poll(&alvo_poll, 1, resta > 0 ? static_cast<int>(resta) : 0);
    if (pronto < 0 && errno == EINTR) continue;
    if (pronto < 0) {
      RegistraErrosDeLinha(errno);
      return -1;
    }
    if (pronto == 0) return 0;
    if ((alvo_poll.revents & POLLIN) == 0) {  // hang-up or error with nothing to read: the peer is gone
      RegistraErrosDeLinha(EIO);
      return -1;
    }
    const ssize_t n = read(descritor, destino, static_cast<size_t>(quantidade));
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) {
      RegistraErrosDeLinha(n < 0 ? errno : EIO);
      return -1;
    }
    return static_cast<int>(n);
  }
}

void LinhaSerial::RegistraErrosDeLinha(int erro_sistema) {
  ContadoresLinha agora{};
  if (LeContadores(static_cast<int>(manipulador_), &agora)) {
    erros_linha_ |= ErrosDosContadores(contadores_, agora);
    contadores_ = agora;
  }
  if (erro_sistema == EIO || erro_sistema == ENXIO || erro_sistema == ENODEV) erros_linha_ |= kErroDispositivo;
  if (erro_sistema == ENOBUFS || erro_sistema == ENOSPC) erros_linha_ |= kErroTransmissaoCheia;
}

}  // namespace plenvo
