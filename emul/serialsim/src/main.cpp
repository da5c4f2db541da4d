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

void Uso() {
  std::fprintf(stderr,
               "usage: serialsim [-v] [-c line] [folder]\n"
               "  folder   context folder of the emulated printer (frame 60);\n"
               "           default: $XDG_STATE_HOME/serialsim or ~/.local/state/serialsim\n"
               "  -v       print every frame received, in hex, and every cheque printed, on standard error\n"
               "  -c line  the CMC-7 line of the cheque in the printer (frame 53); -c \"\": no cheque\n");
}

std::string PastaPadrao() {
  if (const char* estado = std::getenv("XDG_STATE_HOME"); estado && *estado)
    return std::string(estado) + "/serialsim";
  if (const char* casa = std::getenv("HOME"); casa && *casa) return std::string(casa) + "/.local/state/serialsim";
  return "serialsim";
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
  std::string pasta;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-v") == 0) {
      detalhado = true;
    } else if (std::strcmp(argv[i], "-c") == 0 && i + 1 < argc) {
      cmc7 = argv[++i];
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
  if (cmc7 != nullptr) {
    serialsim::Comportamento comportamento = simulador.respondedor().Configuracao();
    comportamento.linha_cmc7 = cmc7;
    simulador.respondedor().Configura(comportamento);
  }
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
