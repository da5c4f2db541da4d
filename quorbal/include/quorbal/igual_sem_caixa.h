// Names of the protocol (commands, registers, stored script values) compare as whole names with
// letter case ignored; a name being typed is matched by its start the same way.
#pragma once
#include <cctype>
#include <string_view>

namespace quorbal {

inline bool IgualSemCaixa(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k]))) return false;
  return true;
}

inline bool ComecaSemCaixa(std::string_view nome, std::string_view prefixo) {
  return prefixo.size() <= nome.size() && IgualSemCaixa(nome.substr(0, prefixo.size()), prefixo);
}

}  // namespace quorbal
