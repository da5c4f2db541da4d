// Choosing a bank for the cheque command: the data area's "Bancos..." entry and the bank window
// TfrmBanco, which copies the chosen bank's positions into the cheque command's fields.
#pragma once
#include <string>
#include <vector>

#include "cheques/bancos.h"
#include "window/mainfrm.h"

namespace tarnel {

extern const char kMensagemSemArquivoBancos[];  // "O arquivo de bancos 'CHEQUES.INI' não está presente!"

// The entry is enabled only while the cheque command is selected.
bool BancosHabilitado(const TfrmMain& frm);

// "Bancos...": loads the banks when none are loaded; true when the bank window is to be shown,
// otherwise the error box was shown.
bool BancosClick(TfrmMain& frm);

// The confirmation asked before a bank's positions are copied: "Key=value" lines, a blank line and
// "Confirma os valores informados?".
std::string TextoConfirmacaoBanco(const PosicoesCheque& posicoes);

class TfrmBanco {
 public:
  const char* Caption() const { return "Selecione o Banco"; }

  std::vector<std::string> cbBancos;
  int cbBancosItemIndex = -1;

  // Each time the window is shown: the banks' texts, the first selected.
  void FormShow(const TfrmMain& frm);
  // "&Selecionar": asks for confirmation with the bank's positions. Yes copies them into the cheque
  // command's fields (whichever command is selected) and No leaves them: both close the window
  // (true). Cancel keeps it open (false).
  bool btSelecionarClick(TfrmMain& frm) const;
};

}  // namespace tarnel
