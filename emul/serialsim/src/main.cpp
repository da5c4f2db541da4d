// serialsim: a fiscal printer on a pseudo-terminal. Prints the device path for the host to open
// and serves until interrupted.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "serialsim/simulador.h"

namespace {

// The usage text: on standard output when asked for (-h, --help), on standard error after a mistake.
void Uso(std::FILE* destino = stderr) {
  std::fprintf(destino,
               "usage: serialsim [-v] [-c line] [-f fault] [folder]\n"
               "  folder   context folder of the emulated printer (frame 60);\n"
               "           default: $XDG_STATE_HOME/serialsim or ~/.local/state/serialsim\n"
               "  -v       print every frame received, in hex, and every cheque printed, on standard error\n"
               "  -c line  the CMC-7 line of the cheque in the printer (frame 53); -c \"\": no cheque\n"
               "  -f fault a faulty printer: mudo (never answers), curta:N (the first answer stops after\n"
               "           N bytes), desliga:N (N bytes of the first answer, then the printer hangs up;\n"
               "           desliga:0 hangs up on the first frame without a byte of answer)\n");
}

std::string PastaPadrao() {
  if (const char* estado = std::getenv("XDG_STATE_HOME"); estado && *estado)
    return std::string(estado) + "/serialsim";
  if (const char* casa = std::getenv("HOME"); casa && *casa) return std::string(casa) + "/.local/state/serialsim";
  return "serialsim";
}

// The printer's fault from "-f"; false when the text names none.
struct Falha {
  bool mudo = false;
  int corte = -1;  // bytes of the first answer sent, -1: all
  bool desliga = false;
};

bool LeFalha(const char* texto, Falha* falha) {
  if (std::strcmp(texto, "mudo") == 0) return falha->mudo = true;
  const char* numero = nullptr;
  if (std::strncmp(texto, "curta:", 6) == 0) {
    numero = texto + 6;
  } else if (std::strncmp(texto, "desliga:", 8) == 0) {
    numero = texto + 8;
    falha->desliga = true;
  }
  if (numero == nullptr || *numero < '0' || *numero > '9') return false;
  char* fim = nullptr;
  const long bytes = std::strtol(numero, &fim, 10);
  if (*fim != '\0' || bytes > 1000000) return false;
  falha->corte = static_cast<int>(bytes);
  return true;
}

void MostraQuadro(const std::string& quadro) {
  for (unsigned char c : quadro) std::fprintf(stderr, "%02X", c);
  std::fputc('\n', stderr);
}

// The frames and, after them, the cheques they printed.
void MostraNovidades(serialsim::Respondedor& respondedor) {
  for (const std::string& quadro : respondedor.RetiraQuadros()) MostraQuadro(quadro);
  for (const std::string& cheque : respondedor.RetiraCheques()) std::fputs(cheque.c_str(), stderr);
}

}  // namespace

int main(int argc, char** argv) {
  bool detalhado = false;
  const char* cmc7 = nullptr;
  Falha falha;
  std::string pasta;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
      Uso(stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "-v") == 0) {
      detalhado = true;
    } else if (std::strcmp(argv[i], "-c") == 0 && i + 1 < argc) {
      cmc7 = argv[++i];
    } else if (std::strcmp(argv[i], "-f") == 0 && i + 1 < argc) {
      if (!LeFalha(argv[++i], &falha)) {
        Uso();
        return 2;
      }
    } else if (argv[i][0] == '-' || !pasta.empty()) {
      Uso();
      return 2;
    } else {
      pasta = argv[i];
    }
  }
  if (pasta.empty()) pasta = PastaPadrao();
  std::error_code erro;
  std::filesystem::create_directories(pasta, erro);
  if (erro) {
    std::fprintf(stderr, "serialsim: cannot create the folder %s: %s\n", pasta.c_str(),
                 erro.message().c_str());
    return 1;
  }

  // Blocked before the serving thread starts, so that only sigwait below receives them.
  sigset_t sinais;
  sigemptyset(&sinais);
  sigaddset(&sinais, SIGINT);
  sigaddset(&sinais, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &sinais, nullptr);

  serialsim::Simulador simulador(pasta);
  serialsim::Comportamento comportamento = simulador.respondedor().Configuracao();
  if (cmc7 != nullptr) comportamento.linha_cmc7 = cmc7;
  comportamento.mudo = falha.mudo;
  comportamento.resposta_curta = falha.corte;
  simulador.respondedor().Configura(comportamento);
  if (falha.desliga) simulador.DesligaAposResponder();
  if (!simulador.Inicia()) {
    std::fprintf(stderr, "serialsim: %s\n", simulador.Erro().c_str());
    return 1;
  }
  std::printf("%s\n", simulador.Caminho().c_str());
  std::fflush(stdout);

  int sinal = 0;
  if (detalhado) {
    // Show frames as they come, looking for the stop signal in between.
    const timespec intervalo{0, 100 * 1000 * 1000};
    while ((sinal = sigtimedwait(&sinais, nullptr, &intervalo)) < 0) MostraNovidades(simulador.respondedor());
    MostraNovidades(simulador.respondedor());
  } else {
    sigwait(&sinais, &sinal);
  }
  simulador.Para();
  return 0;
}
