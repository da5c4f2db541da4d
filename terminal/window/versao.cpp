#include "window/versao.h"

#include "versao_programa.h"

namespace tarnel {

VersaoPrograma VersaoDoPrograma() {
  return {TARNEL_VERSAO_MAJOR, TARNEL_VERSAO_MINOR, TARNEL_VERSAO_RELEASE, TARNEL_VERSAO_BUILD};
}

std::string DescricaoDoPrograma() { return TARNEL_DESCRICAO; }

std::string TextoVersao() {
  const VersaoPrograma v = VersaoDoPrograma();
  return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.release) + "." +
         std::to_string(v.build);
}

}  // namespace tarnel
