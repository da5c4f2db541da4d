#include "registers/le_registrador_apos_comando.h"

#include <utility>

#include "driver/seguimento.h"

namespace tarnel {

void LeRegistradorAposComando(TfrmMain& frm, std::function<void()> LeRegistradorExecute) {
  frm.AposComando.Observa([le = std::move(LeRegistradorExecute)](const ComandoExecutado& comando) {
    if (AdmiteSeguimento(comando)) le();
  }, kEtapaLeituraRegistrador);
}

}  // namespace tarnel
