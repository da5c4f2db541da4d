#include "scripts/classifica_linha.h"

namespace tarnel {

namespace {
constexpr std::size_t kTamanhoMinimo = 28;  // time stamp, blank, marker, blank and at least one byte
constexpr std::size_t kColunaMarca = 24;    // columns 25-26
}  // namespace

TipoLinha ClassificaLinha(std::string_view linha) {
  if (!linha.empty() && linha[0] == ';') return TipoLinha::Comentario;
  if (!linha.empty() && linha[0] == '$') return TipoLinha::Diretiva;
  if (linha.size() < kTamanhoMinimo) return TipoLinha::Ignorada;
  const std::string_view marca = linha.substr(kColunaMarca, 2);
  if (marca == "->") return TipoLinha::Comando;
  if (marca == "<-") return TipoLinha::Resposta;
  if (marca == "--") return TipoLinha::Ignorada;
  return TipoLinha::Resposta;
}

}  // namespace tarnel
