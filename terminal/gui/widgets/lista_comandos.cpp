#include "widgets/lista_comandos.h"

#include <QFontMetrics>
#include <QResizeEvent>
#include <algorithm>

#include "window/larguras.h"

namespace tarnel::gui {

ListaComandos::ListaComandos(QWidget* pai) : QListWidget(pai) {
  setObjectName(QStringLiteral("lbComandos"));
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListaComandos::Preenche(const QStringList& nomes) {
  clear();
  addItems(nomes);
  const QFontMetrics medidas(font());
  largura_item_maior_ = 0;
  // Items are drawn with a small margin on each side; the widest text plus that margin is the tag.
  for (const QString& nome : nomes) largura_item_maior_ = std::max(largura_item_maior_, medidas.horizontalAdvance(nome) + 8);
  AjustaColunas();
}

void ListaComandos::AjustaColunas() {
  const int largura = viewport()->width();
  if (auto colunas = ColunasLista(largura, largura_item_maior_)) {
    colunas_ = *colunas;
    setGridSize(QSize(std::max(largura / colunas_, 1), fontMetrics().height() + 4));
  }
}

void ListaComandos::resizeEvent(QResizeEvent* evento) {
  QListWidget::resizeEvent(evento);
  AjustaColunas();
}

}  // namespace tarnel::gui
