#include "protocolo/valores.h"

#include <cstdio>
#include <limits>

namespace ecf {

namespace {

bool EDigito(char c) { return c >= '0' && c <= '9'; }

// Appends one digit to an accumulator, false on overflow.
bool AcrescentaDigito(std::int64_t& acumulado, char digito) {
  std::int64_t vezes10 = 0;
  if (__builtin_mul_overflow(acumulado, std::int64_t{10}, &vezes10)) return false;
  return !__builtin_add_overflow(vezes10, std::int64_t{digito - '0'}, &acumulado);
}

// Reads 1..2 (or exactly 4 for years) digits up to a separator.
bool LeCampo(std::string_view& texto, int minimo, int maximo, int& valor) {
  int lidos = 0;
  valor = 0;
  while (!texto.empty() && EDigito(texto.front())) {
    if (++lidos > maximo) return false;
    valor = valor * 10 + (texto.front() - '0');
    texto.remove_prefix(1);
  }
  return lidos >= minimo;
}

bool Consome(std::string_view& texto, char c) {
  if (texto.empty() || texto.front() != c) return false;
  texto.remove_prefix(1);
  return true;
}

}  // namespace

std::int64_t Potencia10(int n) {
  std::int64_t p = 1;
  for (int i = 0; i < n && i < 18; ++i) p *= 10;
  return p;
}

bool LeMoeda(std::string_view texto, int decimais, std::int64_t& valor) {
  bool negativo = false;
  if (!texto.empty() && (texto.front() == '-' || texto.front() == '+')) {
    negativo = texto.front() == '-';
    texto.remove_prefix(1);
  }
  std::int64_t acumulado = 0;
  int digitos_inteiros = 0;
  int digitos_decimais = 0;
  bool na_parte_decimal = false;
  for (char c : texto) {
    if (EDigito(c)) {
      if (na_parte_decimal) {
        if (++digitos_decimais > decimais) return false;
      } else {
        ++digitos_inteiros;
      }
      if (!AcrescentaDigito(acumulado, c)) return false;
    } else if (c == '.' && !na_parte_decimal) {
      continue;  // thousands separator
    } else if (c == ',' && !na_parte_decimal) {
      na_parte_decimal = true;
    } else {
      return false;
    }
  }
  if (digitos_inteiros + digitos_decimais == 0) return false;
  std::int64_t escala = Potencia10(decimais - digitos_decimais);
  if (__builtin_mul_overflow(acumulado, escala, &acumulado)) return false;
  valor = negativo ? -acumulado : acumulado;
  return true;
}

std::string FormataMoeda(std::int64_t valor, int decimais) {
  bool negativo = valor < 0;
  // Work on the unsigned magnitude so that the smallest int64 formats too.
  std::uint64_t magnitude = negativo ? 0 - static_cast<std::uint64_t>(valor) : static_cast<std::uint64_t>(valor);
  std::uint64_t escala = static_cast<std::uint64_t>(Potencia10(decimais));
  std::string texto = std::to_string(magnitude / escala);
  if (decimais > 0) {
    std::string fracao = std::to_string(magnitude % escala);
    texto += ',' + std::string(static_cast<std::size_t>(decimais) - fracao.size(), '0') + fracao;
  }
  return negativo ? "-" + texto : texto;
}

bool LeInteiro(std::string_view texto, std::int64_t minimo, std::int64_t maximo, std::int64_t& valor) {
  bool negativo = false;
  if (!texto.empty() && (texto.front() == '-' || texto.front() == '+')) {
    negativo = texto.front() == '-';
    texto.remove_prefix(1);
  }
  if (texto.empty()) return false;
  std::int64_t acumulado = 0;
  for (char c : texto)
    if (!EDigito(c) || !AcrescentaDigito(acumulado, c)) return false;
  if (negativo) acumulado = -acumulado;
  if (acumulado < minimo || acumulado > maximo) return false;
  valor = acumulado;
  return true;
}

bool LeIndicador(std::string_view texto, bool& valor) {
  if (texto.size() != 1) return false;
  switch (texto.front()) {
    case 'Y': case 'y': case 'S': case 's': case 'T': case 't': case 'V': case 'v': case '1':
      valor = true;
      return true;
    case 'N': case 'n': case 'F': case 'f': case '0':
      valor = false;
      return true;
    default:
      return false;
  }
}

bool DataValida(int ano, int mes, int dia) {
  static const int kDiasMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (ano < 1900 || ano > 9999 || mes < 1 || mes > 12 || dia < 1) return false;
  bool bissexto = (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
  int limite = kDiasMes[mes - 1] + (mes == 2 && bissexto ? 1 : 0);
  return dia <= limite;
}

bool LeData(std::string_view texto, std::int32_t& data) {
  int dia = 0, mes = 0, ano = 0;
  if (!LeCampo(texto, 1, 2, dia) || !Consome(texto, '/') || !LeCampo(texto, 1, 2, mes) || !Consome(texto, '/') ||
      !LeCampo(texto, 4, 4, ano) || !texto.empty())
    return false;
  if (!DataValida(ano, mes, dia)) return false;
  data = ano * 10000 + mes * 100 + dia;
  return true;
}

bool LeHora(std::string_view texto, std::int32_t& hora) {
  int h = 0, m = 0, s = 0;
  if (!LeCampo(texto, 1, 2, h) || !Consome(texto, ':') || !LeCampo(texto, 1, 2, m) || !Consome(texto, ':') ||
      !LeCampo(texto, 1, 2, s) || !texto.empty())
    return false;
  if (h > 23 || m > 59 || s > 59) return false;
  hora = h * 3600 + m * 60 + s;
  return true;
}

std::string FormataData(std::int32_t data) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "%02d/%02d/%04d", static_cast<int>(data % 100), static_cast<int>(data / 100 % 100),
                static_cast<int>(data / 10000 % 10000));
  return texto;
}

std::string FormataHora(std::int32_t hora) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "%02d:%02d:%02d", static_cast<int>(hora / 3600 % 24),
                static_cast<int>(hora / 60 % 60), static_cast<int>(hora % 60));
  return texto;
}

}  // namespace ecf
