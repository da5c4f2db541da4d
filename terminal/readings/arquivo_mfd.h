// LEITURA.MFD: the magic text, section A, section B, every section C, and a 32-bit zero. The file is
// written beside the old one under a temporary name and put in its place only once complete, so a
// failed dump never costs the previous one.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "compat/atomic_file.h"
#include "window/interacao.h"

namespace tarnel {

struct ImagensMFD {
  std::string secao_a;                // placeholder: 8192 bytes of 0xFF
  std::string secao_b;                // fiscal memory image and its bytes-used field; empty without one
  std::vector<std::string> secoes_c;  // detail memories with their trailers, at most 4
};

// How bytes reach the file being written (its own write unless a test injects a failing one); the
// count written.
using EscreveArquivo = std::function<std::size_t(const void*, std::size_t, compat::AtomicFile&)>;

// Writes the file; on failure tells the person and leaves any earlier file at caminho as it was.
bool GravaArquivoMFD(Interacao& interacao, const std::string& caminho, const ImagensMFD& imagens,
                     const EscreveArquivo& escreve = {});

}  // namespace tarnel
