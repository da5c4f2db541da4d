// TfrmExecutaComandos's window: "Não pausar", the three pause boxes in their frame, which files run,
// the context check, Executar, Cancelar and Ajuda. Modal; during a run the player lets window events
// through between lines, so Cancelar (or Escape, or closing the window) asks the run to stop.
#pragma once
#include <QDialog>

#include "scripts/frmexec.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tarnel::gui {

class ExecutaDialogo : public QDialog {
  Q_OBJECT
 public:
  ExecutaDialogo(TfrmExecutaComandos& modelo, QWidget* pai);

  // "&Executa Arquivo de Comandos": the options from the settings, then the dialog, modal.
  void Mostra();

  QCheckBox* cbNaoPausar;
  QGroupBox* grpPausa;
  QCheckBox* cbPausaSemErros;
  QCheckBox* cbPausaComErros;
  QCheckBox* cbPausaDiferentes;
  QGroupBox* grbArquivoExecutar;
  QRadioButton* rbArquivoSelecionado;
  QRadioButton* rbTodosArquivos;
  QCheckBox* cbTestarContexto;
  QPushButton* btExecutar;
  QPushButton* btCancelar;
  QPushButton* btAjuda;

 public slots:
  void reject() override;  // Escape and the close button act as Cancelar

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void Mostra(const TfrmExecutaComandos::Controle& modelo, QWidget* controle);
  void AtualizaControles();

  TfrmExecutaComandos& modelo_;
  QButtonGroup* arquivos_;
  bool atualizando_ = false;
};

}  // namespace tarnel::gui
