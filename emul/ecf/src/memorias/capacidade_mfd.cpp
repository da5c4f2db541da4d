#include "memorias/capacidade_mfd.h"

#include <cstdlib>

#include "memorias/memoria_fita_detalhe.h"

namespace ecf::memorias {

std::optional<std::uint32_t> PaginasDaCapacidade(std::string_view texto) {
  std::uint64_t bytes = 0;
  std::size_t i = 0;
  for (; i < texto.size() && texto[i] >= '0' && texto[i] <= '9'; ++i) {
    bytes = bytes * 10 + static_cast<std::uint64_t>(texto[i] - '0');
    if (bytes > (std::uint64_t{1} << 40)) return std::nullopt;
  }
  if (i == 0) return std::nullopt;
  if (i < texto.size()) {
    const char unidade = texto[i];
    const int potencia = unidade == 'K' || unidade == 'k' ? 10 : unidade == 'M' || unidade == 'm' ? 20
                         : unidade == 'G' || unidade == 'g' ? 30 : -1;
    if (potencia < 0 || i + 1 != texto.size()) return std::nullopt;
    bytes <<= potencia;
  }
  if (bytes % MemoriaFitaDetalhe::kDadosPagina != 0) return std::nullopt;
  const std::uint64_t paginas = bytes / MemoriaFitaDetalhe::kDadosPagina;
  if (paginas < MemoriaFitaDetalhe::kMinimoPaginas || paginas > MemoriaFitaDetalhe::kMaximoPaginas)
    return std::nullopt;
  return static_cast<std::uint32_t>(paginas);
}

std::uint32_t PaginasMFDConfiguradas() {
  const char* texto = std::getenv(kVariavelCapacidadeMFD);
  return PaginasDaCapacidade(texto ? texto : "").value_or(MemoriaFitaDetalhe::kPaginasArea);
}

}  // namespace ecf::memorias
