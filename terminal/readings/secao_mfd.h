// One section of LEITURA.MFD: the plain length, then the bytes as one zlib stream (level 6, window
// of 2^11, memory level 5) fed in pieces of at most 4000 bytes, each ending with a sync flush and
// never finished, cut into blocks of at most 4000 compressed bytes, each preceded by its count,
// zero-padded to a multiple of 8 and enciphered unit by unit; a zero count ends the section.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "readings/gost.h"

namespace tarnel {

constexpr char kMagicaMFD[] = "KVT-MFD";    // the file's first bytes, without the terminator
constexpr std::size_t kPedacoMFD = 4000;    // plain bytes per piece, and compressed bytes per block

// Takes the next bytes of the file; false when they could not be stored.
using SaidaBytes = std::function<bool(const void* bytes, std::size_t tamanho)>;

// Writes one encoded section; false on any failure (an empty section, or more than 32 bits of
// bytes, a compressor error, or saida refusing bytes).
bool GravaSecaoMFD(const SaidaBytes& saida, const Gost28147& cifra, std::string_view bytes);

// Reading a dump back: the sections' plain bytes, or a description of what is wrong with it.
struct ConteudoMFD {
  std::vector<std::string> secoes;  // A, B, then every C
  std::string erro;                 // empty when the whole file was read
};
ConteudoMFD LeArquivoMFD(std::string_view arquivo, const Gost28147& cifra);

}  // namespace tarnel
