#include "spreadsheet/fecha_documento.h"

#include <string>
#include <utility>
#include <vector>

#include "spreadsheet/converte_decimal.h"
#include "spreadsheet/ligacao_planilha.h"

namespace tarnel {
namespace {

std::string Celula(const std::string& nome, int i) { return nome + "[" + std::to_string(i) + "]"; }

// The texts of a list name, up to its first empty or missing cell.
std::vector<std::string> Lista(LigacaoPlanilha& l, const char* nome) {
  std::vector<std::string> nomes;
  for (int k = 0;; ++k) {
    ValorPlanilha valor;
    if (!l.ObtemValor(Celula(nome, k), valor) || ValorVazio(valor)) break;
    nomes.push_back(TextoPlanilha(valor));
  }
  return nomes;
}

// Calls f(cell name, value) for every cell of nome, in order.
template <typename F>
void ParaCadaCelula(LigacaoPlanilha& l, const std::string& nome, F f) {
  for (int i = 0;; ++i) {
    ValorPlanilha valor;
    const std::string celula = Celula(nome, i);
    if (!l.ObtemValor(celula, valor)) break;
    f(celula, valor);
  }
}

}  // namespace

bool FechaDocumentoPlanilha(LigacaoPlanilha& l) {
  const std::vector<std::string> acumulados = Lista(l, "AcumulaDocumento");
  if (acumulados.empty()) return false;
  // Every document value is read before any accumulator is written: the accumulators feed only the
  // day's figures, but reading first keeps that an assumption of nobody.
  std::vector<std::pair<std::string, double>> somas;
  for (const std::string& nome : acumulados)
    ParaCadaCelula(l, nome, [&](const std::string& celula, const ValorPlanilha& valor) {
      const double parcela = NumeroPlanilha(valor);
      if (parcela != 0) somas.emplace_back("Ant" + celula, parcela);
    });
  for (const auto& [acumulador, parcela] : somas) l.DefineValor(acumulador, l.LeNumero(acumulador) + parcela);
  // Only cells that hold something are written: each write recomputes what depends on it.
  for (const std::string& nome : Lista(l, "AreaDocumento"))
    ParaCadaCelula(l, nome, [&](const std::string& celula, const ValorPlanilha& valor) {
      if (!ValorVazio(valor)) l.DefineValor(celula, std::string());
    });
  return true;
}

bool FechaDiaPlanilha(LigacaoPlanilha& l) {
  if (!FechaDocumentoPlanilha(l)) return false;
  std::vector<std::pair<std::string, ValorPlanilha>> mantidos;
  for (const std::string& nome : Lista(l, "MantemNaReducao"))
    ParaCadaCelula(l, "Pos" + nome, [&](const std::string& celula, const ValorPlanilha& valor) {
      mantidos.emplace_back(celula.substr(3), valor);
    });
  for (const std::string& nome : Lista(l, "ZeraNaReducao"))
    ParaCadaCelula(l, nome, [&](const std::string& celula, const ValorPlanilha& valor) {
      if (NumeroPlanilha(valor) != 0) l.DefineValor(celula, 0.0);
    });
  for (const auto& [celula, valor] : mantidos) l.DefineValor(celula, valor);
  return true;
}

}  // namespace tarnel
