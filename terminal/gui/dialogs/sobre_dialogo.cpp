#include "dialogs/sobre_dialogo.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "imagens/lista_imagens.h"
#include "texto_qt.h"

namespace tarnel::gui {

namespace {
constexpr int kLadoFigura = 64;
}

SobreDialogo::SobreDialogo(const TfrmAbout& modelo, QWidget* pai)
    : QDialog(pai),
      ProgramIcon(new QLabel),
      ProductName(new QLabel(QTexto(modelo.ProductName))),
      Version(new QLabel(QTexto(modelo.Version))),
      OEMEmpresa(new QLabel(QTexto(modelo.OEMEmpresa))),
      Linha1(new QLabel(QTexto(modelo.Linha1))),
      Linha2(new QLabel(QTexto(modelo.Linha2))) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QTexto(modelo.Caption));
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setFixedSize(kLadoFigura, kLadoFigura);
  // The reseller's picture, stretched into the frame; the program's own when there is none (or it
  // cannot be read).
  QPixmap figura;
  if (!modelo.ProgramIcon.empty()) figura.load(QTexto(modelo.ProgramIcon));
  if (figura.isNull()) figura = ImagemPrograma().pixmap(QSize(kLadoFigura, kLadoFigura), devicePixelRatioF());
  ProgramIcon->setPixmap(figura);
  ProgramIcon->setScaledContents(true);
  QFont negrito = OEMEmpresa->font();
  negrito.setBold(true);
  OEMEmpresa->setFont(negrito);
  for (QLabel* rotulo : {ProductName, Version, OEMEmpresa, Linha1, Linha2})
    rotulo->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // A reseller's line may run to 199 characters: it wraps within the box rather than widening it
  // past the screen.
  for (QLabel* rotulo : {OEMEmpresa, Linha1, Linha2}) rotulo->setWordWrap(true);

  auto* dados = new QGridLayout;
  dados->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
  dados->addWidget(new QLabel(QStringLiteral("Software:")), 0, 1);
  dados->addWidget(ProductName, 0, 2);
  dados->addWidget(new QLabel(QStringLiteral("Versão:")), 1, 1);
  dados->addWidget(Version, 1, 2);
  dados->setColumnStretch(2, 1);
  auto* botoes = new QDialogButtonBox;
  botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* disposicao = new QVBoxLayout(this);
  disposicao->addLayout(dados);
  disposicao->addSpacing(8);
  disposicao->addWidget(OEMEmpresa);
  disposicao->addWidget(Linha1);
  disposicao->addWidget(Linha2);
  disposicao->addWidget(botoes);
  Linha2->setVisible(!modelo.Linha2.empty());
  setMinimumWidth(340);
}

}  // namespace tarnel::gui
