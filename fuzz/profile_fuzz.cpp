// libFuzzer target for compat's profile (INI) reader and writer. The input is a section, a key and a
// value (each a length-prefixed run of the first bytes) and then the profile text.
//
// What must hold: each entry a section lists is the value the look-up finds; writing a value the
// writer allows reads back the same (when blanks or quotes around it would not be taken off by the
// reader), and leaves every other entry of the text as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "compat/blanks.h"
#include "profile_parser.h"
#include "text_case.h"

namespace {

using Entradas = std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>;

Entradas TodasAsEntradas(const std::string& texto) {
  Entradas todas;
  for (const std::string& secao : compat::detail::profile_section_names(texto)) {
    auto entradas = compat::detail::profile_section_entries(texto, secao);
    for (const auto& [chave, valor] : entradas) {
      std::string achado;
      if (!compat::detail::find_profile_value(texto, secao, chave, achado) || achado != valor) std::abort();
    }
    todas.emplace_back(secao, std::move(entradas));
  }
  return todas;
}

// A value the reader gives back as it was written: no blanks at its ends, not between quotes.
bool LidoComoEscrito(const std::string& valor) {
  if (compat::trim_blanks(valor).size() != valor.size()) return false;
  return !(valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'') && valor.back() == valor.front());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  FuzzedDataProvider entrada(dados, tamanho);
  const std::string secao = entrada.ConsumeRandomLengthString(40);
  const std::string chave = entrada.ConsumeRandomLengthString(40);
  const std::string valor = entrada.ConsumeRandomLengthString(80);
  const std::string texto = entrada.ConsumeRemainingBytesAsString();

  const Entradas antes = TodasAsEntradas(texto);
  if (!compat::detail::profile_write_allowed(secao, chave, valor)) return 0;
  const std::string escrito = compat::detail::profile_with_value(texto, secao, chave, valor);
  std::string lido;
  if (!compat::detail::find_profile_value(escrito, secao, chave, lido)) std::abort();
  if (LidoComoEscrito(valor) && lido != valor) std::abort();
  for (const auto& [outra_secao, entradas] : antes) {
    const bool mesma_secao = compat::detail::equal_ignoring_case(outra_secao, secao);
    for (const auto& [outra_chave, valor_antes] : entradas) {
      if (mesma_secao && compat::detail::equal_ignoring_case(outra_chave, chave)) continue;
      std::string depois;
      if (!compat::detail::find_profile_value(escrito, outra_secao, outra_chave, depois) || depois != valor_antes)
        std::abort();
    }
  }
  TodasAsEntradas(escrito);
  return 0;
}
