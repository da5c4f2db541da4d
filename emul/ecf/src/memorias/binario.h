// Fixed-layout pieces of the memory images (fiscal-memory records, detail-memory pages, cartridge
// records), on top of the context file's little-endian writer and reader.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "contexto/codificacao.h"
#include "contexto/crc32.h"

namespace ecf::memorias {

// Exactly `tamanho` bytes: the text cut or padded with `enchimento`.
void EscreveTextoFixo(Escritor& e, std::string_view texto, std::size_t tamanho, char enchimento = ' ');
// The same read back, trailing blanks and zeros removed.
std::string LeTextoFixo(Leitor& l, std::size_t tamanho);

// A length (32 bits) followed by the bytes.
void EscreveBloco(Escritor& e, std::string_view bytes);
// Fails the reader when the stored length exceeds `limite`.
std::string LeBloco(Leitor& l, std::size_t limite);

// Date yyyymmdd and time in seconds of the day as day, month, year (16 bits), hour, minute,
// second: 7 bytes.
void EscreveDataHora(Escritor& e, std::int32_t data, std::int32_t hora);
void LeDataHora(Leitor& l, std::int32_t& data, std::int32_t& hora);

// Little-endian access to a byte image in place.
void GravaU16(char* destino, std::uint16_t v);
void GravaU32(char* destino, std::uint32_t v);
std::uint16_t LeU16(const char* origem);
std::uint32_t LeU32(const char* origem);

inline std::uint32_t Crc(std::string_view bytes) { return Crc32(bytes.data(), bytes.size()); }

}  // namespace ecf::memorias
