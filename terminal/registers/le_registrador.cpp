#include "registers/le_registrador.h"

#include "quorbal/registradores.h"
#include "registers/leitura_registrador.h"

namespace tarnel {

const char kHintAtivarLeitura[] = "Ativar Leitura Automática";
const char kHintDesativarLeitura[] = "Desativar Leitura Automática";

namespace {

void MostraValor(TfrmMain& frm, ValorRegistrador valor) {
  frm.lbValorRegistrador = std::move(valor);
  frm.Notifica(Alteracao::Registrador);
}

// After a change of the box or the index field.
void RegistradorAlterado(TfrmMain& frm) {
  if (frm.LeRegistrador.Checked)
    LeRegistradorExecute(frm);
  else
    MostraValor(frm, ValorRegistrador{});
}

}  // namespace

std::string NomeRegistradorLido(const TfrmMain& frm) {
  if (!RegistradorIndexado(frm.cbNomeRegistrador)) return frm.cbNomeRegistrador;
  return frm.cbNomeRegistrador + "[" + frm.IndiceRegistrador + "]";
}

void LeRegistradorExecute(TfrmMain& frm) {
  if (frm.LeRegistrador.Checked) {
    if (std::optional<ValorRegistrador> valor = LeValorRegistrador(frm, NomeRegistradorLido(frm)))
      MostraValor(frm, std::move(*valor));
  }
  frm.btLeRegistradorAutomaticoDown = frm.LeRegistrador.Checked;
  frm.Notifica(Alteracao::Registrador);
}

void btLeRegistradorAutomaticoClick(TfrmMain& frm) {
  const bool ligar = !frm.LeRegistrador.Checked;
  frm.LeRegistrador.Checked = ligar;
  frm.btLeRegistradorAutomaticoHint = ligar ? kHintDesativarLeitura : kHintAtivarLeitura;
  frm.Notifica(Alteracao::Acoes);
  frm.AposLeituraAutomatica.Notifica(EventoLeituraAutomatica{ligar, frm.Iniciando});
  LeRegistradorExecute(frm);
}

void cbNomeRegistradorChange(TfrmMain& frm, const std::string& texto) {
  frm.cbNomeRegistrador = texto;
  frm.cbNomeRegistradorItemIndex = quorbal::ProcuraRegistrador(texto);
  RegistradorAlterado(frm);
}

void ebIndiceRegistradorChange(TfrmMain& frm, const std::string& texto) {
  frm.IndiceRegistrador = texto;
  RegistradorAlterado(frm);
}

}  // namespace tarnel
