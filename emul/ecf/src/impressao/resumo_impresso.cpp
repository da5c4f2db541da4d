#include "impressao/resumo_impresso.h"

#include <string>

namespace ecf::impressao {

// Deductions print as negative amounts; a fiscal memory record may hold the smallest one, whose
// negation stops at the largest.
void ImprimeDeducoes(TextoImpresso& t, const ResumoFiscal& r) {
  t.Colunas("CANCELAMENTOS ICMS", ValorComSinal(SubtraiLimitada(0, r.cancelamentos_icms)));
  t.Colunas("CANCELAMENTOS ISSQN", ValorComSinal(SubtraiLimitada(0, r.cancelamentos_issqn)));
  t.Colunas("DESCONTOS", ValorComSinal(SubtraiLimitada(0, r.descontos)));
  t.Colunas("ACRÉSCIMOS", ValorComSinal(r.acrescimos));
}

void ImprimeForaDasAliquotas(TextoImpresso& t, const ResumoFiscal& r, bool icms) {
  const std::string sufixo = icms ? " ICMS" : " ISSQN";
  t.Colunas("SUBSTITUIÇÃO TRIBUTÁRIA" + sufixo, Valor(icms ? r.substituicao_icms : r.substituicao_issqn));
  t.Colunas("ISENÇÃO" + sufixo, Valor(icms ? r.isento_icms : r.isento_issqn));
  t.Colunas("NÃO INCIDÊNCIA" + sufixo, Valor(icms ? r.nao_tributado_icms : r.nao_tributado_issqn));
}

}  // namespace ecf::impressao
