// libFuzzer target for what a script's directive lines are read with: the named items of an
// argument, the two number readers and the current value's arithmetic. Any bytes must be read
// without a fault, and what is read must agree with itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scripts/itens_diretiva.h"
#include "scripts/numeros_script.h"
#include "scripts/valor_atual.h"

namespace {

void ConfereNumeros(const std::string& texto) {
  std::int64_t estrito = 0;
  if (tarnel::LeInteiroEstrito(texto, estrito) && estrito != tarnel::LeInteiroInicial(texto)) std::abort();
}

void ConfereItens(const std::string& argumento, const std::string& nome) {
  if (nome.empty()) return;
  const std::string texto = tarnel::ItemTexto(argumento, nome);
  if (texto.find('"') != std::string::npos || argumento.find(texto) == std::string::npos) std::abort();
  std::int32_t numero = 0;
  if (tarnel::ItemNumero(argumento, nome, numero)) {
    std::int64_t relido = 0;
    if (!tarnel::LeInteiroEstrito(std::to_string(numero), relido) || relido != numero) std::abort();
  }
}

// A value the arithmetic wrote is read back by it (a date or time written in its own form).
void ConfereValor(int tipo, const std::string& valor, const std::string& argumento) {
  std::string novo = valor;
  if (!tarnel::AdicionaValorAtual(novo, tipo, argumento)) {
    if (novo != valor) std::abort();
    return;
  }
  const bool forma_propria = (tipo == 2 && novo.size() == 10 && novo[0] != '-') || (tipo == 3 && novo.size() == 8);
  if (!forma_propria) return;
  std::string relido = novo;
  if (!tarnel::AdicionaValorAtual(relido, tipo, "0") || relido != novo) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  if (tamanho == 0) return 0;
  const int tipo = dados[0] % 11;
  const std::string resto(reinterpret_cast<const char*>(dados + 1), tamanho - 1);
  const std::size_t quebra = resto.find('\n');
  const std::string primeiro = resto.substr(0, quebra);
  const std::string segundo = quebra == std::string::npos ? std::string() : resto.substr(quebra + 1);
  ConfereNumeros(primeiro);
  ConfereItens(segundo, primeiro);
  ConfereValor(tipo, primeiro, segundo);
  return 0;
}
