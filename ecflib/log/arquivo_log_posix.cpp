#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "arquivo_log.h"

namespace plenvo {

ArquivoLog AbreExistente(const char* caminho) { return open(caminho, O_WRONLY | O_APPEND | O_CLOEXEC); }

ArquivoLog CriaVazio(const char* caminho) {
  return open(caminho, O_WRONLY | O_APPEND | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

int DiaDaUltimaEscrita(ArquivoLog arquivo) {
  struct stat estado {};
  if (fstat(static_cast<int>(arquivo), &estado) != 0) return 0;
  const std::time_t instante = estado.st_mtime;
  std::tm local{};
  if (localtime_r(&instante, &local) == nullptr) return 0;
  return local.tm_mday;
}

void EscreveBytes(ArquivoLog arquivo, const void* bytes, std::size_t tamanho) {
  const char* p = static_cast<const char*>(bytes);
  while (tamanho > 0) {
    const ssize_t n = write(static_cast<int>(arquivo), p, tamanho);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // a log entry that cannot be written is skipped
    p += n;
    tamanho -= static_cast<std::size_t>(n);
  }
}

void FechaArquivo(ArquivoLog arquivo) { close(static_cast<int>(arquivo)); }

void ApagaArquivo(const char* caminho) { unlink(caminho); }

}  // namespace plenvo
