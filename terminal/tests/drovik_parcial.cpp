// A driver library that exports only two of the DROVIK operations, for the loader's tests.
#include <cstdint>

#include "drovik.h"

extern "C" {

std::int32_t DROVIK_CALL DROVIK_IniciaDriver(const char*) { return 7; }

std::int32_t DROVIK_CALL DROVIK_ObtemNomeLog(char* buffer, std::int32_t tamanho) {
  // Fills the whole buffer without a terminating zero: the caller must not read past it.
  for (std::int32_t i = 0; i < tamanho; ++i) buffer[i] = 'L';
  return tamanho;
}

}  // extern "C"
