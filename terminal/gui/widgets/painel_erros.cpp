#include "widgets/painel_erros.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

#include "window/larguras.h"

namespace tarnel::gui {

PainelErros::PainelErros(QWidget* pai)
    : QWidget(pai),
      btExecuta(new QPushButton(QStringLiteral("E&xecuta Comando"), this)),
      btLimpaPars(new QPushButton(QStringLiteral("&Limpa Campos"), this)),
      lblErro(new QLabel(QStringLiteral("Erro:"), this)),
      ebNomeErro(new QLineEdit(this)),
      ebCircunstancia(new QLineEdit(this)) {
  setObjectName(QStringLiteral("PainelErros"));
  btExecuta->setObjectName(QStringLiteral("btExecuta"));
  btLimpaPars->setObjectName(QStringLiteral("btLimpaPars"));
  ebNomeErro->setObjectName(QStringLiteral("ebNomeErro"));
  ebCircunstancia->setObjectName(QStringLiteral("ebCircunstancia"));
  btExecuta->setDefault(true);
  btExecuta->setAutoDefault(true);
  // Enter on the focused clear button clears, rather than reaching the window's default button.
  btLimpaPars->setAutoDefault(true);
  btExecuta->setEnabled(false);
  // The error fields show results; they are not tab stops.
  for (QLineEdit* campo : {ebNomeErro, ebCircunstancia}) {
    campo->setReadOnly(true);
    campo->setFocusPolicy(Qt::ClickFocus);
  }
  setFixedHeight(std::max(kAltura, btExecuta->sizeHint().height() + 16));
  // The design's 140 pixels hold an error name in the design's font; wider fonts get the room that
  // name needs (about 24 characters).
  largura_nome_erro_ = std::max(kLarguraNomeErro, ebNomeErro->fontMetrics().averageCharWidth() * 24 + 8);
}

namespace {
constexpr int kMargem = 6;
constexpr int kEspaco = 4;
}  // namespace

std::array<int, 5> PainelErros::Esquerdas() const {
  std::array<int, 5> x{};
  x[0] = kMargem;
  x[1] = x[0] + btExecuta->sizeHint().width() + kMargem;
  x[2] = x[1] + btLimpaPars->sizeHint().width() + 2 * kMargem;
  x[3] = x[2] + lblErro->sizeHint().width() + kEspaco;
  x[4] = x[3] + largura_nome_erro_ + kEspaco;
  return x;
}

QSize PainelErros::minimumSizeHint() const {
  // Eight characters of the circumstance, and the pixel its width rule leaves at the right edge.
  return QSize(Esquerdas()[4] + ebCircunstancia->fontMetrics().averageCharWidth() * 8 + 1, height());
}

void PainelErros::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  const std::array<int, 5> x = Esquerdas();
  const int altura_botao = btExecuta->sizeHint().height();
  const int topo = (height() - altura_botao) / 2;
  btExecuta->setGeometry(x[0], topo, btExecuta->sizeHint().width(), altura_botao);
  btLimpaPars->setGeometry(x[1], topo, btLimpaPars->sizeHint().width(), altura_botao);
  const int altura_campo = ebNomeErro->sizeHint().height();
  const int topo_campo = (height() - altura_campo) / 2;
  lblErro->adjustSize();
  lblErro->move(x[2], (height() - lblErro->height()) / 2);
  ebNomeErro->setGeometry(x[3], topo_campo, largura_nome_erro_, altura_campo);
  ebCircunstancia->move(x[4], topo_campo);
  // Stretched to the panel's right edge by the resize step.
  if (auto largura = LarguraCircunstancia(width(), x[4])) ebCircunstancia->resize(*largura, altura_campo);
}

}  // namespace tarnel::gui
