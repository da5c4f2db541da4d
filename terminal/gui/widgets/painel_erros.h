// PainelErros: the execute and clear buttons and the error fields of the last command.
#pragma once
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarnel::gui {

class PainelErros : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kAltura = 54;
  static constexpr int kLarguraNomeErro = 140;

  explicit PainelErros(QWidget* pai);

  QPushButton* btExecuta;
  QPushButton* btLimpaPars;
  QLabel* lblErro;
  QLineEdit* ebNomeErro;
  QLineEdit* ebCircunstancia;

 protected:
  void resizeEvent(QResizeEvent* evento) override;

 private:
  int largura_nome_erro_;
};

}  // namespace tarnel::gui
