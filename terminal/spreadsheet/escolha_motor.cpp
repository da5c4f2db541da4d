#include "spreadsheet/escolha_motor.h"

#include <cstdlib>

#include "compat/blanks.h"
#include "quorbal/igual_sem_caixa.h"
#include "spreadsheet/embutido/planilha_embutida.h"
#ifdef _WIN32
#include "spreadsheet/excel/planilha_excel.h"
#endif

namespace tarnel {

const char kVariavelMotorPlanilha[] = "TARNEL_PLANILHA";

namespace {

EscolhaPlanilha Indisponivel(const std::string& motor, std::string motivo) {
  return {motor, [] { return std::unique_ptr<Planilha>(); }, std::move(motivo)};
}

}  // namespace

EscolhaPlanilha EscolheMotorPlanilha(const std::string& ajuste) {
  const char* variavel = std::getenv(kVariavelMotorPlanilha);
  const std::string motor(compat::trim_blanks(variavel != nullptr && *variavel != '\0' ? variavel : ajuste));
  if (quorbal::IgualSemCaixa(motor, "embutido")) {
    return {motor, [] { return std::unique_ptr<Planilha>(new PlanilhaEmbutida); }, std::string()};
  }
  if (quorbal::IgualSemCaixa(motor, "excel")) {
#ifdef _WIN32
    return {motor, [] { return std::unique_ptr<Planilha>(new PlanilhaExcel); }, std::string()};
#else
    return Indisponivel(motor, "O Excel só é usado no Windows; use o motor embutido (motor \"embutido\").");
#endif
  }
  return Indisponivel(motor, "Motor de planilha '" + motor + "' desconhecido: use \"embutido\" ou \"excel\".");
}

}  // namespace tarnel
