// The core's questions and messages as Qt dialogs, over the main window.
#pragma once
#include <QPointer>
#include <QProgressDialog>
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
  // A window-modal progress dialog with a Cancel button, closed when the work reaches its total
  // or a message is shown.
  bool Progride(const std::string& etapa, std::uint64_t feito, std::uint64_t total) override;

 private:
  void FechaProgresso();
  QPointer<QWidget> pai_;
  QPointer<QProgressDialog> progresso_;
};

// "Descrição (*.EXT)|*.EXT|…" as Qt's filter "Descrição (*.EXT);;…".
QString FiltroQt(const std::string& filtro);

}  // namespace tarnel::gui
