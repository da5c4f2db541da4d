#include "tela_grafica.h"

#include <cstring>

namespace tarnel::gui {

bool HaTelaGrafica(int argc, char** argv, const std::function<const char*(const char*)>& variavel) {
#if defined(_WIN32) || defined(__APPLE__)
  (void)argc;
  (void)argv;
  (void)variavel;
  return true;
#else
  for (const char* nome : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* valor = variavel(nome);
    if (valor != nullptr && *valor != '\0') return true;
  }
  // Qt takes its options with one dash or two.
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
  return false;
#endif
}

}  // namespace tarnel::gui
