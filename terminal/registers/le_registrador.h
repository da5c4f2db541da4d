// The register reader's controls in the tool bar: the automatic-reading button, the register box, the
// index field beside it for an indexed register, and the value label.
#pragma once
#include <string>

#include "window/mainfrm.h"

namespace tarnel {

// Hints of btLeRegistradorAutomatico after a click.
extern const char kHintAtivarLeitura[];     // "Ativar Leitura Automática"
extern const char kHintDesativarLeitura[];  // "Desativar Leitura Automática"

// The name the reading asks for: the box's text, with "[" + IndiceRegistrador + "]" when the box
// names an indexed register.
std::string NomeRegistradorLido(const TfrmMain& frm);

// The LeRegistrador action's handler: reads the register into lbValorRegistrador while automatic
// reading is on, and keeps the button's pressed state with the action.
void LeRegistradorExecute(TfrmMain& frm);

// Switches automatic reading, sets the button's hint, tells AposLeituraAutomatica and reads.
void btLeRegistradorAutomaticoClick(TfrmMain& frm);

// The box's text changed (typed, or an entry picked): the selection follows the text, and the
// register is read while automatic reading is on; otherwise the label is emptied.
void cbNomeRegistradorChange(TfrmMain& frm, const std::string& texto);

// The index field changed; read as for the box.
void ebIndiceRegistradorChange(TfrmMain& frm, const std::string& texto);

}  // namespace tarnel
