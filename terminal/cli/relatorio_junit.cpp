#include "relatorio_junit.h"

#include "compat/cp1252.h"

namespace tarnel::cli {

std::string TextoXml(const std::string& texto_cp1252) {
  std::string escapado;
  for (const char c : texto_cp1252) {
    switch (c) {
      case '&': escapado += "&amp;"; break;
      case '<': escapado += "&lt;"; break;
      case '>': escapado += "&gt;"; break;
      case '"': escapado += "&quot;"; break;
      case '\'': escapado += "&apos;"; break;
      case '\t':
      case '\n':
      case '\r': escapado += c; break;
      default: escapado += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
  }
  return compat::cp1252_to_utf8(escapado);
}

namespace {

std::size_t Conta(const SuiteJUnit& suite, CasoJUnit::Resultado resultado) {
  std::size_t total = 0;
  for (const CasoJUnit& caso : suite.casos) total += caso.resultado == resultado;
  return total;
}

void ComporCaso(std::string& xml, const std::string& classe, const CasoJUnit& caso) {
  xml += "    <testcase classname=\"" + TextoXml(classe) + "\" name=\"" + TextoXml(caso.nome) + "\"";
  if (caso.resultado == CasoJUnit::Resultado::Passou) {
    xml += "/>\n";
    return;
  }
  const char* marca = caso.resultado == CasoJUnit::Resultado::Falhou ? "failure" : "error";
  xml += ">\n      <" + std::string(marca) + " message=\"" + TextoXml(caso.mensagem) + "\">" + TextoXml(caso.texto) +
         "</" + marca + ">\n    </testcase>\n";
}

}  // namespace

std::string ComporRelatorioJUnit(const std::vector<SuiteJUnit>& suites) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites>\n";
  for (const SuiteJUnit& suite : suites) {
    xml += "  <testsuite name=\"" + TextoXml(suite.nome) + "\" tests=\"" + std::to_string(suite.casos.size()) +
           "\" failures=\"" + std::to_string(Conta(suite, CasoJUnit::Resultado::Falhou)) + "\" errors=\"" +
           std::to_string(Conta(suite, CasoJUnit::Resultado::Erro)) + "\">\n";
    for (const CasoJUnit& caso : suite.casos) ComporCaso(xml, suite.nome, caso);
    xml += "  </testsuite>\n";
  }
  return xml + "</testsuites>\n";
}

}  // namespace tarnel::cli
