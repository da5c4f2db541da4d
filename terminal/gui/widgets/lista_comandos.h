// lbComandos: the catalogue's commands in columns; as many columns as the widest name fits in the
// list's width.
#pragma once
#include <QListWidget>

namespace tarnel::gui {

class ListaComandos : public QListWidget {
  Q_OBJECT
 public:
  explicit ListaComandos(QWidget* pai);

  // Fills the list; the list's tag becomes the widest item in pixels.
  void Preenche(const QStringList& nomes);
  int LarguraItemMaior() const { return largura_item_maior_; }
  int Colunas() const { return colunas_; }

 protected:
  void resizeEvent(QResizeEvent* evento) override;

 private:
  void AjustaColunas();

  int largura_item_maior_ = 0;
  int colunas_ = 1;
};

}  // namespace tarnel::gui
