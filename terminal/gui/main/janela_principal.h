// TfrmMain's window: menus, the tool bar's three bands, lbComandos, the data area, the transcript.
// It only translates: widget events call the model, model changes refresh the widgets.
#pragma once
#include <QMainWindow>
#include <QMargins>
#include <QRect>
#include <memory>

#include "main/acoes.h"
#include "readings/primeiravia.h"
#include "scripts/frmexec.h"
#include "window/armazem_configuracao.h"
#include "window/aboutfrm.h"
#include "window/mainfrm.h"
#include "window/mostraerros.h"
#include "window/timeoutfrm.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QToolBar;
class QToolButton;

namespace tarnel::gui {

// The stored window geometry (the client area, without the frame) as it is shown on a desktop whose
// free area is area, for a window whose frame adds moldura around it: frame included, the window
// lies wholly within the area, shrunk when larger and moved in when it sticks out.
QRect GeometriaNaArea(const GeometriaJanela& g, const QRect& area, const QMargins& moldura = {});

class AreaDados;
class BancoDialogo;
class DocaBobina;
class ErrosDialogo;
class ExecutaDialogo;
class PrimeiraViaDialogo;
class SobreDialogo;
class TimeoutDialogo;
class ListaComandos;
class TerminalTexto;

class JanelaPrincipal : public QMainWindow {
  Q_OBJECT
  // The first copy's settings, held for the run as the dialog holds its key. Declared before the
  // dialog's model (PrimeiraVia), which closes them as it goes: members go in reverse order.
  ArmazemRegistro armazemPrimeiraVia_;

 public:
  explicit JanelaPrincipal(TfrmMain& frm);

  // The parts tests and the start-up reach.
  ListaComandos* lbComandos = nullptr;
  AreaDados* PainelDados = nullptr;
  TerminalTexto* Terminal = nullptr;
  DocaBobina* Bobina = nullptr;  // the emulated printer's paper
  QSplitter* divisorVertical = nullptr;    // between lbComandos and the data area
  QSplitter* divisorHorizontal = nullptr;  // above the transcript
  QComboBox* cbCanalECF = nullptr;
  QToolButton* btConectar = nullptr;
  QComboBox* cbNomeArquivo = nullptr;
  QComboBox* cbNomeRegistrador = nullptr;
  QLineEdit* ebIndiceRegistrador = nullptr;
  QLabel* lbValorRegistrador = nullptr;
  QToolButton* btLeRegistradorAutomatico = nullptr;

  QAction* acConnect = nullptr;
  QAction* acSelecionaArquivoComandos = nullptr;
  QAction* acGravaComandos = nullptr;
  QAction* acParaGravacao = nullptr;
  QAction* acExecutaArquivoComandos = nullptr;
  QAction* acLeRegistrador = nullptr;
  QAction* acSair = nullptr;
  QAction* acDefineTimeout = nullptr;
  QAction* acUltimoRetorno = nullptr;
  QAction* acSobre = nullptr;
  // Editar menu: the workbook link, and the line naming the workbook's engine.
  QAction* acConexaoExcel = nullptr;
  QAction* acMotorPlanilha = nullptr;
  // Comandos menu: the readings to files.
  QAction* acLeituraMFparaArquivo = nullptr;
  QAction* acLeituraMFDparaArquivo = nullptr;
  QAction* acLeituraXparaArquivo = nullptr;

  // The dialogs, made once after the main window, in the program's order; the about box reads the
  // reseller's file as it is made. titulo: the application title.
  void CriaDialogos(const std::string& titulo);
  ExecutaDialogo* frmExecutaComandos = nullptr;
  TimeoutDialogo* frmTimeout = nullptr;
  ErrosDialogo* frmErros = nullptr;
  SobreDialogo* frmAbout = nullptr;
  BancoDialogo* frmBanco = nullptr;
  PrimeiraViaDialogo* frmPrimeiraVia = nullptr;
  std::unique_ptr<TfrmPrimeiraVia> PrimeiraVia;  // its model, whose settings the capture follows
  QAction* acGravaPrimeiraVia = nullptr;          // Arquivo menu, checked while storage is on
  QAction* acBancos = nullptr;  // pumnBanco's one entry

  // Applies the model's geometry (after the settings were read) and takes it back (before they are
  // written).
  void AplicaGeometria();
  void GuardaGeometria();

 protected:
  void closeEvent(QCloseEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  // Enter that no control used presses the window's default button, btExecuta, when it is enabled.
  void keyPressEvent(QKeyEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void CriaAcoes();
  void CriaMenus();
  void CriaBarraFerramentas();
  void CriaAreaCentral();
  void Observa(Alteracao alteracao);
  void AtualizaAcoes();
  void MostraConexao();
  void MostraRegistrador();
  void MostraArquivoComandos();
  void Executa();
  // The stored geometry fitted into the screen's free area, with the frame when it is known.
  QRect GeometriaNaTela(const GeometriaJanela& g) const;
  // Fits the shown window again once its frame is known.
  void EncaixaComMoldura();

  TfrmMain& frm_;
  Acoes acoes_;
  ArmazemRegistro armazem_;  // the run dialog's options
  TfrmExecutaComandos executa_;
  TfrmTimeout timeout_;
  TfrmErros erros_;
  std::unique_ptr<TfrmAbout> about_;
  QMenu* menuComandos_ = nullptr;
  bool moldura_vista_ = false;  // the frame was known at a showing, and the window fitted with it
};

}  // namespace tarnel::gui
