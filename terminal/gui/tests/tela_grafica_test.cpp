// When the window's program finds a screen to open on (the program itself is run without one by
// sem_tela.sh).
#include "tela_grafica.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

#if !defined(_WIN32) && !defined(__APPLE__)
// f as the program calls it: its name and these arguments on the command line, these variables set.
template <typename F>
auto Chama(const std::map<std::string, std::string>& variaveis, const std::vector<std::string>& argumentos, F f) {
  std::vector<std::string> textos{"tarnel"};
  textos.insert(textos.end(), argumentos.begin(), argumentos.end());
  std::vector<char*> argv;
  for (std::string& texto : textos) argv.push_back(texto.data());
  const auto variavel = [&](const char* nome) -> const char* {
    const auto achada = variaveis.find(nome);
    return achada == variaveis.end() ? nullptr : achada->second.c_str();
  };
  return f(static_cast<int>(argv.size()), argv.data(), variavel);
}

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
      {{}, {"-display", ":0"}, true},
      {{}, {"--help-platform"}, false},
  };
  for (const Caso& caso : casos) {
    EXPECT_EQ(Chama(caso.variaveis, caso.argumentos, tarnel::gui::HaTelaGrafica), caso.tela)
        << testing::PrintToString(caso.variaveis) << " " << testing::PrintToString(caso.argumentos);
  }
}

// The X display Qt will try, which the program tries first.
TEST(HaTelaGrafica, TelaXEhAQueOQtVaiAbrir) {
  struct Caso {
    std::map<std::string, std::string> variaveis;
    std::vector<std::string> argumentos;
    std::optional<std::string> x;
  };
  const Caso casos[] = {
      {{{"DISPLAY", ":0"}}, {}, ":0"},
      {{{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}, {}, ":0"},
      {{{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}, {}, std::nullopt},
      {{{"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "offscreen"}}, {}, std::nullopt},
      {{{"DISPLAY", ":0"}}, {"-platform", "offscreen"}, std::nullopt},
      {{{"DISPLAY", ":987"}}, {"-display", ":5"}, ":5"},
      {{}, {"--display", ":5"}, ":5"},
      {{{"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "xcb"}}, {}, ":0"},
      {{{"DISPLAY", ":0"}}, {"--platform", "xcb"}, ":0"},
      {{{"QT_QPA_PLATFORM", "xcb"}}, {}, ""},
      {{{"WAYLAND_DISPLAY", "wayland-0"}}, {"-platform", "xcb"}, ""},
      {{{"DISPLAY", ""}}, {}, std::nullopt},
      {{}, {}, std::nullopt},
  };
  for (const Caso& caso : casos)
    EXPECT_EQ(Chama(caso.variaveis, caso.argumentos, tarnel::gui::TelaX), caso.x)
        << testing::PrintToString(caso.variaveis) << " " << testing::PrintToString(caso.argumentos);
}
#endif

}  // namespace
