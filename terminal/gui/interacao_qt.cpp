#include "interacao_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "dialogs/erros_dialogo.h"
#include "texto_qt.h"

namespace tarnel::gui {
namespace {

QMessageBox::Icon IconeQt(Icone icone) {
  switch (icone) {
    case Icone::Informacao: return QMessageBox::Information;
    case Icone::Aviso: return QMessageBox::Warning;
    case Icone::Erro: return QMessageBox::Critical;
    case Icone::Pergunta: return QMessageBox::Question;
    case Icone::Nenhum: break;
  }
  return QMessageBox::NoIcon;
}

// The program speaks Portuguese: the standard buttons and the file dialog's own texts too (Qt's own
// are English unless its translations are installed).
void TextosDosBotoes(QMessageBox& caixa) {
  const struct {
    QMessageBox::StandardButton botao;
    const char16_t* texto;
  } textos[] = {{QMessageBox::Ok, u"OK"}, {QMessageBox::Yes, u"&Sim"}, {QMessageBox::No, u"&Não"},
                {QMessageBox::Cancel, u"Cancelar"}};
  for (const auto& t : textos)
    if (QAbstractButton* botao = caixa.button(t.botao)) botao->setText(QString::fromUtf16(t.texto));
}

void TextosDoDialogo(QFileDialog& dialogo, bool salvar) {
  dialogo.setLabelText(QFileDialog::LookIn, QStringLiteral("Procurar em:"));
  dialogo.setLabelText(QFileDialog::FileName, QStringLiteral("Nome do arquivo:"));
  dialogo.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
  dialogo.setLabelText(QFileDialog::Accept, salvar ? QStringLiteral("&Salvar") : QStringLiteral("&Abrir"));
  dialogo.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
}

QMessageBox::StandardButton BotaoQt(Resposta resposta) {
  switch (resposta) {
    case Resposta::Sim: return QMessageBox::Yes;
    case Resposta::Nao: return QMessageBox::No;
    case Resposta::Cancela: break;
  }
  return QMessageBox::Cancel;
}


QString Titulo(const std::string& titulo) {
  return titulo.empty() ? QApplication::applicationDisplayName() : QTexto(titulo);
}

// Drops what a person does to the windows while long work lets their events through: a second
// command or dump started from the main window meanwhile would take the printer from under the
// first. Repaints, timers and the printer's own traffic still pass. A modal dialog in front (the
// progress dialog once it shows, the run dialog of a command file, a message) already keeps the
// main window out, and its buttons (Cancel) must answer: then nothing is dropped.
class EntradaRetida : public QObject {
 public:
  EntradaRetida() { qApp->installEventFilter(this); }
  ~EntradaRetida() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* evento) override {
    if (QApplication::activeModalWidget()) return false;
    switch (evento->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletRelease:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

void InteracaoQt::MostraErros(const TfrmErros& erros) {
  FimProgresso();
  ErrosDialogo dialogo(erros, pai_);
  dialogo.Mostra();
}

void InteracaoQt::Mensagem(const std::string& texto, Icone icone, const std::string& titulo) {
  QMessageBox caixa(IconeQt(icone), Titulo(titulo), QTexto(texto), QMessageBox::Ok, pai_);
  TextosDosBotoes(caixa);
  caixa.exec();
}

Resposta InteracaoQt::Pergunta(const std::string& texto, Icone icone, bool com_cancela, Resposta padrao,
                               const std::string& titulo) {
  QMessageBox::StandardButtons botoes = QMessageBox::Yes | QMessageBox::No;
  if (com_cancela) botoes |= QMessageBox::Cancel;
  QMessageBox caixa(IconeQt(icone), Titulo(titulo), QTexto(texto), botoes, pai_);
  TextosDosBotoes(caixa);
  caixa.setDefaultButton(BotaoQt(padrao));
  switch (caixa.exec()) {
    case QMessageBox::Yes: return Resposta::Sim;
    case QMessageBox::No: return Resposta::Nao;
    default: return Resposta::Cancela;  // Cancel, or the box closed with Escape
  }
}

QString FiltroQt(const std::string& filtro) {
  // Pairs of description and pattern; Qt shows the description, which already names the pattern.
  const QStringList partes = QTexto(filtro).split(u'|');
  QStringList filtros;
  for (int i = 0; i + 1 < partes.size(); i += 2) {
    QString descricao = partes[i];
    if (!descricao.contains(u'(')) descricao += QStringLiteral(" (") + partes[i + 1] + u')';
    filtros << descricao;
  }
  return filtros.join(u";;");
}

bool InteracaoQt::EscolheArquivos(const PedidoArquivo& pedido, std::vector<std::string>& escolhidos) {
  QFileDialog dialogo(pai_, QTexto(pedido.titulo), QString(), FiltroQt(pedido.filtro));
  dialogo.setAcceptMode(pedido.salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  TextosDoDialogo(dialogo, pedido.salvar);
  dialogo.setFileMode(pedido.salvar ? QFileDialog::AnyFile
                                    : (pedido.varios ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile));
  // Choosing an existing file to save into is no reason to replace it: the program decides what
  // becomes of it and asks its own question when that matters.
  if (pedido.salvar) dialogo.setOption(QFileDialog::DontConfirmOverwrite);
  if (!pedido.extensao_padrao.empty()) dialogo.setDefaultSuffix(QTexto(pedido.extensao_padrao));
  if (!pedido.nome_inicial.empty()) dialogo.selectFile(QTexto(pedido.nome_inicial));
  if (dialogo.exec() != QDialog::Accepted) return false;
  escolhidos.clear();
  for (const QString& arquivo : dialogo.selectedFiles()) escolhidos.push_back(TextoCore(arquivo));
  return !escolhidos.empty();
}

void InteracaoQt::Progresso(const std::string& titulo, std::int64_t feito, std::int64_t total) {
  if (!progresso_) {
    progresso_ = new QProgressDialog(pai_);
    progresso_->setWindowModality(Qt::WindowModal);
    progresso_->setCancelButtonText(QStringLiteral("&Cancelar"));
    progresso_->setAutoClose(false);
    progresso_->setAutoReset(false);
    progresso_->setMinimumDuration(500);
  }
  progresso_->setWindowTitle(QTexto(titulo));
  if (total > 0) {
    progresso_->setRange(0, 1000);
    progresso_->setValue(static_cast<int>(std::min<std::int64_t>(feito, total) * 1000 / total));
    progresso_->setLabelText(QString::number(feito) + QStringLiteral(" de ") + QString::number(total));
  } else {
    progresso_->setRange(0, 0);  // the total is not known: a busy bar and the bytes so far
    progresso_->setValue(0);
    progresso_->setLabelText(QStringLiteral("Recebidos %1 bytes").arg(feito));
  }
}

bool InteracaoQt::CancelamentoPedido() { return progresso_ && progresso_->wasCanceled(); }

void InteracaoQt::FimProgresso() {
  if (!progresso_) return;
  progresso_->close();
  delete progresso_;
}

void InteracaoQt::ProcessaEventos() {
  const EntradaRetida retida;
  QApplication::processEvents();
}

void InteracaoQt::TrazParaFrente() {
  if (!pai_) return;
  QWidget* janela = pai_->window();
  janela->raise();
  janela->activateWindow();
}

}  // namespace tarnel::gui
