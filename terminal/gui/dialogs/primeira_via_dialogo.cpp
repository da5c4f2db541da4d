#include "dialogs/primeira_via_dialogo.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "texto_qt.h"

namespace tarnel::gui {

PrimeiraViaDialogo::PrimeiraViaDialogo(TfrmPrimeiraVia& modelo, QWidget* pai)
    : QDialog(pai),
      cbGravar(new QCheckBox(QStringLiteral("Armazenar Primeira Via"))),
      gbGravar(new QGroupBox),
      ebArquivo(new QLineEdit),
      modelo_(modelo) {
  setObjectName(QStringLiteral("frmPrimeiraVia"));
  setWindowTitle(QStringLiteral("Grava Primeira Via"));
  resize(420, 148);
  cbGravar->setObjectName(QStringLiteral("cbGravar"));
  ebArquivo->setObjectName(QStringLiteral("ebArquivo"));
  ebArquivo->setValidator(new ValidadorCp1252(ebArquivo));
  auto* selPasta = new QPushButton(QStringLiteral("..."));
  selPasta->setObjectName(QStringLiteral("btSelPasta"));
  selPasta->setToolTip(QStringLiteral("Seleciona o arquivo..."));
  auto* filtrar = new QPushButton(QStringLiteral("&Filtrar Arquivo"));
  filtrar->setObjectName(QStringLiteral("btFiltrar"));
  filtrar->setToolTip(
      QStringLiteral("Gera um novo arquivo sem os caracteres de Escape e com 48 colunas por linha!"));
  auto* linha = new QHBoxLayout(gbGravar);
  linha->addWidget(new QLabel(QStringLiteral("Nome do Arquivo:")));
  linha->addWidget(ebArquivo, 1);
  linha->addWidget(selPasta);

  auto* botoes = new QDialogButtonBox;
  QPushButton* ok = botoes->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
  botoes->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole);
  ok->setObjectName(QStringLiteral("btOK"));
  ok->setDefault(true);
  connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(cbGravar, &QCheckBox::clicked, this, [this](bool marcado) {
    modelo_.cbGravar = marcado;
    modelo_.cbGravarClick();
    gbGravar->setVisible(modelo_.gbGravarVisible);
  });
  connect(ebArquivo, &QLineEdit::textEdited, this, [this](const QString& texto) { modelo_.ebArquivo = TextoCore(texto); });
  connect(selPasta, &QPushButton::clicked, this, [this] {
    modelo_.btSelPastaClick();
    ebArquivo->setText(QTexto(modelo_.ebArquivo));
  });
  connect(filtrar, &QPushButton::clicked, this, [this] { modelo_.btFiltrarClick(); });

  auto* disposicao = new QVBoxLayout(this);
  disposicao->addWidget(cbGravar);
  disposicao->addWidget(gbGravar);
  // The filter stays at hand with storage off: a file kept earlier can still be made readable.
  auto* rodape = new QHBoxLayout;
  rodape->addWidget(filtrar);
  rodape->addWidget(botoes, 1);
  disposicao->addLayout(rodape);
}

void PrimeiraViaDialogo::MostraModelo() {
  cbGravar->setChecked(modelo_.cbGravar);
  gbGravar->setVisible(modelo_.gbGravarVisible);
  ebArquivo->setText(QTexto(modelo_.ebArquivo));
}

void PrimeiraViaDialogo::Mostra() {
  modelo_.FormShow();
  MostraModelo();
  if (exec() == QDialog::Accepted)
    modelo_.btOKClick();
  else
    modelo_.btCancelClick();
}

}  // namespace tarnel::gui
