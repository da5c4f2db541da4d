// libFuzzer target for the readable copy of print data: the filter and the text-mode line ends it
// reads and writes through. Any bytes must be filtered without a fault; the copy holds no ESC and
// no line longer than 49 characters, and filtering in two pieces gives what filtering whole gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "compat/text_mode.h"
#include "readings/filtra_impressao.h"

namespace {

void ConfereCopia(const std::string& copia) {
  std::size_t coluna = 0;
  for (const char c : copia) {
    if (c == '\x1B') std::abort();
    coluna = c == '\n' || c == '\r' ? 0 : coluna + 1;
    if (coluna > 49) std::abort();
  }
}

void ConfereLinhas(std::string_view dados) {
  std::string lido;
  compat::TextModeReader leitor;
  leitor.take(dados, lido);
  leitor.finish(lido);
  // Every CR LF pair of the data becomes one LF; nothing else changes (a CR before a pair stays).
  std::size_t pares = 0;
  for (std::size_t i = 0; i + 1 < dados.size(); ++i) pares += dados[i] == '\r' && dados[i + 1] == '\n';
  if (lido.size() != dados.size() - pares) std::abort();
  std::string escrito;
  compat::TextModeWriter escritor;
  escritor.put(dados, escrito);
  for (std::size_t i = 0; i < escrito.size(); ++i)
    if (escrito[i] == '\n' && (i == 0 || escrito[i - 1] != '\r')) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
  std::string inteiro;
  tarnel::FiltroImpressao().Filtra(texto, inteiro);
  ConfereCopia(inteiro);

  const std::size_t corte = tamanho == 0 ? 0 : dados[0] % (tamanho + 1);
  tarnel::FiltroImpressao filtro;
  std::string em_pedacos;
  filtro.Filtra(texto.substr(0, corte), em_pedacos);
  filtro.Filtra(texto.substr(corte), em_pedacos);
  if (em_pedacos != inteiro) std::abort();

  ConfereLinhas(texto);
  return 0;
}
