#include "spreadsheet/converte_decimal.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "spreadsheet/macros_planilha.h"

namespace tarnel {
namespace {

constexpr int kMaximoDigitos = 18;  // what an int64 holds without overflow

double Potencia10(int n) {
  double p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

// Rounded to 4 decimal places, so that 12.5 computed from 1250 / 100 compares equal to the literal.
double QuatroCasas(double x) { return std::round(x * 10000.0) / 10000.0; }

}  // namespace

double ConverteDecimal(const std::string& texto, int d) {
  std::string digitos;
  const auto virgula = texto.rfind(',');
  int decimais = 0;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c < '0' || c > '9') continue;
    if (virgula != std::string::npos && i > virgula) {
      if (decimais == d) continue;  // cut, not rounded
      ++decimais;
    }
    digitos += c;
  }
  if (virgula != std::string::npos)
    for (; decimais < d; ++decimais) digitos += '0';
  else
    decimais = 0;
  // Leading zeros do not count against the width an int64 holds.
  const auto primeiro = digitos.find_first_not_of('0');
  digitos = primeiro == std::string::npos ? "0" : digitos.substr(primeiro);
  // Digits beyond what an int64 holds keep their weight: the number is only no longer exact.
  int excedentes = 0;
  if (static_cast<int>(digitos.size()) > kMaximoDigitos) {
    excedentes = static_cast<int>(digitos.size()) - kMaximoDigitos;
    digitos.resize(kMaximoDigitos);
  }
  std::int64_t inteiro = 0;
  std::from_chars(digitos.data(), digitos.data() + digitos.size(), inteiro);
  const auto sinal = texto.find_first_not_of(' ');
  const bool negativo = sinal != std::string::npos && texto[sinal] == '-';
  const double valor =
      QuatroCasas(static_cast<double>(inteiro) * Potencia10(excedentes) / Potencia10(decimais));
  return negativo ? -valor : valor;
}

std::string TextoDecimal(double x) {
  if (!std::isfinite(x)) return "0";
  if (x == 0) x = 0;  // no "-0"
  char buffer[400];
  auto [fim, erro] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
  if (erro != std::errc()) return "0";
  std::string texto(buffer, fim);
  for (char& c : texto)
    if (c == '.') c = ',';
  return texto;
}

std::string TextoDecimalMostrado(double x) { return TextoDecimal(NumeroMostrado(x)); }

double NumeroPlanilha(const ValorPlanilha& valor) {
  if (const auto* d = std::get_if<double>(&valor)) return *d;
  if (const auto* i = std::get_if<std::int32_t>(&valor)) return *i;
  if (const auto* b = std::get_if<bool>(&valor)) return *b ? 1 : 0;
  const std::string& texto = std::get<std::string>(valor);
  const auto virgula = texto.rfind(',');
  const int decimais = virgula == std::string::npos ? 0 : static_cast<int>(texto.size() - virgula - 1);
  return ConverteDecimal(texto, decimais < 4 ? decimais : 4);
}

std::string TextoPlanilha(const ValorPlanilha& valor) {
  if (const auto* texto = std::get_if<std::string>(&valor)) return *texto;
  if (const auto* i = std::get_if<std::int32_t>(&valor)) return std::to_string(*i);
  if (const auto* b = std::get_if<bool>(&valor)) return *b ? "1" : "0";
  std::string texto = TextoDecimal(std::get<double>(valor));
  for (char& c : texto)
    if (c == ',') c = '.';
  return texto;
}

bool IndicadorVerdadeiro(const std::string& texto) {
  const auto primeiro = texto.find_first_not_of(" \t");
  if (primeiro == std::string::npos) return false;
  const char c = texto[primeiro];
  return c != '\0' && std::strchr("YyTtSsVv1", c) != nullptr;
}

}  // namespace tarnel
