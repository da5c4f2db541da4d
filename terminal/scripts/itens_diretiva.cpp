#include "scripts/itens_diretiva.h"

#include <limits>

#include "scripts/numeros_script.h"

namespace tarnel {
namespace {

// Position just after the "=" that follows the name, or npos.
std::size_t AposIgual(const std::string& argumento, const std::string& nome) {
  const std::size_t pos_nome = argumento.find(nome);
  if (pos_nome == std::string::npos) return std::string::npos;
  const std::size_t igual = argumento.find('=', pos_nome + nome.size());
  return igual == std::string::npos ? igual : igual + 1;
}

}  // namespace

std::string ItemTexto(const std::string& argumento, const std::string& nome) {
  const std::size_t inicio = AposIgual(argumento, nome);
  if (inicio == std::string::npos) return "";
  const std::size_t abre = argumento.find('"', inicio);
  if (abre == std::string::npos) return "";
  const std::size_t fecha = argumento.find('"', abre + 1);
  if (fecha == std::string::npos) return "";
  return argumento.substr(abre + 1, fecha - abre - 1);
}

bool ItemNumero(const std::string& argumento, const std::string& nome, std::int32_t& valor) {
  std::size_t inicio = AposIgual(argumento, nome);
  if (inicio != std::string::npos) inicio = argumento.find_first_not_of(' ', inicio);
  if (inicio == std::string::npos) {
    valor = -1;
    return true;
  }
  const std::size_t fim = argumento.find(' ', inicio);
  std::int64_t lido = 0;
  if (!LeInteiroEstrito(argumento.substr(inicio, fim == std::string::npos ? fim : fim - inicio), lido) ||
      lido < std::numeric_limits<std::int32_t>::min() || lido > std::numeric_limits<std::int32_t>::max())
    return false;
  valor = static_cast<std::int32_t>(lido);
  return true;
}

}  // namespace tarnel
