// Files written in text mode: a line feed reaches the disk as CR LF. On Windows the C runtime does
// it; elsewhere EscreveModoTexto does, so that the bytes on disk are the same everywhere.
#pragma once
#include <cstddef>
#include <cstdio>

namespace plenvo {

// Creates or truncates; nullptr on failure (or a null name).
std::FILE* CriaArquivoTexto(const char* caminho);

void EscreveModoTexto(std::FILE* arquivo, const void* bytes, std::size_t tamanho);

}  // namespace plenvo
