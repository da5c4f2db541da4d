#include "dialogs/executa_dialogo.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "texto_qt.h"

namespace tarnel::gui {

namespace {

template <class Controle>
Controle* Cria(const TfrmExecutaComandos::Controle& modelo, const QString& nome) {
  auto* controle = new Controle(QTexto(modelo.Caption));
  controle->setObjectName(nome);
  return controle;
}

}  // namespace

ExecutaDialogo::ExecutaDialogo(TfrmExecutaComandos& modelo, QWidget* pai)
    : QDialog(pai),
      cbNaoPausar(Cria<QCheckBox>(modelo.cbNaoPausar, QStringLiteral("cbNaoPausar"))),
      grpPausa(Cria<QGroupBox>(modelo.grpPausa, QStringLiteral("grpPausa"))),
      cbPausaSemErros(Cria<QCheckBox>(modelo.cbPausaSemErros, QStringLiteral("cbPausaSemErros"))),
      cbPausaComErros(Cria<QCheckBox>(modelo.cbPausaComErros, QStringLiteral("cbPausaComErros"))),
      cbPausaDiferentes(Cria<QCheckBox>(modelo.cbPausaDiferentes, QStringLiteral("cbPausaDiferentes"))),
      grbArquivoExecutar(new QGroupBox(QTexto(modelo.grbArquivoExecutar.Caption))),
      rbArquivoSelecionado(new QRadioButton(QTexto(modelo.grbArquivoExecutar.Items[0]))),
      rbTodosArquivos(new QRadioButton(QTexto(modelo.grbArquivoExecutar.Items[1]))),
      cbTestarContexto(Cria<QCheckBox>(modelo.cbTestarContexto, QStringLiteral("cbTestarContexto"))),
      btExecutar(Cria<QPushButton>(modelo.btExecutar, QStringLiteral("btExecutar"))),
      btCancelar(Cria<QPushButton>(modelo.btCancelar, QStringLiteral("btCancelar"))),
      btAjuda(Cria<QPushButton>(modelo.btAjuda, QStringLiteral("btAjuda"))),
      modelo_(modelo),
      arquivos_(new QButtonGroup(this)) {
  setObjectName(QStringLiteral("frmExecutaComandos"));
  setWindowTitle(QTexto(modelo_.Caption()));
  grbArquivoExecutar->setObjectName(QStringLiteral("grbArquivoExecutar"));
  rbArquivoSelecionado->setObjectName(QStringLiteral("rbArquivoSelecionado"));
  rbTodosArquivos->setObjectName(QStringLiteral("rbTodosArquivos"));

  auto* pausas = new QVBoxLayout(grpPausa);
  pausas->addWidget(cbPausaSemErros);
  pausas->addWidget(cbPausaComErros);
  pausas->addWidget(cbPausaDiferentes);
  auto* colunas = new QHBoxLayout(grbArquivoExecutar);  // two columns
  colunas->addWidget(rbArquivoSelecionado);
  colunas->addWidget(rbTodosArquivos);
  arquivos_->addButton(rbArquivoSelecionado, TfrmExecutaComandos::kArquivoSelecionado);
  arquivos_->addButton(rbTodosArquivos, TfrmExecutaComandos::kTodosArquivos);

  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(btExecutar);
  botoes->addWidget(btCancelar);
  botoes->addWidget(btAjuda);
  btExecutar->setDefault(true);
  btExecutar->setAutoDefault(true);
  btCancelar->setAutoDefault(false);
  btAjuda->setAutoDefault(false);

  auto* disposicao = new QVBoxLayout(this);
  disposicao->addWidget(cbNaoPausar);
  disposicao->addWidget(grpPausa);
  disposicao->addWidget(grbArquivoExecutar);
  disposicao->addWidget(cbTestarContexto);
  disposicao->addLayout(botoes);
  setSizeGripEnabled(false);

  // Widget events to the model; the model's changes back to the widgets.
  const auto marca = [this](QCheckBox* caixa, TfrmExecutaComandos::Controle& controle) {
    connect(caixa, &QCheckBox::toggled, this, [this, &controle](bool marcada) {
      if (!atualizando_) controle.Checked = marcada;
    });
  };
  marca(cbPausaSemErros, modelo_.cbPausaSemErros);
  marca(cbPausaComErros, modelo_.cbPausaComErros);
  marca(cbPausaDiferentes, modelo_.cbPausaDiferentes);
  marca(cbTestarContexto, modelo_.cbTestarContexto);
  connect(cbNaoPausar, &QCheckBox::toggled, this, [this](bool marcada) {
    if (atualizando_) return;
    modelo_.cbNaoPausar.Checked = marcada;
    modelo_.cbNaoPausarClick();
  });
  connect(arquivos_, &QButtonGroup::idClicked, this, [this](int id) {
    if (!atualizando_) modelo_.grbArquivoExecutar.ItemIndex = id;
  });
  connect(btExecutar, &QPushButton::clicked, this, [this] { modelo_.btExecutarClick(); });
  connect(btCancelar, &QPushButton::clicked, this, [this] { modelo_.btCancelarClick(); });
  modelo_.AoAlterar = [this] { AtualizaControles(); };
  modelo_.AoFechar = [this] { QDialog::done(QDialog::Accepted); };
  AtualizaControles();
}

void ExecutaDialogo::Mostra(const TfrmExecutaComandos::Controle& modelo, QWidget* controle) {
  controle->setEnabled(modelo.Enabled);
  if (auto* botao = qobject_cast<QAbstractButton*>(controle); botao && botao->isCheckable())
    botao->setChecked(modelo.Checked);
}

void ExecutaDialogo::AtualizaControles() {
  atualizando_ = true;
  Mostra(modelo_.cbNaoPausar, cbNaoPausar);
  Mostra(modelo_.grpPausa, grpPausa);
  Mostra(modelo_.cbPausaSemErros, cbPausaSemErros);
  Mostra(modelo_.cbPausaComErros, cbPausaComErros);
  Mostra(modelo_.cbPausaDiferentes, cbPausaDiferentes);
  Mostra(modelo_.cbTestarContexto, cbTestarContexto);
  Mostra(modelo_.btExecutar, btExecutar);
  Mostra(modelo_.btCancelar, btCancelar);
  Mostra(modelo_.btAjuda, btAjuda);
  grbArquivoExecutar->setEnabled(modelo_.grbArquivoExecutar.Enabled);
  if (QAbstractButton* escolhido = arquivos_->button(modelo_.grbArquivoExecutar.ItemIndex)) escolhido->setChecked(true);
  atualizando_ = false;
}

void ExecutaDialogo::Mostra() {
  modelo_.ExecutaArquivoComandosExecute();
  exec();
}

void ExecutaDialogo::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  modelo_.FormActivate();
}

void ExecutaDialogo::reject() { modelo_.btCancelarClick(); }

}  // namespace tarnel::gui
