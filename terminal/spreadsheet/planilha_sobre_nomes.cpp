#include "spreadsheet/planilha_sobre_nomes.h"

#include "quorbal/igual_sem_caixa.h"

namespace tarnel {

ResultadoMacro PlanilhaSobreNomes::ExecutaMacro(const std::string& referencia,
                                                const std::vector<ValorPlanilha>& argumentos) {
  std::string pasta, macro;
  PastaNomes* nomes = PastaAtiva();
  if (nomes == nullptr || argumentos.size() > 2 || !SeparaReferenciaMacro(referencia, pasta, macro) ||
      !quorbal::IgualSemCaixa(pasta, NomePastaAtiva()))
    return ResultadoMacro{};
  return ExecutaMacroPlanilha(*nomes, estado_, macro, argumentos);
}

}  // namespace tarnel
