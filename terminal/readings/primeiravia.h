// TfrmPrimeiraVia, the "Grava Primeira Via" dialog as a model: storage on or off, the file the
// first copy goes to, and the button that makes its readable copy. Made once at start (which loads
// the settings) and shown again at each use of the menu entry.
#pragma once
#include <string>

#include "readings/primeira_via.h"
#include "window/armazem_configuracao.h"
#include "window/interacao.h"

namespace tarnel {

class TfrmPrimeiraVia {
 public:
  // chave: the program's settings key (the main window's).
  TfrmPrimeiraVia(Interacao& interacao, ArmazemConfiguracao& armazem, std::string chave)
      : interacao_(interacao), armazem_(armazem), chave_(std::move(chave)) {}
  ~TfrmPrimeiraVia() { FormDestroy(); }
  TfrmPrimeiraVia(const TfrmPrimeiraVia&) = delete;
  TfrmPrimeiraVia& operator=(const TfrmPrimeiraVia&) = delete;

  ConfiguracaoPrimeiraVia Configuracao;  // what the capture uses

  // Controls.
  bool cbGravar = false;
  bool gbGravarVisible = false;
  std::string ebArquivo;                   // the file's name without folder and extension
  std::string dlgFileFileName = "Via1.TXT";  // the file dialog's current file
  bool GravaPrimeiraViaChecked = false;    // the main menu entry's check mark

  void FormCreate();  // reads the settings
  void FormShow();
  void cbGravarClick() { gbGravarVisible = cbGravar; }
  void btSelPastaClick();
  void btOKClick();  // saves and closes
  void btCancelClick() { FormClose(); }
  void FormClose() { GravaPrimeiraViaChecked = Configuracao.gravar; }
  void btFiltrarClick();
  void FormDestroy();

 private:
  Interacao& interacao_;
  ArmazemConfiguracao& armazem_;
  std::string chave_;
  bool aberto_ = false;
};

}  // namespace tarnel
