#include "arquivo_texto.h"

#include <cstring>

namespace plenvo {

std::FILE* CriaArquivoTexto(const char* caminho) {
  return caminho != nullptr ? std::fopen(caminho, "w") : nullptr;
}

void EscreveModoTexto(std::FILE* arquivo, const void* bytes, std::size_t tamanho) {
  if (arquivo == nullptr || bytes == nullptr) return;
  const char* inicio = static_cast<const char*>(bytes);
#ifdef _WIN32
  std::fwrite(inicio, 1, tamanho, arquivo);
#else
  const char* fim = inicio + tamanho;
  while (inicio < fim) {
    const char* quebra = static_cast<const char*>(std::memchr(inicio, '\n', static_cast<std::size_t>(fim - inicio)));
    const char* ate = quebra != nullptr ? quebra : fim;
    std::fwrite(inicio, 1, static_cast<std::size_t>(ate - inicio), arquivo);
    if (quebra == nullptr) break;
    std::fwrite("\r\n", 1, 2, arquivo);
    inicio = quebra + 1;
  }
#endif
}

}  // namespace plenvo
