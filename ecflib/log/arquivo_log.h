// The log file through the system's own file calls (open/write/close, CreateFile/WriteFile/
// CloseHandle): nothing is allocated per entry and nothing is buffered, so an entry is on disk when
// its call returns. One implementation per operating system.
#pragma once
#include <cstddef>
#include <cstdint>

namespace plenvo {

using ArquivoLog = std::intptr_t;   // file descriptor, or HANDLE on Windows
constexpr ArquivoLog kSemLog = -1;  // the log could not be opened

// The existing file opened for appending, never created.
ArquivoLog AbreExistente(const char* caminho);
// A new, empty file (replacing one that is there), for appending.
ArquivoLog CriaVazio(const char* caminho);
// Day of the month of the file's last write, in local time; 0 when unknown.
int DiaDaUltimaEscrita(ArquivoLog arquivo);
void EscreveBytes(ArquivoLog arquivo, const void* bytes, std::size_t tamanho);
void FechaArquivo(ArquivoLog arquivo);
void ApagaArquivo(const char* caminho);

}  // namespace plenvo
