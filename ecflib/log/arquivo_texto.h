// Files written in text mode: a line feed reaches the disk as CR LF. On Windows the C runtime does
// it; elsewhere EscreveModoTexto does, so that the bytes on disk are the same everywhere.
#pragma once
#include <cstddef>
#include <cstdio>
#include <cstring>

namespace plenvo {

// Creates or truncates; nullptr on failure (or a null name).
std::FILE* CriaArquivoTexto(const char* caminho);

// False when not every byte could be written (a full disk).
bool EscreveModoTexto(std::FILE* arquivo, const void* bytes, std::size_t tamanho);

// Hands the bytes to escreve(pointer, count) piece by piece, each line feed as CR LF: the bytes of a
// file written in text mode on Windows, for writers that have no text mode.
template <typename Escreve>
void ComCrLf(const void* bytes, std::size_t tamanho, Escreve escreve) {
  const char* inicio = static_cast<const char*>(bytes);
  const char* const fim = inicio + tamanho;
  while (inicio < fim) {
    const char* quebra = static_cast<const char*>(std::memchr(inicio, '\n', static_cast<std::size_t>(fim - inicio)));
    const char* ate = quebra != nullptr ? quebra : fim;
    if (ate > inicio) escreve(inicio, static_cast<std::size_t>(ate - inicio));
    if (quebra == nullptr) break;
    escreve("\r\n", 2);
    inicio = quebra + 1;
  }
}

}  // namespace plenvo
