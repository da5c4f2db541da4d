#include "scripts/numeros_script.h"

#include <limits>

namespace tarnel {
namespace {

// Reads from texto[i]: sign and digits. fim is where reading stopped; digitos how many digits.
std::int64_t LeDesde(const std::string& texto, std::size_t& i, int& digitos, bool& excedeu) {
  while (i < texto.size() && texto[i] == ' ') ++i;
  bool negativo = false;
  if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) negativo = texto[i++] == '-';
  // Accumulated as a negative number, whose range holds the smallest value too.
  const std::int64_t minimo = std::numeric_limits<std::int64_t>::min();
  std::int64_t acumulado = 0;
  digitos = 0;
  excedeu = false;
  for (; i < texto.size() && texto[i] >= '0' && texto[i] <= '9'; ++i, ++digitos) {
    const int digito = texto[i] - '0';
    if (excedeu || acumulado < (minimo + digito) / 10) {
      excedeu = true;
      continue;
    }
    acumulado = acumulado * 10 - digito;
  }
  if (excedeu) return negativo ? minimo : std::numeric_limits<std::int64_t>::max();
  if (!negativo) {
    if (acumulado == minimo) {
      excedeu = true;
      return std::numeric_limits<std::int64_t>::max();
    }
    return -acumulado;
  }
  return acumulado;
}

}  // namespace

std::int64_t LeInteiroInicial(const std::string& texto) {
  std::size_t i = 0;
  int digitos = 0;
  bool excedeu = false;
  return LeDesde(texto, i, digitos, excedeu);
}

std::int32_t LeInteiroInicial32(const std::string& texto) {
  const std::int64_t valor = LeInteiroInicial(texto);
  if (valor > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (valor < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(valor);
}

bool LeInteiroEstrito(const std::string& texto, std::int64_t& valor) {
  std::size_t i = 0;
  int digitos = 0;
  bool excedeu = false;
  const std::int64_t lido = LeDesde(texto, i, digitos, excedeu);
  if (digitos == 0 || excedeu || i != texto.size()) return false;
  valor = lido;
  return true;
}

}  // namespace tarnel
