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

// The value of one of Qt's options (it takes them with one dash or two); nullptr when absent.
const char* Opcao(int argc, char** argv, const char* nome) {
  for (int i = 1; i + 1 < argc; ++i) {
    const char* texto = argv[i];
    if (texto[0] == '-' && texto[1] == '-') ++texto;
    if (texto[0] == '-' && std::strcmp(texto + 1, nome) == 0) return argv[i + 1];
  }
  return nullptr;
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
  return Opcao(argc, argv, "platform") != nullptr || Opcao(argc, argv, "display") != nullptr;
#endif
}

std::optional<std::string> TelaX(int argc, char** argv, const std::function<const char*(const char*)>& variavel) {
#if defined(_WIN32) || defined(__APPLE__)
  (void)argc;
  (void)argv;
  (void)variavel;
  return std::nullopt;
#else
  const char* plataforma = Opcao(argc, argv, "platform");
  if (plataforma == nullptr && Definida(variavel, "QT_QPA_PLATFORM")) plataforma = variavel("QT_QPA_PLATFORM");
  if (plataforma != nullptr && std::strncmp(plataforma, "xcb", 3) != 0) return std::nullopt;
  if (plataforma == nullptr && Definida(variavel, "WAYLAND_DISPLAY")) return std::nullopt;
  if (const char* opcao = Opcao(argc, argv, "display")) return std::string(opcao);
  if (Definida(variavel, "DISPLAY")) return std::string(variavel("DISPLAY"));
  // X chosen, and no display named: none opens.
  return plataforma != nullptr ? std::optional<std::string>(std::string()) : std::nullopt;
#endif
}

bool TelaXAbre(const std::string& display) {
#ifdef TARNEL_XCB
  xcb_connection_t* conexao = xcb_connect(display.c_str(), nullptr);
  const bool abre = xcb_connection_has_error(conexao) == 0;
  xcb_disconnect(conexao);
  return abre;
#else
  (void)display;
  return true;  // no way to tell here: Qt will say
#endif
}

}  // namespace tarnel::gui
