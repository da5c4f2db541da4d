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

void PainelErros::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  const int margem = 6;
  const int altura_botao = btExecuta->sizeHint().height();
  const int topo = (height() - altura_botao) / 2;
  int x = margem;
  for (QPushButton* botao : {btExecuta, btLimpaPars}) {
    botao->setGeometry(x, topo, botao->sizeHint().width(), altura_botao);
    x += botao->width() + margem;
  }
  x += margem;
  const int altura_campo = ebNomeErro->sizeHint().height();
  const int topo_campo = (height() - altura_campo) / 2;
  lblErro->adjustSize();
  lblErro->move(x, (height() - lblErro->height()) / 2);
  x += lblErro->width() + 4;
  ebNomeErro->setGeometry(x, topo_campo, largura_nome_erro_, altura_campo);
  x += largura_nome_erro_ + 4;
  ebCircunstancia->move(x, topo_campo);
  // Stretched to the panel's right edge by the resize step.
  if (auto largura = LarguraCircunstancia(width(), x)) ebCircunstancia->resize(*largura, altura_campo);
}

}  // namespace tarnel::gui
