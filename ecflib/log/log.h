// The transaction log: one file per weekday ("Sun.log" .. "Sat.log") in the folder standing for
// drive C, opened for each entry and closed after it. A file last written on another day of the
// month is replaced (a week has passed); a new file starts with "Inicio LOG: " and the time. Lines
// end with CR LF on disk (EscreveLog writes the CR before each line feed, as text mode does on
// Windows). Written through the system's file calls (arquivo_log.h): an entry allocates nothing.
// An entry that cannot be written is skipped silently.
#pragma once
#include <cstddef>

#include "arquivo_log.h"

namespace plenvo {

ArquivoLog AbreLog();  // kSemLog when it cannot be opened
// Writes tamanho bytes, or the text up to its NUL when tamanho is 0. Nothing for a failed handle.
void EscreveLog(ArquivoLog arquivo, const void* texto, std::size_t tamanho = 0);
void FechaLog(ArquivoLog arquivo);

// "\n<rotulo> [HH:MM:SS mmmms] - " for the current local time, e.g. "\nTX [10:20:30 045ms] - ".
void FormataCabeca(char* destino, std::size_t tamanho, const char* rotulo);

// One entry: the head for rotulo, then tamanho bytes of dados (or dados up to its NUL when 0).
void RegistraEntrada(const char* rotulo, const void* dados, std::size_t tamanho = 0);

// One entry of printf-formatted text.
void RegistraTexto(const char* formato, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace plenvo
