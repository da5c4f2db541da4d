// When the window's program finds a screen to open on (the program itself is run without one by
// sem_tela.sh).
#include "tela_grafica.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

#if !defined(_WIN32) && !defined(__APPLE__)
TEST(HaTelaGrafica, ANonEmptyVariableOrQtsPlatformOptionGiveAScreen) {
  struct Caso {
    std::map<std::string, std::string> variaveis;
    std::vector<std::string> argumentos;
    bool tela;
  };
  const Caso casos[] = {
      {{}, {}, false},
      {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}, {}, false},
      {{{"DISPLAY", ":0"}}, {}, true},
      {{{"WAYLAND_DISPLAY", "wayland-0"}}, {}, true},
      {{{"QT_QPA_PLATFORM", "offscreen"}}, {}, true},
      {{}, {"-platform", "offscreen"}, true},
      {{}, {"--platform", "offscreen"}, true},
      {{}, {"-platform"}, false},  // no platform after it: Qt refuses the option
      {{}, {"--help-platform"}, false},
  };
  for (const Caso& caso : casos) {
    std::vector<std::string> textos{"tarnel"};
    textos.insert(textos.end(), caso.argumentos.begin(), caso.argumentos.end());
    std::vector<char*> argv;
    for (std::string& texto : textos) argv.push_back(texto.data());
    const auto variavel = [&](const char* nome) -> const char* {
      const auto achada = caso.variaveis.find(nome);
      return achada == caso.variaveis.end() ? nullptr : achada->second.c_str();
    };
    EXPECT_EQ(tarnel::gui::HaTelaGrafica(static_cast<int>(argv.size()), argv.data(), variavel), caso.tela)
        << testing::PrintToString(caso.variaveis) << " " << testing::PrintToString(caso.argumentos);
  }
}
#endif

}  // namespace
