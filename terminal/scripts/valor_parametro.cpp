#include "scripts/valor_parametro.h"

#include <algorithm>
#include <cstdio>

#include "compat/clock.h"
#include "quorbal/igual_sem_caixa.h"

namespace tarnel {

std::string DataDeHoje() {
  const compat::LocalTime agora = compat::local_now();
  char texto[16];
  std::snprintf(texto, sizeof texto, "%02d/%02d/%04d", agora.day % 100, agora.month % 100, agora.year % 10000);
  return texto;
}

std::string HoraAtual() {
  const compat::LocalTime agora = compat::local_now();
  char texto[16];
  std::snprintf(texto, sizeof texto, "%02d:%02d:%02d", agora.hour % 100, agora.minute % 100, agora.second % 100);
  return texto;
}

std::string ValorParametro(const EstadoScript& estado, const quorbal::DescritorCampo& campo, const std::string& nome,
                           const std::string& gravado) {
  const auto& nomes = estado.NomesArmazenados;
  const auto achado = std::find_if(nomes.begin(), nomes.end(),
                                   [&](const std::string& n) { return quorbal::IgualSemCaixa(n, nome); });
  const std::size_t posicao = static_cast<std::size_t>(achado - nomes.begin());
  if (achado == nomes.end() || posicao >= estado.ValoresArmazenados.size()) return gravado;
  const std::string& armazenado = estado.ValoresArmazenados[posicao];
  if (armazenado.empty()) {
    if (campo.tipo == quorbal::kData) return DataDeHoje();
    if (campo.tipo == quorbal::kHora) return HoraAtual();
    return gravado;
  }
  if (campo.tipo != quorbal::kMoeda) return armazenado;
  std::string sem_pontos;
  for (char c : armazenado)
    if (c != '.') sem_pontos.push_back(c);
  return sem_pontos;
}

}  // namespace tarnel
