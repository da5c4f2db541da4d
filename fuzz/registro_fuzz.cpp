// libFuzzer target for the record and item-list readers: any bytes must be either refused with a
// place inside the text, or read into items that compose (on one line) and read back to the same items.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "quorbal/registro.h"

namespace {

bool MesmosItens(const std::vector<quorbal::Item>& a, const std::vector<quorbal::Item>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].nome != b[i].nome || a[i].valor != b[i].valor || a[i].tipo != b[i].tipo) return false;
  return true;
}

void ConfereRegistro(std::string_view texto) {
  quorbal::Registro lido;
  quorbal::ErroLeitura erro;
  if (!quorbal::LeRegistro(texto, lido, erro)) {
    if (erro.posicao > texto.size()) std::abort();
    return;
  }
  quorbal::Registro relido;
  const std::string composto = quorbal::ComporRegistro(lido.cabeca, quorbal::FormataItens(lido.itens));
  if (!quorbal::LeRegistro(composto, relido) || relido.cabeca != lido.cabeca || !MesmosItens(relido.itens, lido.itens))
    std::abort();
}

void ConfereItens(std::string_view texto) {
  std::vector<quorbal::Item> lidos;
  quorbal::ErroLeitura erro;
  if (!quorbal::LeItens(texto, lidos, erro)) {
    if (erro.posicao > texto.size()) std::abort();
    return;
  }
  // Composed items never break a line of a command file.
  const std::string formatados = quorbal::FormataItens(lidos);
  if (formatados.find_first_of("\r\n") != std::string::npos) std::abort();
  std::vector<quorbal::Item> relidos;
  if (!quorbal::LeItens(formatados, relidos, erro) || !MesmosItens(relidos, lidos)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  // libFuzzer's buffer is exactly tamanho bytes, so a read past the end shows under the sanitizer.
  const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
  ConfereRegistro(texto);
  ConfereItens(texto);
  return 0;
}
