// Copies of texts into buffers supplied by a C caller.
#pragma once
#include <cstdint>
#include <string>

namespace drovik {

// Copies text into buffer, cut to size - 1 bytes and always zero-terminated. Returns the number of
// bytes copied, or -1 when there is no room at all (null buffer or size < 1).
std::int32_t CopiaParaBuffer(const std::string& texto, char* buffer, std::int32_t tamanho);

// A C text argument as a string; null counts as empty.
inline std::string TextoDe(const char* texto) { return texto ? std::string(texto) : std::string(); }

}  // namespace drovik
