#include "scripts/valor_atual.h"

#include <cstdint>
#include <cstdio>
#include <limits>

#include "compat/clock.h"
#include "quorbal/catalogo.h"
#include "scripts/numeros_script.h"

namespace tarnel {
namespace {

// Splits "a<sep>b[<sep>c]" into up to three runs of digits; false for anything else.
// digitos_ultimo: how many digits the last run had.
bool LeCampos(const std::string& texto, char separador, int campos[3], int& total, int& digitos_ultimo) {
  total = 0;
  std::size_t i = 0;
  while (i < texto.size() && texto[i] == ' ') ++i;
  while (total < 3) {
    int digitos = 0;
    long valor = 0;
    for (; i < texto.size() && texto[i] >= '0' && texto[i] <= '9' && digitos < 5; ++i, ++digitos)
      valor = valor * 10 + (texto[i] - '0');
    if (digitos == 0 || digitos > 4) return false;
    campos[total++] = static_cast<int>(valor);
    digitos_ultimo = digitos;
    if (i == texto.size()) return true;
    if (texto[i] != separador) return false;
    ++i;
  }
  return false;
}

int DiasNoMes(int ano, int mes) {
  static const int dias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool bissexto = (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
  return mes == 2 && bissexto ? 29 : dias[mes - 1];
}

// Day/month/year as the Brazilian regional settings write them; a two-digit year falls in 1950..2049.
bool LeData(const std::string& texto, int& dia, int& mes, int& ano) {
  int campos[3];
  int total = 0, digitos_ano = 0;
  if (!LeCampos(texto, '/', campos, total, digitos_ano) || total != 3) return false;
  dia = campos[0];
  mes = campos[1];
  ano = campos[2];
  if (digitos_ano <= 2) ano += ano < 50 ? 2000 : 1900;
  if (ano < 1) return false;
  return mes >= 1 && mes <= 12 && dia >= 1 && dia <= DiasNoMes(ano, mes);
}

// Hours:minutes, with seconds or without.
bool LeHora(const std::string& texto, long& segundos) {
  int campos[3] = {0, 0, 0};
  int total = 0, digitos = 0;
  if (!LeCampos(texto, ':', campos, total, digitos) || total < 2) return false;
  if (campos[0] > 23 || campos[1] > 59 || campos[2] > 59) return false;
  segundos = campos[0] * 3600L + campos[1] * 60L + campos[2];
  return true;
}

// False when the sum leaves the years 1 to 9999, which the date's form cannot write.
bool SomaData(int dia, int mes, int ano, std::int64_t dias, std::string& resultado) {
  const long long total = compat::days_from_civil(ano, mes, dia) + dias;
  if (total < compat::days_from_civil(1, 1, 1) || total > compat::days_from_civil(9999, 12, 31)) return false;
  compat::civil_from_days(total, ano, mes, dia);
  char texto[32];
  std::snprintf(texto, sizeof texto, "%02d/%02d/%04d", dia, mes, ano);
  resultado = texto;
  return true;
}

std::string SomaHora(long segundos, std::int64_t acrescimo) {
  // A time of day turns over at midnight, either way.
  const std::int64_t dia = 86400;
  const std::int64_t total = ((segundos + acrescimo % dia) % dia + dia) % dia;
  char texto[16];
  std::snprintf(texto, sizeof texto, "%02d:%02d:%02d", static_cast<int>(total / 3600),
                static_cast<int>(total / 60 % 60), static_cast<int>(total % 60));
  return texto;
}

// Sum that stops at the ends of the 64-bit range instead of wrapping.
std::int64_t SomaLimitada(std::int64_t a, std::int64_t b) {
  if (b > 0 && a > std::numeric_limits<std::int64_t>::max() - b) return std::numeric_limits<std::int64_t>::max();
  if (b < 0 && a < std::numeric_limits<std::int64_t>::min() - b) return std::numeric_limits<std::int64_t>::min();
  return a + b;
}

}  // namespace

bool AdicionaValorAtual(std::string& valor, int tipo, const std::string& argumento) {
  switch (tipo) {
    case quorbal::kData: {
      int dia = 0, mes = 0, ano = 0;
      return LeData(valor, dia, mes, ano) && SomaData(dia, mes, ano, LeInteiroInicial32(argumento), valor);
    }
    case quorbal::kHora: {
      long segundos = 0;
      if (!LeHora(valor, segundos)) return false;
      valor = SomaHora(segundos, LeInteiroInicial(argumento));
      return true;
    }
    case quorbal::kInt:
    case quorbal::kLong:
    case quorbal::kUInt:
    case quorbal::kULong:
      valor = std::to_string(SomaLimitada(LeInteiroInicial(valor), LeInteiroInicial(argumento)));
      return true;
    case quorbal::kMoeda: {
      std::string sem_pontos;
      for (char c : valor)
        if (c != '.') sem_pontos += c;
      std::int64_t atual = 0, acrescimo = 0;
      if (!LeInteiroEstrito(sem_pontos, atual) || !LeInteiroEstrito(argumento, acrescimo)) return false;
      valor = std::to_string(SomaLimitada(atual, acrescimo));
      return true;
    }
    default:
      return true;
  }
}

}  // namespace tarnel
