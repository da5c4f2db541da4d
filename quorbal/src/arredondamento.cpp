#include "quorbal/arredondamento.h"

#include <cstdint>

namespace quorbal {

namespace {

// valor * fator / divisor in magnitudes, the product held in 128 bits: a share of a subtotal
// adjustment (adjustment x bucket / base) or a day's tax (total x rate) may pass 64 bits on its way
// while the result fits. Built from 64-bit halves, since not every compiler the programs are built
// with (32-bit Windows) has a 128-bit integer.
struct Quociente {
  std::uint64_t valor;
  std::uint64_t resto;
};

std::uint64_t Magnitude(std::int64_t x) {
  return x < 0 ? 0 - static_cast<std::uint64_t>(x) : static_cast<std::uint64_t>(x);
}

// false when the quotient does not fit 64 bits.
bool DivideProduto(std::uint64_t a, std::uint64_t b, std::uint64_t divisor, Quociente& q) {
  // Most products fit 64 bits: the long division is for those that do not.
  if (std::uint64_t produto = 0; !__builtin_mul_overflow(a, b, &produto)) {
    q = {produto / divisor, produto % divisor};
    return true;
  }
  const std::uint64_t a_alto = a >> 32, a_baixo = a & 0xFFFFFFFFu;
  const std::uint64_t b_alto = b >> 32, b_baixo = b & 0xFFFFFFFFu;
  const std::uint64_t baixo_baixo = a_baixo * b_baixo;
  const std::uint64_t cruzado1 = a_alto * b_baixo;
  const std::uint64_t cruzado2 = a_baixo * b_alto;
  const std::uint64_t meio = (baixo_baixo >> 32) + (cruzado1 & 0xFFFFFFFFu) + (cruzado2 & 0xFFFFFFFFu);
  std::uint64_t alto = a_alto * b_alto + (cruzado1 >> 32) + (cruzado2 >> 32) + (meio >> 32);
  std::uint64_t baixo = (meio << 32) | (baixo_baixo & 0xFFFFFFFFu);
  if (alto >= divisor) return false;
  // Long division, one bit at a time; the remainder stays below the divisor, and a bit shifted out
  // of it means it was at least the divisor.
  std::uint64_t resto = alto, quociente = 0;
  for (int bit = 0; bit < 64; ++bit) {
    const bool transbordo = (resto >> 63) != 0;
    resto = (resto << 1) | (baixo >> 63);
    baixo <<= 1;
    quociente <<= 1;
    if (transbordo || resto >= divisor) {
      resto -= divisor;
      quociente |= 1;
    }
  }
  q = {quociente, resto};
  return true;
}

// The magnitude back with its sign, when it fits.
bool ComSinal(std::uint64_t magnitude, bool negativo, std::int64_t& resultado) {
  constexpr std::uint64_t kMaximo = static_cast<std::uint64_t>(INT64_MAX);
  if (magnitude > kMaximo + (negativo ? 1 : 0)) return false;
  resultado = negativo ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  return true;
}

}  // namespace

bool MultiplicaDivideTrunca(std::int64_t valor, std::int64_t fator, std::int64_t divisor, std::int64_t& resultado) {
  Quociente q{};
  if (divisor == 0 || !DivideProduto(Magnitude(valor), Magnitude(fator), Magnitude(divisor), q)) return false;
  return ComSinal(q.valor, q.valor != 0 && ((valor < 0) != (fator < 0)) != (divisor < 0), resultado);
}

bool MultiplicaDivideNBR5891(std::int64_t valor, std::int64_t fator, std::int64_t divisor, std::int64_t& resultado) {
  Quociente q{};
  const std::uint64_t d = Magnitude(divisor);
  if (divisor == 0 || !DivideProduto(Magnitude(valor), Magnitude(fator), d, q)) return false;
  // Compared with one half without overflowing: the remainder against what the divisor leaves.
  const std::uint64_t outra_parte = d - q.resto;
  const bool sobe = q.resto > outra_parte || (q.resto == outra_parte && q.resto != 0 && q.valor % 2 != 0);
  std::uint64_t magnitude = q.valor;
  if (sobe) {
    if (magnitude == UINT64_MAX) return false;
    ++magnitude;
  }
  return ComSinal(magnitude, magnitude != 0 && ((valor < 0) != (fator < 0)) != (divisor < 0), resultado);
}

}  // namespace quorbal
