#include "log.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdarg>
#include <cstring>
#include <ctime>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "arquivo_texto.h"
#include "compat/clock.h"
#include "compat/path.h"
#include "lugares/lugares.h"

namespace plenvo {
namespace {

constexpr const char* kDias[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMeses[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const char* NomeDoDia(int dia_semana) { return kDias[(dia_semana % 7 + 7) % 7]; }

// The C library's textual time: "Mon Jan  5 10:20:30 2024\n".
void TextoDaHora(const compat::LocalTime& agora, char* destino, std::size_t tamanho) {
  const char* mes = (agora.month >= 1 && agora.month <= 12) ? kMeses[agora.month - 1] : "???";
  std::snprintf(destino, tamanho, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", NomeDoDia(agora.weekday), mes, agora.day,
                agora.hour, agora.minute, agora.second, agora.year);
}

// Day of the month of the file's last write, in local time; 0 when unknown.
int DiaDaUltimaEscrita(std::FILE* arquivo) {
  struct stat estado {};
  if (fstat(fileno(arquivo), &estado) != 0) return 0;
  const std::time_t instante = estado.st_mtime;
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &instante) != 0) return 0;
#else
  if (localtime_r(&instante, &local) == nullptr) return 0;
#endif
  return local.tm_mday;
}

// The existing file opened for appending, never created.
std::FILE* AbreExistente(const char* caminho) {
#ifdef _WIN32
  const int descritor = _open(caminho, _O_WRONLY | _O_APPEND | _O_TEXT);
  if (descritor < 0) return nullptr;
  std::FILE* arquivo = _fdopen(descritor, "a");
  if (arquivo == nullptr) _close(descritor);
#else
  const int descritor = open(caminho, O_WRONLY | O_APPEND | O_CLOEXEC);
  if (descritor < 0) return nullptr;
  std::FILE* arquivo = fdopen(descritor, "a");
  if (arquivo == nullptr) close(descritor);
#endif
  return arquivo;
}

std::FILE* Cria(const char* caminho) {
  std::FILE* arquivo = CriaArquivoTexto(caminho);
  if (arquivo == nullptr) {
    // The per-user folder standing for drive C may not exist yet.
    compat::make_folders(compat::folder_of(caminho));
    arquivo = CriaArquivoTexto(caminho);
  }
  return arquivo;
}

}  // namespace

ArquivoLog AbreLog() {
  const compat::LocalTime agora = compat::local_now();
  char nome[8];
  std::snprintf(nome, sizeof nome, "%.3s.log", NomeDoDia(agora.weekday));
  char caminho[4096];
  if (!CaminhoNaUnidadeC(nome, caminho, sizeof caminho)) return nullptr;

  std::FILE* arquivo = AbreExistente(caminho);
  if (arquivo != nullptr) {
    const int dia = DiaDaUltimaEscrita(arquivo);
    if (dia != 0 && dia != agora.day) {
      std::fclose(arquivo);
      std::remove(caminho);
      arquivo = nullptr;
    }
  }
  if (arquivo == nullptr) {
    arquivo = Cria(caminho);
    if (arquivo != nullptr) {
      char hora[64];
      TextoDaHora(agora, hora, sizeof hora);
      char cabecalho[96];
      std::snprintf(cabecalho, sizeof cabecalho, "Inicio LOG: %s\n\n", hora);
      EscreveLog(arquivo, cabecalho);
    }
  }
  return arquivo;
}

void EscreveLog(ArquivoLog arquivo, const void* texto, std::size_t tamanho) {
  if (arquivo == nullptr || texto == nullptr) return;
  if (tamanho == 0) tamanho = std::strlen(static_cast<const char*>(texto));
  EscreveModoTexto(arquivo, texto, tamanho);
}

void FechaLog(ArquivoLog arquivo) {
  if (arquivo != nullptr) std::fclose(arquivo);
}

void FormataCabeca(char* destino, std::size_t tamanho, const char* rotulo) {
  const compat::LocalTime agora = compat::local_now();
  char hora[16];
  std::snprintf(hora, sizeof hora, "%02d:%02d:%02d", agora.hour, agora.minute, agora.second);
  std::snprintf(destino, tamanho, "\n%s [%.8s %03dms] - ", rotulo, hora, agora.millisecond);
}

void RegistraEntrada(const char* rotulo, const void* dados, std::size_t tamanho) {
  ArquivoLog arquivo = AbreLog();
  if (arquivo == nullptr) return;
  char cabeca[96];
  FormataCabeca(cabeca, sizeof cabeca, rotulo);
  EscreveLog(arquivo, cabeca);
  EscreveLog(arquivo, dados, tamanho);
  FechaLog(arquivo);
}

void RegistraTexto(const char* formato, ...) {
  char texto[1024];
  va_list argumentos;
  va_start(argumentos, formato);
  std::vsnprintf(texto, sizeof texto, formato, argumentos);
  va_end(argumentos);
  ArquivoLog arquivo = AbreLog();
  EscreveLog(arquivo, texto);
  FechaLog(arquivo);
}

}  // namespace plenvo
