// PainelErros: the execute and clear buttons and the error fields of the last command.
#pragma once
#include <QWidget>
#include <array>

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

  // Room for both buttons, the label and the error name whole, and some of the circumstance.
  QSize minimumSizeHint() const override;

  QPushButton* btExecuta;
  QPushButton* btLimpaPars;
  QLabel* lblErro;
  QLineEdit* ebNomeErro;
  QLineEdit* ebCircunstancia;

 protected:
  void resizeEvent(QResizeEvent* evento) override;

 private:
  // The left edges along the panel: btExecuta, btLimpaPars, lblErro, ebNomeErro, ebCircunstancia.
  std::array<int, 5> Esquerdas() const;

  int largura_nome_erro_;
};

}  // namespace tarnel::gui
