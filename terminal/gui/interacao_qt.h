// The core's questions and messages as Qt dialogs, over the main window.
#pragma once
#include <QPointer>
#include <QWidget>

#include "window/interacao.h"

namespace tarnel::gui {

class InteracaoQt : public Interacao {
 public:
  // The parent of the dialogs; set once the main window exists.
  void DefinePai(QWidget* pai) { pai_ = pai; }

  void Mensagem(const std::string& texto, Icone icone, const std::string& titulo) override;
  Resposta Pergunta(const std::string& texto, Icone icone, bool com_cancela, Resposta padrao,
                    const std::string& titulo) override;
  bool EscolheArquivos(const PedidoArquivo& pedido, std::vector<std::string>& escolhidos) override;
  void ProcessaEventos() override;
  void TrazParaFrente() override;

 private:
  QPointer<QWidget> pai_;
};

// "Descrição (*.EXT)|*.EXT|…" as Qt's filter "Descrição (*.EXT);;…".
QString FiltroQt(const std::string& filtro);

}  // namespace tarnel::gui
