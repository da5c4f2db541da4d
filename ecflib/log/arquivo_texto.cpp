#include "arquivo_texto.h"

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
  ComCrLf(inicio, tamanho, [arquivo](const char* pedaco, std::size_t n) { std::fwrite(pedaco, 1, n, arquivo); });
#endif
}

}  // namespace plenvo
