#include "tela_grafica.h"

#include <cstring>

#ifdef TARNEL_XCB
#include <xcb/xcb.h>
#endif

namespace tarnel::gui {

namespace {

bool Definida(const std::function<const char*(const char*)>& variavel, const char* nome) {
  const char* valor = variavel(nome);
  return valor != nullptr && *valor != '\0';
}

// Qt takes its options with one dash or two.
bool PlataformaEscolhida(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
  return false;
}

}  // namespace

bool HaTelaGrafica(int argc, char** argv, const std::function<const char*(const char*)>& variavel) {
#if defined(_WIN32) || defined(__APPLE__)
  (void)argc;
  (void)argv;
  (void)variavel;
  return true;
#else
  for (const char* nome : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (Definida(variavel, nome)) return true;
  return PlataformaEscolhida(argc, argv);
#endif
}

const char* SoTelaX(int argc, char** argv, const std::function<const char*(const char*)>& variavel) {
#if defined(_WIN32) || defined(__APPLE__)
  (void)argc;
  (void)argv;
  (void)variavel;
  return nullptr;
#else
  if (!Definida(variavel, "DISPLAY") || Definida(variavel, "WAYLAND_DISPLAY") || Definida(variavel, "QT_QPA_PLATFORM") ||
      PlataformaEscolhida(argc, argv))
    return nullptr;
  return variavel("DISPLAY");
#endif
}

bool TelaXAbre(const char* display) {
#ifdef TARNEL_XCB
  xcb_connection_t* conexao = xcb_connect(display, nullptr);
  const bool abre = xcb_connection_has_error(conexao) == 0;
  xcb_disconnect(conexao);
  return abre;
#else
  (void)display;
  return true;  // no way to tell here: Qt will say
#endif
}

}  // namespace tarnel::gui
