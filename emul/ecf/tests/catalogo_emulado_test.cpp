// The emulator against the protocol's vocabulary: only error names that exist in the protocol
// table. (A handler for every catalogued command is checked when the handler table compiles.)
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "gtest/gtest.h"
#include "quorbal/erros.h"

namespace ecf {
namespace {

TEST(CatalogoEmulado, NomesDeErroExistemNaTabela) {
  int achados = 0;
  std::regex erro("Erro\\(\\s*\"([A-Za-z0-9]+)\"");
  for (const auto& entrada : std::filesystem::recursive_directory_iterator(ECF_FONTES)) {
    if (entrada.path().extension() != ".cpp" && entrada.path().extension() != ".h") continue;
    std::ifstream f(entrada.path());
    std::stringstream texto;
    texto << f.rdbuf();
    std::string s = texto.str();
    for (std::sregex_iterator it(s.begin(), s.end(), erro), fim; it != fim; ++it) {
      ++achados;
      EXPECT_GE(quorbal::CodigoDoErro((*it)[1].str()), 0) << (*it)[1].str() << " em " << entrada.path();
    }
  }
  EXPECT_GT(achados, 150);
}

}  // namespace
}  // namespace ecf
