#include "quorbal/canal_emulado.h"

#include <cctype>

namespace quorbal {

bool EhCanalEmulado(std::string_view canal) {
  constexpr std::string_view kEmul = "emul";
  if (canal.size() != kEmul.size()) return false;
  for (std::size_t i = 0; i < canal.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(canal[i])) != kEmul[i]) return false;
  return true;
}

}  // namespace quorbal
