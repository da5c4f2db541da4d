#include "quorbal/arredondamento.h"

#include <limits>

namespace quorbal {

bool MultiplicaDivideTrunca(std::int64_t valor, std::int64_t fator, std::int64_t divisor, std::int64_t& resultado) {
  std::int64_t produto = 0;
  if (divisor == 0 || __builtin_mul_overflow(valor, fator, &produto)) return false;
  resultado = produto / divisor;
  return true;
}

bool MultiplicaDivideNBR5891(std::int64_t valor, std::int64_t fator, std::int64_t divisor, std::int64_t& resultado) {
  std::int64_t produto = 0;
  if (divisor == 0 || __builtin_mul_overflow(valor, fator, &produto)) return false;
  if (divisor < 0) {
    if (produto == std::numeric_limits<std::int64_t>::min() || divisor == std::numeric_limits<std::int64_t>::min())
      return false;
    produto = -produto;
    divisor = -divisor;
  }
  std::int64_t quociente = produto / divisor;
  std::int64_t resto = produto % divisor;  // same sign as produto
  std::int64_t resto_abs = resto < 0 ? -resto : resto;
  // Compare the discarded part with one half without overflowing: resto_abs vs divisor - resto_abs.
  std::int64_t outra_parte = divisor - resto_abs;
  bool sobe = resto_abs > outra_parte || (resto_abs == outra_parte && resto_abs != 0 && quociente % 2 != 0);
  if (sobe) quociente += produto < 0 ? -1 : 1;
  resultado = quociente;
  return true;
}

}  // namespace quorbal
