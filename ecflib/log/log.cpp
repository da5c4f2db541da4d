#include "log.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "arquivo_texto.h"
#include "compat/clock.h"
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

ArquivoLog Cria(const char* caminho) {
  ArquivoLog arquivo = CriaVazio(caminho);
  // The per-user folder standing for drive C may not exist yet.
  if (arquivo == kSemLog && CriaPastaUnidadeC()) arquivo = CriaVazio(caminho);
  return arquivo;
}

}  // namespace

ArquivoLog AbreLog() {
  const compat::LocalTime agora = compat::local_now();
  char nome[8];
  std::snprintf(nome, sizeof nome, "%.3s.log", NomeDoDia(agora.weekday));
  char caminho[4096];
  if (!CaminhoNaUnidadeC(nome, caminho, sizeof caminho)) return kSemLog;

  ArquivoLog arquivo = AbreExistente(caminho);
  if (arquivo != kSemLog) {
    const int dia = DiaDaUltimaEscrita(arquivo);
    if (dia != 0 && dia != agora.day) {
      FechaArquivo(arquivo);
      ApagaArquivo(caminho);
      arquivo = kSemLog;
    }
  }
  if (arquivo == kSemLog) {
    arquivo = Cria(caminho);
    if (arquivo != kSemLog) {
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
  if (arquivo == kSemLog || texto == nullptr) return;
  if (tamanho == 0) tamanho = std::strlen(static_cast<const char*>(texto));
  ComCrLf(texto, tamanho, [arquivo](const char* pedaco, std::size_t n) { EscreveBytes(arquivo, pedaco, n); });
}

void FechaLog(ArquivoLog arquivo) {
  if (arquivo != kSemLog) FechaArquivo(arquivo);
}

void FormataCabeca(char* destino, std::size_t tamanho, const char* rotulo) {
  const compat::LocalTime agora = compat::local_now();
  char hora[16];
  std::snprintf(hora, sizeof hora, "%02d:%02d:%02d", agora.hour, agora.minute, agora.second);
  std::snprintf(destino, tamanho, "\n%s [%.8s %03dms] - ", rotulo, hora, agora.millisecond);
}

void RegistraEntrada(const char* rotulo, const void* dados, std::size_t tamanho) {
  ArquivoLog arquivo = AbreLog();
  if (arquivo == kSemLog) return;
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
