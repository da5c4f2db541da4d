// The JUnit XML report of tarnel-cli run: a test suite per command file, a test case per replayed
// command line, the difference (or the fault) as its failure. Texts come in Windows-1252 and are
// written as escaped UTF-8.
#pragma once
#include <string>
#include <vector>

namespace tarnel::cli {

struct CasoJUnit {
  std::string nome;
  enum class Resultado { Passou, Falhou, Erro } resultado = Resultado::Passou;
  std::string mensagem;  // the failure's or error's one-line summary
  std::string texto;     // its details
};

struct SuiteJUnit {
  std::string nome;
  std::vector<CasoJUnit> casos;
};

std::string ComporRelatorioJUnit(const std::vector<SuiteJUnit>& suites);

// A Windows-1252 text as XML character data in UTF-8: markup characters escaped, control characters
// that XML cannot hold replaced by "?". Unlike compat::xml_escaped, line breaks and tabs stay as they
// are, so that a failure's details read as lines in the report.
std::string TextoXml(const std::string& texto_cp1252);

}  // namespace tarnel::cli
