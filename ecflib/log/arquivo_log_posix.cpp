#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "arquivo_log.h"
#include "compat/native_path.h"

namespace plenvo {

namespace {

// The log is opened for every line, which must not allocate: the system's name is made on the stack
// (a Windows-1252 byte takes up to three bytes of UTF-8).
struct NomeNativo {
  explicit NomeNativo(const char* caminho) : valido(compat::native_path(caminho, nome, sizeof nome)) {}
  char nome[3 * 4096 + 1];
  bool valido;
};

}  // namespace

ArquivoLog AbreExistente(const char* caminho) {
  const NomeNativo nativo(caminho);
  return nativo.valido ? open(nativo.nome, O_WRONLY | O_APPEND | O_CLOEXEC) : kSemLog;
}

ArquivoLog CriaVazio(const char* caminho) {
  const NomeNativo nativo(caminho);
  return nativo.valido ? open(nativo.nome, O_WRONLY | O_APPEND | O_CREAT | O_TRUNC | O_CLOEXEC, 0666) : kSemLog;
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

void ApagaArquivo(const char* caminho) {
  const NomeNativo nativo(caminho);
  if (nativo.valido) unlink(nativo.nome);
}

}  // namespace plenvo
