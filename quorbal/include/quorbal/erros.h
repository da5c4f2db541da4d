// The protocol's error table: every error code with its name, ascending by code.
#pragma once
#include <cstdint>
#include <string_view>

namespace quorbal {

struct ErroProtocolo {
  std::int32_t codigo;
  const char* nome;
};

constexpr int kTotalErros = 187;
extern const ErroProtocolo kTabelaErros[kTotalErros];

// Name of a code; "ErroDesconhecido" for a code not in the table.
const char* NomeErro(std::int32_t codigo);

// Code of an error name (exact comparison); -1 when the name is not in the table.
std::int32_t CodigoDoErro(std::string_view nome);

}  // namespace quorbal
