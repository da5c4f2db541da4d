// The actions and the menu bar of TfrmMain.
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "driver/conexao.h"
#include "driver/execucao.h"
#include "readings/leitura_arquivo.h"
#include "main/janela_principal.h"
#include "readings/le_memoria.h"
#include "readings/leitura_mfd_binaria.h"
#include "registers/le_registrador.h"
#include "registers/leitura_registrador.h"
#include "scripts/gravacao.h"
#include "spreadsheet/configura_totalizadores.h"
#include "spreadsheet/leitura_x_planilha.h"
#include "spreadsheet/ligacao_planilha.h"
#include "texto_qt.h"

namespace tarnel::gui {

void JanelaPrincipal::CriaAcoes() {
  using Tipo = Acoes::Tipo;
  acConnect = acoes_.Vincula(new QAction(this), frm_.Connect, Tipo::Alterna);
  acConnect->setObjectName(QStringLiteral("Connect"));
  connect(acConnect, &QAction::triggered, this, [this] {
    ConnectExecute(frm_);
    MostraConexao();  // the action shows the model's state, whatever the click did to it
  });
  acSelecionaArquivoComandos = acoes_.Vincula(new QAction(this), frm_.SelecionaArquivoComandos, Tipo::Comum);
  acSelecionaArquivoComandos->setObjectName(QStringLiteral("SelecionaArquivoComandos"));
  connect(acSelecionaArquivoComandos, &QAction::triggered, this, [this] { SelecionaArquivoComandosExecute(frm_); });
  acGravaComandos = acoes_.Vincula(new QAction(this), frm_.GravaComandos, Tipo::Alterna);
  acGravaComandos->setObjectName(QStringLiteral("GravaComandos"));
  connect(acGravaComandos, &QAction::triggered, this, [this] {
    GravaComandosExecute(frm_);
    AtualizaAcoes();  // pressed while recording, whatever the click did to it
  });
  acParaGravacao = acoes_.Vincula(new QAction(this), frm_.ParaGravacao, Tipo::Comum);
  acParaGravacao->setObjectName(QStringLiteral("ParaGravacao"));
  connect(acParaGravacao, &QAction::triggered, this, [this] { ParaGravacaoExecute(frm_); });
  acExecutaArquivoComandos = acoes_.Vincula(new QAction(this), frm_.ExecutaArquivoComandos, Tipo::Comum);
  acExecutaArquivoComandos->setObjectName(QStringLiteral("ExecutaArquivoComandos"));
  acLeRegistrador = acoes_.Vincula(new QAction(this), frm_.LeRegistrador, Tipo::Alterna);
  connect(acLeRegistrador, &QAction::triggered, this, [this] {
    btLeRegistradorAutomaticoClick(frm_);
    MostraRegistrador();
  });
  acSair = Acoes::Simples(this, QStringLiteral("&Sair"), 9);
  connect(acSair, &QAction::triggered, this, &QWidget::close);
  acDefineTimeout = Acoes::Simples(this, QStringLiteral("Define &Timeout"));
  acUltimoRetorno = Acoes::Simples(this, QStringLiteral("Último &Retorno"));
  connect(acUltimoRetorno, &QAction::triggered, this, [this] { ExecutaUltimoRetorno(frm_); });
  acSobre = Acoes::Simples(this, QStringLiteral("&Sobre..."));

  // The readings to files, each with the numbers and dates typed in its command's entries.
  const auto leitura = [this](const QString& texto, int imagem, const char* nome, PedidoLeitura (*pedido)(const TfrmMain&)) {
    QAction* acao = Acoes::Simples(this, texto, imagem);
    acao->setObjectName(QString::fromLatin1(nome));
    connect(acao, &QAction::triggered, this, [this, pedido] { EmiteLeituraParaArquivo(frm_, pedido(frm_)); });
    return acao;
  };
  acLeituraMFparaArquivo =
      leitura(QStringLiteral("Leitura &MF para Arquivo"), 7, "LeituraMFparaArquivo2", PedidoLeituraMF);
  acLeituraMFDparaArquivo =
      leitura(QStringLiteral("Leitura MF&D para Arquivo"), 8, "LeituraMFDparaArquivo2", PedidoLeituraMFD);
  acGravaPrimeiraVia = Acoes::Simples(this, QStringLiteral("Grava &Primeira Via"));
  acGravaPrimeiraVia->setObjectName(QStringLiteral("GravaPrimeiraVia"));
  acGravaPrimeiraVia->setCheckable(true);
  acLeituraXparaArquivo = leitura(QStringLiteral("Leitura &X para Arquivo"), -1, "LeituraXparaArquivo1", PedidoLeituraX);
}

void JanelaPrincipal::CriaMenus() {
  using Tipo = Acoes::Tipo;
  QMenu* arquivo = menuBar()->addMenu(QStringLiteral("&Arquivo"));
  arquivo->setToolTipsVisible(true);
  arquivo->addAction(acConnect);
  arquivo->addSeparator();
  arquivo->addAction(acSelecionaArquivoComandos);
  arquivo->addAction(acGravaComandos);
  arquivo->addAction(acExecutaArquivoComandos);
  arquivo->addAction(acGravaPrimeiraVia);
  arquivo->addSeparator();
  arquivo->addAction(acSair);

  // The Editar menu: the workbook link and its operations, some under shorter captions of its own,
  // and a line saying which engine computes the workbook.
  QMenu* editar = menuBar()->addMenu(QStringLiteral("&Editar"));
  editar->setObjectName(QStringLiteral("menuEditar"));
  editar->setToolTipsVisible(true);
  const auto planilha = [this](QAction* acao, const char* nome, void (*executa)(TfrmMain&)) {
    acao->setObjectName(QString::fromLatin1(nome));
    connect(acao, &QAction::triggered, this, [this, executa] {
      executa(frm_);
      AtualizaAcoes();  // the link's check mark follows the model, whatever the click did
    });
    return acao;
  };
  acConexaoExcel = planilha(acoes_.Vincula(new QAction(this), frm_.ConexaoExcel, Tipo::Alterna,
                                           QStringLiteral("&Conexão Excel")),
                            "menuExcelConexao", ConexaoExcel);
  editar->addAction(acConexaoExcel);
  editar->addSeparator();
  editar->addAction(planilha(acoes_.Vincula(new QAction(this), frm_.ConfiguraTotalizadores, Tipo::Comum),
                             "menuConfiguraAliquotas", ConfiguraTotalizadores));
  editar->addAction(planilha(acoes_.Vincula(new QAction(this), frm_.ObtemLeituraX, Tipo::Comum,
                                            QStringLiteral("&Grava Leitura X")),
                             "menuObtemLeituraX", ObtemLeituraXExecute));
  editar->addAction(planilha(acoes_.Vincula(new QAction(this), frm_.ConfereLeituraX, Tipo::Comum,
                                            QStringLiteral("Confere &Leitura X")),
                             "ConfereLeituraX1", ConfereLeituraXExecute));
  editar->addSeparator();
  acMotorPlanilha = editar->addAction(QString());
  acMotorPlanilha->setObjectName(QStringLiteral("MotorPlanilha"));
  acMotorPlanilha->setEnabled(false);
  const auto mostra_motor = [this] {
    const std::string motor = frm_.Planilha ? frm_.Planilha->NomeMotor() : std::string();
    acMotorPlanilha->setText(QStringLiteral("Planilha: ") +
                             (motor.empty() ? QStringLiteral("nenhum motor") : QTexto(motor)));
  };
  mostra_motor();
  connect(editar, &QMenu::aboutToShow, this, mostra_motor);

  menuComandos_ = menuBar()->addMenu(QStringLiteral("Co&mandos"));
  menuComandos_->setToolTipsVisible(true);
  menuComandos_->addAction(acDefineTimeout);
  menuComandos_->addAction(acUltimoRetorno);
  menuComandos_->addSeparator();
  menuComandos_->addAction(acLeituraMFparaArquivo);
  menuComandos_->addAction(acLeituraMFDparaArquivo);
  QAction* mfd_binaria = acoes_.Vincula(new QAction(this), frm_.LeituraMFDBinaria, Tipo::Comum);
  mfd_binaria->setObjectName(QStringLiteral("LeituraMFDBinaria"));
  mfd_binaria->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_M));
  connect(mfd_binaria, &QAction::triggered, this, [this] { LeituraMFDBinariaExecute(frm_); });
  menuComandos_->addAction(mfd_binaria);
  menuComandos_->addAction(acLeituraXparaArquivo);
  QAction* software_basico = Acoes::Simples(this, QStringLiteral("Leitura do &Software Básico"));
  software_basico->setObjectName(QStringLiteral("LeituradoSoftwareBasico"));
  connect(software_basico, &QAction::triggered, this, [this] { LeituradoSoftwareBasicoClick(frm_); });
  menuComandos_->addAction(software_basico);
  // The menu's own shortcut opens it.
  auto* atalho = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
  connect(atalho, &QShortcut::activated, this, [this] {
    menuBar()->setActiveAction(menuComandos_->menuAction());
  });

  QMenu* ajuda = menuBar()->addMenu(QStringLiteral("A&juda"));
  ajuda->addAction(acSobre);
}

}  // namespace tarnel::gui
