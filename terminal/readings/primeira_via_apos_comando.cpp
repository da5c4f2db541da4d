#include "readings/primeira_via_apos_comando.h"

#include <utility>

#include "driver/seguimento.h"

namespace tarnel {

bool CapturaPrimeiraViaApos(const ComandoExecutado& comando) {
  const bool memoria_para_host =
      comando.para_host &&
      (comando.Eh(quorbal::Comando::EmiteLeituraFitaDetalhe) || comando.Eh(quorbal::Comando::EmiteLeituraMF));
  return AdmiteSeguimento(comando) && comando.codigo_erro == 0 && !memoria_para_host;
}

void CapturaPrimeiraViaAposComando(TfrmMain& frm, std::function<void()> LeImpressaoExecute) {
  frm.AposComando.Observa([captura = std::move(LeImpressaoExecute)](const ComandoExecutado& comando) {
    if (CapturaPrimeiraViaApos(comando)) captura();
  }, kEtapaPrimeiraVia);
}

}  // namespace tarnel
