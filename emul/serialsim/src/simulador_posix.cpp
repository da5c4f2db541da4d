// The printer behind a POSIX pseudo-terminal. The master side is ours; the host opens the slave.
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

#include "serialsim/simulador.h"
#include "vigia_fechamento.h"

namespace serialsim {

struct Simulador::Estado {
  explicit Estado(const std::string& pasta) : respondedor(pasta) {}

  bool Abre();
  void Serve();
  void Fecha();
  void Responde(bool silencio, std::string& saida);
  bool Le(std::string& saida);
  void FimDaSessao(std::string& saida);

  Respondedor respondedor;
  int mestre = -1;
  // Our own descriptor on the slave keeps the pair alive between two host sessions (the master
  // would otherwise see a hang-up and nothing to wait on) and carries the raw line settings.
  int escravo = -1;
  VigiaFechamento fechamentos;
  int aviso[2] = {-1, -1};  // written to stop the serving thread
  std::string caminho;
  std::string erro;
  std::thread servo;
  // Held while a step of the serving loop reads, answers and writes, so that an observer never sees
  // a frame between the line and the answer.
  std::mutex passo;
  bool saida_vazia = true;  // everything answered is on the line (under passo)
  std::atomic<bool> desliga_apos_resposta{false};
};

namespace {

// What the host's port holds of answers it does not read. While that much waits, further answers
// are lost, as bytes past a full receive queue are; an answer of any length still goes whole to a
// host that reads.
constexpr std::size_t kSaidaRetida = 4096;

constexpr std::size_t kBloco = 4096;
// More blocks than a pseudo-terminal holds (some 68 KiB): enough to take all a host left on the line
// when it closed, without following for ever another host that keeps writing.
constexpr int kBlocosNaLinha = 32;

std::string Falha(const char* o_que) { return std::string(o_que) + ": " + std::strerror(errno); }

void FechaDescritor(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

}  // namespace

bool Simulador::Estado::Abre() {
  mestre = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (mestre < 0) return erro = Falha("posix_openpt"), false;
  if (grantpt(mestre) != 0) return erro = Falha("grantpt"), false;
  if (unlockpt(mestre) != 0) return erro = Falha("unlockpt"), false;
  char nome[128];
  if (ptsname_r(mestre, nome, sizeof nome) != 0) return erro = Falha("ptsname"), false;
  caminho = nome;
  if (fcntl(mestre, F_SETFL, fcntl(mestre, F_GETFL) | O_NONBLOCK) != 0) return erro = Falha("fcntl"), false;
  escravo = open(nome, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (escravo < 0) return erro = Falha(nome), false;
  // Raw line: no byte of a frame or an answer may be translated, echoed or taken as a signal.
  termios modo{};
  if (tcgetattr(escravo, &modo) != 0) return erro = Falha("tcgetattr"), false;
  cfmakeraw(&modo);
  cfsetispeed(&modo, B9600);
  cfsetospeed(&modo, B9600);
  if (tcsetattr(escravo, TCSANOW, &modo) != 0) return erro = Falha("tcsetattr"), false;
  if (!fechamentos.Vigia(caminho)) return erro = Falha("inotify"), false;
  if (pipe2(aviso, O_CLOEXEC) != 0) return erro = Falha("pipe"), false;
  return true;
}

void Simulador::Estado::Responde(bool silencio, std::string& saida) {
  std::string resposta;
  while (respondedor.ProximaResposta(silencio, resposta))
    if (saida.size() < kSaidaRetida) saida += resposta;
}

// Takes one block of what the host sent and answers the frames it completes; false when nothing
// was there. A read also waits for the bytes the kernel is still carrying over to our side.
bool Simulador::Estado::Le(std::string& saida) {
  char bloco[kBloco];
  const ssize_t n = read(mestre, bloco, sizeof bloco);
  if (n <= 0) return false;
  respondedor.Acrescenta(std::string(bloco, static_cast<std::size_t>(n)));
  Responde(false, saida);
  return true;
}

// A host closed the line: what the kernel would do on the last close of the slave, had we not kept
// it open. A host killed in the middle of a call leaves exclusive mode on, and every other user
// would be refused the device until we restart; a host that is well behaved has cleared it already.
// Its stream has ended as surely as if the line had gone quiet: a frame it left unfinished is
// given up then, instead of swallowing the next host's. The answers it left unread go with it, as
// they do with a port that closes, instead of reaching the next host.
void Simulador::Estado::FimDaSessao(std::string& saida) {
  ioctl(escravo, TIOCNXCL);
  Responde(true, saida);
  tcflush(escravo, TCIFLUSH);
  saida.clear();
}

void Simulador::Estado::Serve() {
  std::string saida;
  // Set once a frame is answered while the printer is to hang up: it does so when that answer is
  // all on the line, at once when the answer was cut to nothing.
  bool desliga = false;
  while (true) {
    pollfd fds[3] = {{mestre, static_cast<short>(POLLIN | (saida.empty() ? 0 : POLLOUT)), 0},
                     {aviso[0], POLLIN, 0},
                     {fechamentos.Descritor(), POLLIN, 0}};
    const int espera = respondedor.Pendente() ? std::max(respondedor.Configuracao().silencio_ms, 10) : -1;
    const int prontos = poll(fds, 3, espera);
    if (prontos < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents) return;
    std::lock_guard<std::mutex> trava(passo);
    const unsigned long respondidos = respondedor.Respondidos();
    bool reaberta = false;
    if ((fds[2].revents & POLLIN) && fechamentos.Fechou(reaberta)) {
      // What the host wrote before closing is part of its session, though it may not have reached
      // us yet. Once another host has opened the line, what is there may be the new one's: its
      // session starts with the next read.
      for (int i = 0; i < kBlocosNaLinha && !reaberta && Le(saida); ++i) continue;
      FimDaSessao(saida);
    }
    if (prontos == 0) Responde(true, saida);
    if (fds[0].revents & POLLIN) {
      Le(saida);
    } else if (fds[0].revents & (POLLHUP | POLLERR)) {
      // Should not happen while we hold the slave; do not spin if it does.
      poll(&fds[1], 1, 10);
    }
    if (desliga_apos_resposta && respondedor.Respondidos() != respondidos) desliga = true;
    bool escreveu = false;
    if (!saida.empty()) {
      const ssize_t n = write(mestre, saida.data(), saida.size());
      if (n > 0) saida.erase(0, static_cast<std::size_t>(n));
      escreveu = n > 0;
    }
    saida_vazia = saida.empty();
    if (desliga && saida.empty()) {
      // Long enough for the host to take what was sent (the hang-up discards what it has not read),
      // well within the 100 ms it allows between two bytes.
      if (escreveu) std::this_thread::sleep_for(std::chrono::milliseconds(40));
      FechaDescritor(escravo);
      FechaDescritor(mestre);
      return;
    }
  }
}

void Simulador::Estado::Fecha() {
  if (servo.joinable()) {
    const char c = 0;
    (void)!write(aviso[1], &c, 1);
    servo.join();
  }
  FechaDescritor(escravo);
  FechaDescritor(mestre);
  fechamentos.Fecha();
  FechaDescritor(aviso[0]);
  FechaDescritor(aviso[1]);
}

Simulador::Simulador(const std::string& pasta_emulador) : estado_(std::make_unique<Estado>(pasta_emulador)) {}

Simulador::~Simulador() { Para(); }

bool Simulador::Inicia() {
  if (estado_->servo.joinable()) return true;
  Estado& e = *estado_;
  e.erro.clear();
  if (!e.Abre()) {
    e.Fecha();
    return false;
  }
  e.servo = std::thread([&e] { e.Serve(); });
  return true;
}

std::string Simulador::Caminho() const { return estado_->caminho; }

std::string Simulador::Erro() const { return estado_->erro; }

void Simulador::Para() { estado_->Fecha(); }

// Closing the master is what a printer switched off looks like to the host: its reads fail and the
// device node goes away.
void Simulador::DesligaPar() { estado_->Fecha(); }

void Simulador::DesligaAposResponder() { estado_->desliga_apos_resposta = true; }

Respondedor& Simulador::respondedor() { return estado_->respondedor; }

bool Simulador::EsperaOcioso(int limite_ms) {
  Estado& e = *estado_;
  const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(limite_ms);
  while (true) {
    {
      std::lock_guard<std::mutex> trava(e.passo);
      int por_ler = 0;
      if (e.mestre < 0) return true;
      if (ioctl(e.mestre, FIONREAD, &por_ler) == 0 && por_ler == 0 && e.saida_vazia && !e.respondedor.Pendente() &&
          e.fechamentos.Ocioso())
        return true;
    }
    if (std::chrono::steady_clock::now() >= limite) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace serialsim
