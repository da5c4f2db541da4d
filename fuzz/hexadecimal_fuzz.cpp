// libFuzzer target for the memory window's hexadecimal replies. The first byte is how many pairs
// are asked for; the rest is the reply's text.
//
// What must hold: a decoded reply has exactly the pairs asked for, and written back in hexadecimal
// it is the text's first characters (letter case aside); a refused one is too short or holds a
// character that is not a hexadecimal digit among them.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "readings/hexadecimal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  if (tamanho < 1) return 0;
  const std::size_t pares = dados[0];
  const std::string_view texto(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);
  const std::optional<std::string> bytes = tarnel::DecodificaHexadecimal(texto, pares);
  const bool legivel = texto.size() >= 2 * pares &&
                       texto.substr(0, 2 * pares).find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
  if (bytes.has_value() != legivel) std::abort();
  if (!bytes) return 0;
  if (bytes->size() != pares) std::abort();
  static const char kDigitos[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < pares; ++i) {
    const unsigned char b = static_cast<unsigned char>((*bytes)[i]);
    if (std::toupper(static_cast<unsigned char>(texto[2 * i])) != kDigitos[b >> 4] ||
        std::toupper(static_cast<unsigned char>(texto[2 * i + 1])) != kDigitos[b & 15])
      std::abort();
  }
  return 0;
}
