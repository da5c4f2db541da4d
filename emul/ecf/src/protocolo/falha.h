// A refusal: an error code of the protocol table and the circumstance shown to the user.
#pragma once
#include <cstdint>
#include <string>

namespace ecf {

struct Falha {
  std::int32_t codigo = 0;
  std::string circunstancia;
  explicit operator bool() const { return codigo != 0; }
};

// The refusal named nome in the protocol error table.
Falha Erro(const char* nome, std::string circunstancia);
inline Falha Ok() { return {}; }

}  // namespace ecf
