#include "arquivo_texto.h"

#include "compat/native_path.h"

namespace plenvo {

std::FILE* CriaArquivoTexto(const char* caminho) {
  return caminho != nullptr ? compat::open_file(caminho, "w") : nullptr;
}

bool EscreveModoTexto(std::FILE* arquivo, const void* bytes, std::size_t tamanho) {
  if (arquivo == nullptr || bytes == nullptr) return false;
  const char* inicio = static_cast<const char*>(bytes);
#ifdef _WIN32
  return std::fwrite(inicio, 1, tamanho, arquivo) == tamanho;
#else
  bool inteiro = true;
  ComCrLf(inicio, tamanho, [arquivo, &inteiro](const char* pedaco, std::size_t n) {
    inteiro = std::fwrite(pedaco, 1, n, arquivo) == n && inteiro;
  });
  return inteiro;
#endif
}

}  // namespace plenvo
