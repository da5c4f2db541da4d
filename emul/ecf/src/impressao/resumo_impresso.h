// The lines the day readings (X, Z) and the fiscal-memory reading share, printed from the one set
// of sales figures every fiscal summary holds.
#pragma once
#include "fiscal/resumo_fiscal.h"
#include "impressao/texto_impresso.h"

namespace ecf::impressao {

// What left the gross sale and what joined it: cancellations, discounts, increases.
void ImprimeDeducoes(TextoImpresso& t, const ResumoFiscal& r);
// Sales of one tax outside its aliquots: substitution, exemption, non-incidence.
void ImprimeForaDasAliquotas(TextoImpresso& t, const ResumoFiscal& r, bool icms);

}  // namespace ecf::impressao
