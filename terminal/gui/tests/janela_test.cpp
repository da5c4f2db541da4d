// The real Qt window over the model, on the emulated printer of the driver stand-in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <climits>
#include <filesystem>
#include <fstream>
#include <vector>
#include <QMenu>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "apoio/interacao_roteirizada.h"
#include "inicio/inicia_tfrmmain.h"
#include "dialogs/banco_dialogo.h"
#include "dialogs/executa_dialogo.h"
#include "dialogs/primeira_via_dialogo.h"
#include "scripts/gravacao.h"
#include "main/janela_principal.h"
#include "quorbal/catalogo.h"
#include "test_support/temp_folder.h"
#include "texto_qt.h"
#include "widgets/area_dados.h"
#include "widgets/lista_comandos.h"
#include "widgets/painel_campos.h"
#include "widgets/painel_erros.h"
#include "widgets/terminal_texto.h"

namespace tarnel::gui {
namespace {

using test_support::TempFolder;

int Indice(const char* nome) { return quorbal::ProcuraComando(nome); }

// A control of a command's panels by its field name (several commands share field names).
template <class Controle>
Controle* Campo(const JanelaPrincipal& janela, const char* comando, const char* campo) {
  const int indice = Indice(comando);
  for (PainelCampos* painel : {janela.PainelDados->PainelParametros(indice), janela.PainelDados->PainelRetornos(indice)})
    if (painel)
      if (auto* controle = painel->findChild<Controle*>(QString::fromLatin1(campo))) return controle;
  return nullptr;
}

class JanelaTest : public ::testing::Test {
 protected:
  JanelaTest() : pasta_("tarnel-gui", TempFolder::enter | TempFolder::user_folders) {
    pasta_.set_env("TARNEL_DROVIK", DROVIK_ARQUIVO);
    pasta_.unset_env("TARNEL_PLANILHA");  // a lab's choice of workbook engine is no test's
  }

  ~JanelaTest() override {
    if (iniciado_) EncerraTfrmMain(frm_);
  }

  // A window as the program makes it, after the start-up of a first run, shown at the design size.
  // The window observes the model, so it outlives the exit sequence.
  JanelaPrincipal* AbreJanela() {
    janela_ = std::make_unique<JanelaPrincipal>(frm_);
    IniciaTfrmMain(frm_);
    iniciado_ = true;
    janela_->AplicaGeometria();
    janela_->show();
    QApplication::processEvents();
    return janela_.get();
  }

  void Seleciona(JanelaPrincipal& janela, const char* nome) {
    janela.lbComandos->setCurrentRow(Indice(nome));
    QApplication::processEvents();
  }

  // Selects the command and types the text into one of its fields; the field, or null without it.
  QLineEdit* Digita(JanelaPrincipal& janela, const char* comando, const char* campo, const QString& texto) {
    Seleciona(janela, comando);
    auto* controle = Campo<QLineEdit>(janela, comando, campo);
    if (!controle) return nullptr;
    controle->setText(texto);
    emit controle->textEdited(texto);
    return controle;
  }

  TempFolder pasta_;
  teste::InteracaoRoteirizada interacao_;
  TfrmMain frm_{interacao_};
  std::unique_ptr<JanelaPrincipal> janela_;
  bool iniciado_ = false;
};

TEST_F(JanelaTest, ListsTheWholeCatalogueAndShowsOnlyTheFirstCommandsPanels) {
  auto janela = AbreJanela();
  ASSERT_EQ(janela->lbComandos->count(), quorbal::kTotalComandos);
  EXPECT_EQ(janela->lbComandos->item(0)->text(), QStringLiteral("AbreCreditoDebito"));
  EXPECT_EQ(janela->lbComandos->item(quorbal::kTotalComandos - 1)->text(), QStringLiteral("VendeItem"));
  int visiveis = 0;
  for (int c = 0; c < quorbal::kTotalComandos; ++c) {
    for (PainelCampos* painel : {janela->PainelDados->PainelParametros(c), janela->PainelDados->PainelRetornos(c)})
      if (painel && painel->isVisible()) {
        ++visiveis;
        EXPECT_EQ(c, 0);
      }
  }
  EXPECT_EQ(visiveis, 1);  // AbreCreditoDebito has parameters and no returns
  EXPECT_FALSE(janela->PainelDados->painelErros()->btExecuta->isEnabled());
}

TEST_F(JanelaTest, ChequeCommandShowsEveryFieldWithLengthsAndOptionalColour) {
  auto janela = AbreJanela();
  Seleciona(*janela, "ImprimeCheque");
  const int cheque = Indice("ImprimeCheque");
  PainelCampos* painel = janela->PainelDados->PainelParametros(cheque);
  ASSERT_NE(painel, nullptr);
  EXPECT_TRUE(painel->isVisible());
  EXPECT_EQ(janela->PainelDados->PainelRetornos(cheque), nullptr);
  const quorbal::DescritorComando& d = quorbal::kCatalogo[cheque];
  ASSERT_EQ(painel->Total(), static_cast<int>(d.total_parametros));
  const QColor normal = painel->Controle(0)->palette().color(QPalette::Base);  // Cidade is mandatory
  for (int i = 0; i < painel->Total(); ++i) {
    auto* linha = qobject_cast<QLineEdit*>(painel->Controle(i));
    ASSERT_NE(linha, nullptr) << d.parametros[i].nome;
    EXPECT_EQ(linha->objectName(), QString::fromLatin1(d.parametros[i].nome));
    const bool opcional = linha->palette().color(QPalette::Base) != normal;
    EXPECT_EQ(opcional, d.parametros[i].obrigatorio == 0) << d.parametros[i].nome;
  }
  auto* favorecido = Campo<QLineEdit>(*janela, "ImprimeCheque", "Favorecido");
  ASSERT_NE(favorecido, nullptr);
  EXPECT_EQ(favorecido->maxLength(), 45);
}

TEST_F(JanelaTest, PrintReadingHasOneWideReturnFillingTheArea) {
  auto janela = AbreJanela();
  Seleciona(*janela, "LeImpressao");
  const int indice = Indice("LeImpressao");
  EXPECT_EQ(janela->PainelDados->PainelParametros(indice), nullptr);
  PainelCampos* retornos = janela->PainelDados->PainelRetornos(indice);
  ASSERT_NE(retornos, nullptr);
  ASSERT_TRUE(retornos->isVisible());
  ASSERT_EQ(retornos->Total(), 1);
  auto* caixa = qobject_cast<QPlainTextEdit*>(retornos->Controle(0));
  ASSERT_NE(caixa, nullptr);
  // Right-aligned: it reaches the panel's right edge and takes its whole height.
  const QRect area = retornos->viewport()->rect();
  EXPECT_EQ(caixa->geometry().right(), area.right());
  EXPECT_EQ(caixa->height(), area.height());
  EXPECT_GT(caixa->geometry().left(), retornos->LarguraRotulos());
  EXPECT_GT(caixa->width(), area.width() / 2);
}

TEST_F(JanelaTest, FieldsNarrowWithTheWindowAndWidenBackToTheirNaturalWidth) {
  auto janela = AbreJanela();
  Seleciona(*janela, "VendeItem");
  PainelCampos* painel = janela->PainelDados->PainelParametros(Indice("VendeItem"));
  ASSERT_NE(painel, nullptr);
  // NomeProduto (200 characters) is wider than the area; Unidade (2, shown as 3) never is.
  auto* produto = Campo<QLineEdit>(*janela, "VendeItem", "NomeProduto");
  auto* unidade = Campo<QLineEdit>(*janela, "VendeItem", "Unidade");
  ASSERT_TRUE(produto && unidade);
  const int natural_unidade = unidade->width();
  janela->resize(1200, 510);
  QApplication::processEvents();
  const int largo = produto->width();
  janela->resize(600, 510);
  QApplication::processEvents();
  const int estreito = produto->width();
  EXPECT_LT(estreito, largo);
  EXPECT_LE(produto->geometry().right(), painel->viewport()->width());
  janela->resize(1200, 510);
  QApplication::processEvents();
  EXPECT_EQ(produto->width(), largo);
  EXPECT_EQ(unidade->width(), natural_unidade);
  int indice_unidade = -1;
  for (int i = 0; i < painel->Total(); ++i)
    if (painel->Controle(i) == unidade) indice_unidade = i;
  EXPECT_EQ(unidade->width(), painel->LarguraNatural(indice_unidade));
}

// Stored figures a person edited, or that a larger or second screen left behind, are fitted into the
// desktop there is, frame included: a window far larger than it cannot even be drawn, and one that
// sticks out cannot be reached.
TEST(GeometriaJanelaTest, StoredFiguresAreFittedIntoTheDesktop) {
  const QRect area(0, 0, 1280, 1000);
  const QRect duas_telas(-1920, 0, 3200, 1080);  // a second screen on the left
  const QRect pequena(0, 0, 800, 600);
  const QRect escalada(0, 0, 682, 512);  // 1024x768 at a scale of 1.5
  const QMargins titulo(1, 20, 1, 1);    // a title bar and thin borders
  const struct {
    GeometriaJanela guardada;
    QRect desktop;
    QMargins moldura;
    QRect esperada;
  } casos[] = {
      {{0, 800, 510, 19, 0}, area, {}, {0, 19, 800, 510}},
      {{0, 1000, 700, 300, 200}, area, {}, {200, 300, 1000, 700}},             // fits: left where it was
      {{0, 1000, 700, 200, 200}, area, titulo, {200, 200, 1000, 700}},
      {{0, 900, 500, 700, 600}, area, {}, {380, 500, 900, 500}},               // sticks out: moved in
      {{0, 500, 400, 500, 700}, pequena, {}, {300, 200, 500, 400}},
      {{0, 1280, 1024, 0, 0}, pequena, {}, {0, 0, 800, 600}},                  // from a larger screen
      {{0, 1280, 1024, 0, 0}, pequena, titulo, {1, 20, 798, 579}},
      {{0, 800, 510, 19, 0}, escalada, {}, {0, 2, 682, 510}},
      {{0, 800, 510, 19, 0}, escalada, titulo, {1, 20, 680, 491}},
      {{0, INT_MAX, INT_MAX, 19, 0}, area, {}, {0, 0, 1280, 1000}},
      {{0, 100000, 100000, 0, 0}, area, {}, {0, 0, 1280, 1000}},
      {{0, 800, 510, 19, 5000}, area, {}, {480, 19, 800, 510}},                // corner off to the right
      {{0, 800, 510, -4000, -3000}, area, {}, {0, 0, 800, 510}},
      {{0, 800, 510, 100, -1500}, duas_telas, {}, {-1500, 100, 800, 510}},     // on the second screen
      {{0, 800, 510, 100, -2500}, duas_telas, {}, {-1920, 100, 800, 510}},
      {{0, 0, -5, 19, 0}, area, {}, {0, 19, 1, 1}},
  };
  for (const auto& caso : casos) {
    const GeometriaJanela& g = caso.guardada;
    EXPECT_EQ(GeometriaNaArea(g, caso.desktop, caso.moldura), caso.esperada)
        << g.esquerda << "," << g.topo << " " << g.largura << "x" << g.altura << " on " << caso.desktop.width()
        << "x" << caso.desktop.height() << " frame top " << caso.moldura.top();
  }
}

TEST_F(JanelaTest, AnOversizedStoredWindowOpensWithinTheScreen) {
  frm_.Geometria = GeometriaJanela{0, INT_MAX, INT_MAX, 19, 0};
  frm_.TamanhoTerminal = INT_MAX;
  frm_.LarguraComandos = INT_MAX;
  JanelaPrincipal* janela = AbreJanela();
  const QRect tela = janela->screen()->availableVirtualGeometry();
  EXPECT_LE(janela->width(), tela.width());
  EXPECT_LE(janela->height(), tela.height());
  EXPECT_GT(janela->Terminal->height(), 0);
  EXPECT_FALSE(janela->grab().isNull());  // it can be drawn
}

// The frame is known only once the window shows: a window that fitted without it is fitted again
// then, frame included (here as wide as the offscreen desktop, 800 pixels).
TEST_F(JanelaTest, AWindowThatFitsOnlyWithoutItsFrameIsFittedOnceShown) {
  frm_.Geometria = GeometriaJanela{0, 800, 400, 0, 0};
  JanelaPrincipal* janela = AbreJanela();
  const QRect tela = janela->screen()->availableVirtualGeometry();
  ASSERT_EQ(tela.width(), 800);
  ASSERT_NE(janela->frameGeometry().size(), janela->size()) << "this platform gives windows no frame";
  EXPECT_TRUE(tela.contains(janela->frameGeometry()));
  EXPECT_EQ(janela->height(), 400);
}

// A list width and a transcript height stored on a larger screen do not squeeze the data area: its
// buttons and error fields show whole, and there is room for fields above them.
TEST_F(JanelaTest, PaneSizesFromALargerScreenLeaveTheDataAreaUsable) {
  frm_.Geometria = GeometriaJanela{0, 1600, 1000, 19, 0};
  frm_.LarguraComandos = 1000;
  frm_.TamanhoTerminal = 700;
  JanelaPrincipal* janela = AbreJanela();
  PainelErros* erros = janela->PainelDados->painelErros();
  for (QWidget* controle : std::vector<QWidget*>{erros->btExecuta, erros->btLimpaPars, erros->ebNomeErro})
    EXPECT_LE(controle->geometry().right(), erros->width()) << controle->objectName().toStdString();
  EXPECT_GE(erros->ebCircunstancia->width(), erros->ebCircunstancia->fontMetrics().averageCharWidth() * 6);
  const int linha = erros->ebNomeErro->sizeHint().height();
  EXPECT_GE(janela->PainelDados->height() - erros->height(), 3 * linha);
  EXPECT_GT(janela->lbComandos->width(), 305);   // as wide as the room allows
  EXPECT_GT(janela->Terminal->height(), 91);
}

// The transcript opens at the stored height, however short: the design's 48 pixels, and the 35 a
// stored 0 stands for.
TEST_F(JanelaTest, TheTranscriptOpensAtTheStoredHeight) {
  for (const int altura : {48, 35, 140}) {
    SCOPED_TRACE(altura);
    frm_.TamanhoTerminal = altura;
    JanelaPrincipal* janela = janela_ ? janela_.get() : AbreJanela();
    janela->AplicaGeometria();
    QApplication::processEvents();
    EXPECT_EQ(janela->Terminal->height(), altura);
  }
}

TEST_F(JanelaTest, TypedParametersReachTheModelAndClearingEmptiesThem) {
  auto janela = AbreJanela();
  Seleciona(*janela, "LeTexto");
  auto* nome = Campo<QLineEdit>(*janela, "LeTexto", "NomeTexto");
  ASSERT_NE(nome, nullptr);
  nome->setFocus();
  nome->insert(QStringLiteral("Razão"));
  emit nome->textEdited(nome->text());
  const int indice = Indice("LeTexto");
  EXPECT_EQ(frm_.Campos[indice].parametros[0], "Raz\xE3o");  // Windows-1252 in the model
  janela->PainelDados->painelErros()->btLimpaPars->click();
  EXPECT_TRUE(frm_.Campos[indice].parametros[0].empty());
  EXPECT_TRUE(nome->text().isEmpty());
}

// A field's size limits typing; a longer text the program puts in (a script line, a bank layout)
// shows whole, as it is sent, and editing it does not cut it to the limit.
TEST_F(JanelaTest, TextPutInByTheProgramShowsWholeAndAnEditKeepsIt) {
  auto janela = AbreJanela();
  Seleciona(*janela, "VendeItem");
  const int indice = Indice("VendeItem");
  auto* unidade = Campo<QLineEdit>(*janela, "VendeItem", "Unidade");
  ASSERT_NE(unidade, nullptr);
  ASSERT_TRUE(frm_.DefineParametro(indice, "Unidade", "ABCDEFG"));
  frm_.Notifica(Alteracao::CamposComando);
  EXPECT_EQ(unidade->text(), QStringLiteral("ABCDEFG"));
  unidade->setFocus();
  unidade->end(false);
  QTest::keyClick(unidade, Qt::Key_Backspace);
  EXPECT_EQ(unidade->text(), QStringLiteral("ABCDEF"));
  std::string enviado;
  for (std::size_t p = 0; p < quorbal::kCatalogo[indice].total_parametros; ++p)
    if (std::string(quorbal::kCatalogo[indice].parametros[p].nome) == "Unidade") enviado = frm_.Campos[indice].parametros[p];
  EXPECT_EQ(enviado, "ABCDEF");

  janela->PainelDados->painelErros()->btLimpaPars->click();
  ASSERT_TRUE(unidade->text().isEmpty());
  QTest::keyClicks(unidade, QStringLiteral("XYZ"));
  EXPECT_EQ(unidade->text(), QStringLiteral("XY"));  // typing keeps to the field's two characters
}

// Keys typed one character at a time, as a keyboard or an input method sends them (QTest maps only
// ASCII to keys).
void DigitaCaracteres(QWidget* campo, const QString& texto) {
  for (const QChar c : texto) {
    QKeyEvent tecla(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(campo, &tecla);
  }
}

// Characters Windows-1252 lacks never get into a field, typed or pasted: sent, or used as a file
// name, they would be "?", another text and another file.
TEST_F(JanelaTest, CharactersWindows1252LacksAreDroppedAsTheyAreTyped) {
  auto janela = AbreJanela();
  Seleciona(*janela, "VendeItem");
  auto* nome = Campo<QLineEdit>(*janela, "VendeItem", "NomeProduto");
  ASSERT_NE(nome, nullptr);
  DigitaCaracteres(nome, QString::fromUtf8(u8"Chá 日本 €"));
  EXPECT_EQ(nome->text(), QString::fromUtf8(u8"Chá  €"));
  nome->clear();
  nome->insert(QString::fromUtf8(u8"Pão 日本😀 de açúcar"));  // a paste
  EXPECT_EQ(nome->text(), QString::fromUtf8(u8"Pão  de açúcar"));
  const int indice = Indice("VendeItem");
  std::string enviado;
  for (std::size_t p = 0; p < quorbal::kCatalogo[indice].total_parametros; ++p)
    if (std::string(quorbal::kCatalogo[indice].parametros[p].nome) == "NomeProduto") enviado = frm_.Campos[indice].parametros[p];
  EXPECT_EQ(enviado, "P\xE3o  de a\xE7\xFA\x63\x61r");

  Seleciona(*janela, "EscreveTexto");
  auto* texto = Campo<QPlainTextEdit>(*janela, "EscreveTexto", "ValorTexto");
  ASSERT_NE(texto, nullptr);
  texto->setFocus();
  DigitaCaracteres(texto, QString::fromUtf8(u8"ab日c"));
  EXPECT_EQ(texto->toPlainText(), QStringLiteral("abc"));

  // The tool bar's boxes too (the file box is off while recording, as at every start).
  janela->cbCanalECF->lineEdit()->clear();
  DigitaCaracteres(janela->cbCanalECF->lineEdit(), QString::fromUtf8(u8"COM日1"));
  EXPECT_EQ(janela->cbCanalECF->currentText(), QStringLiteral("COM1"));
  EXPECT_NE(janela->cbNomeArquivo->validator(), nullptr);
}

TEST_F(JanelaTest, ExecutingOnTheEmulatedPrinterFillsErrorFieldsReturnsAndTranscript) {
  auto janela = AbreJanela();
  janela->acConnect->trigger();
  ASSERT_TRUE(frm_.Connect.Checked) << (interacao_.mensagens.empty() ? "" : interacao_.mensagens[0]);
  PainelErros* erros = janela->PainelDados->painelErros();
  EXPECT_TRUE(erros->btExecuta->isEnabled());
  EXPECT_TRUE(janela->btConectar->isChecked());

  // A register the printer knows: its value comes back in the return field.
  ASSERT_NE(Digita(*janela, "LeData", "NomeData", QStringLiteral("Data")), nullptr);
  erros->btExecuta->click();
  QApplication::processEvents();
  EXPECT_EQ(erros->ebNomeErro->text(), QTexto(frm_.ebNomeErro));
  EXPECT_EQ(frm_.CodigoErro, 0);
  auto* valor = Campo<QLineEdit>(*janela, "LeData", "ValorData");
  ASSERT_NE(valor, nullptr);
  EXPECT_EQ(valor->text().size(), 10);  // dd/mm/yyyy
  EXPECT_EQ(valor->text(), QTexto(frm_.Campos[Indice("LeData")].retornos[0]));
  const QString transcricao = janela->Terminal->toPlainText();
  EXPECT_TRUE(transcricao.contains(QStringLiteral(" -> {0;LeData;NomeData=Data;}")))
      << transcricao.toStdString();

  // A payment with no coupon open: the printer's refusal shows in the error fields.
  ASSERT_NE(Digita(*janela, "PagaCupom", "Valor", QStringLiteral("1,00")), nullptr);
  erros->btExecuta->click();
  QApplication::processEvents();
  EXPECT_NE(frm_.CodigoErro, 0);
  EXPECT_FALSE(erros->ebNomeErro->text().isEmpty());
  EXPECT_EQ(erros->ebNomeErro->text(), QTexto(frm_.ebNomeErro));
  EXPECT_EQ(erros->ebCircunstancia->text(), QTexto(frm_.ebCircunstancia));
  EXPECT_TRUE(janela->Terminal->toPlainText().contains(QStringLiteral(" <- {0;") + QString::number(frm_.CodigoErro)));

  janela->acConnect->trigger();
  EXPECT_FALSE(erros->btExecuta->isEnabled());
  EXPECT_FALSE(janela->btConectar->isChecked());
}

// What a line edit showed each time it was painted.
class Pinturas : public QObject {
 public:
  explicit Pinturas(QLineEdit* campo) : campo_(campo) { campo_->installEventFilter(this); }
  std::vector<QString> textos;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (objeto == campo_ && evento->type() == QEvent::Paint) textos.push_back(campo_->text());
    return false;
  }

 private:
  QLineEdit* campo_;
};

TEST_F(JanelaTest, ErrorFieldsArePaintedEmptyWhileTheCommandRuns) {
  auto janela = AbreJanela();
  janela->acConnect->trigger();
  ASSERT_TRUE(frm_.Connect.Checked);
  PainelErros* erros = janela->PainelDados->painelErros();
  // A refused payment leaves an error on show.
  ASSERT_NE(Digita(*janela, "PagaCupom", "Valor", QStringLiteral("1,00")), nullptr);
  erros->btExecuta->click();
  QApplication::processEvents();
  const QString anterior = erros->ebNomeErro->text();
  ASSERT_FALSE(anterior.isEmpty());

  // The window's event loop is held by the command, so only an immediate paint shows the fields
  // empty during the wait; the reply's texts are painted before the loop runs again.
  Pinturas nome(erros->ebNomeErro);
  Pinturas circunstancia(erros->ebCircunstancia);
  erros->btExecuta->click();
  ASSERT_GE(nome.textos.size(), 2u);
  EXPECT_EQ(nome.textos.front(), QString());
  EXPECT_EQ(nome.textos.back(), anterior);
  ASSERT_GE(circunstancia.textos.size(), 2u);
  EXPECT_EQ(circunstancia.textos.front(), QString());
  EXPECT_EQ(circunstancia.textos.back(), QTexto(frm_.ebCircunstancia));
}

TEST_F(JanelaTest, RegisterReaderControlsCarryTheirHints) {
  auto janela = AbreJanela();
  EXPECT_EQ(janela->cbNomeRegistrador->toolTip(), QStringLiteral("Nome do Registrador"));
  EXPECT_EQ(janela->lbValorRegistrador->toolTip(), QStringLiteral("Valor do Registrador"));
}

TEST_F(JanelaTest, RegisterValueShowsInItsNormalAndErrorLooks) {
  auto janela = AbreJanela();
  const QPalette sistema = janela->palette();
  // The colour the label shows at its right end, past any text.
  const auto Fundo = [&janela] {
    QApplication::processEvents();
    const QImage imagem = janela->lbValorRegistrador->grab().toImage();
    return imagem.pixelColor(imagem.width() - 3, imagem.height() / 2);
  };
  frm_.lbValorRegistrador = {"17", false};
  frm_.Notifica(Alteracao::Registrador);
  EXPECT_EQ(janela->lbValorRegistrador->palette().color(QPalette::Window), sistema.color(QPalette::HighlightedText));
  EXPECT_EQ(janela->lbValorRegistrador->palette().color(QPalette::WindowText), sistema.color(QPalette::WindowText));
  EXPECT_EQ(Fundo(), sistema.color(QPalette::HighlightedText));
  frm_.lbValorRegistrador = {"Erro=X Circunstancia=Y", true};
  frm_.Notifica(Alteracao::Registrador);
  EXPECT_EQ(janela->lbValorRegistrador->palette().color(QPalette::Window), QColor(Qt::red));
  EXPECT_EQ(janela->lbValorRegistrador->palette().color(QPalette::WindowText), QColor(Qt::yellow));
  EXPECT_EQ(Fundo(), QColor(Qt::red));
  const QImage erro = janela->lbValorRegistrador->grab().toImage();
  int amarelos = 0;
  for (int y = 0; y < erro.height(); ++y)
    for (int x = 0; x < erro.width(); ++x) amarelos += erro.pixelColor(x, y) == QColor(Qt::yellow);
  EXPECT_GT(amarelos, 0) << "the error text is not drawn in yellow";
  EXPECT_EQ(janela->lbValorRegistrador->text(), QStringLiteral("Erro=X Circunstancia=Y"));
}

TEST_F(JanelaTest, TabFromTheLastFieldGoesOnToTheErrorPanel) {
  auto janela = AbreJanela();
  janela->acConnect->trigger();  // the execute button takes focus only while enabled
  ASSERT_TRUE(frm_.Connect.Checked);
  janela->activateWindow();
  QApplication::setActiveWindow(janela);
  PainelErros* erros = janela->PainelDados->painelErros();
  for (const char* comando : {"AbreGaveta", "LeData", "AbreCupomFiscal"}) {
    Seleciona(*janela, comando);
    const quorbal::DescritorComando& d = quorbal::kCatalogo[Indice(comando)];
    // The returns' panel comes first, then the parameters'; the error panel after both.
    const char* ultimo = d.parametros[d.total_parametros - 1].nome;
    auto* campo = Campo<QLineEdit>(*janela, comando, ultimo);
    ASSERT_NE(campo, nullptr) << comando;
    campo->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), campo) << comando;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(campo, &tab);
    QApplication::processEvents();
    QWidget* foco = QApplication::focusWidget();
    EXPECT_EQ(foco, erros->btExecuta) << comando << ": " << (foco ? foco->objectName().toStdString() : "none");
  }
}

// btExecuta is the window's default button: Enter that the focused control leaves unused presses it
// while it is enabled; Enter on the clear button presses that button instead, and the transcript
// and the tool bar's boxes keep it.
TEST_F(JanelaTest, EnterPressesTheExecuteButtonAsTheWindowsDefault) {
  enum class Foco { Campo, Lista, Limpa, Transcricao, Canal, Registrador };
  const struct {
    Foco foco;
    bool conectado;
    bool executa;
    bool limpa;
  } casos[] = {
      {Foco::Campo, true, true, false},
      {Foco::Lista, true, true, false},
      {Foco::Campo, false, false, false},
      {Foco::Limpa, true, false, true},
      {Foco::Transcricao, true, false, false},
      {Foco::Canal, true, false, false},
      {Foco::Registrador, true, false, false},
  };
  auto janela = AbreJanela();
  janela->activateWindow();
  QApplication::setActiveWindow(janela);
  PainelErros* erros = janela->PainelDados->painelErros();
  for (const auto& caso : casos) {
    const std::string nome_caso = std::to_string(static_cast<int>(caso.foco)) + (caso.conectado ? " on" : " off");
    if (frm_.Connect.Checked != caso.conectado) janela->acConnect->trigger();
    ASSERT_EQ(frm_.Connect.Checked, caso.conectado) << nome_caso;
    QLineEdit* nome = Digita(*janela, "LeData", "NomeData", QStringLiteral("Data"));
    ASSERT_NE(nome, nullptr);
    QWidget* alvo = caso.foco == Foco::Campo ? static_cast<QWidget*>(nome)
                    : caso.foco == Foco::Lista ? static_cast<QWidget*>(janela->lbComandos)
                    : caso.foco == Foco::Limpa ? static_cast<QWidget*>(erros->btLimpaPars)
                    : caso.foco == Foco::Canal ? static_cast<QWidget*>(janela->cbCanalECF)
                    : caso.foco == Foco::Registrador ? static_cast<QWidget*>(janela->cbNomeRegistrador)
                                               : static_cast<QWidget*>(janela->Terminal);
    alvo->setFocus();
    QApplication::processEvents();
    const qsizetype antes = janela->Terminal->toPlainText().count(QStringLiteral(" -> {0;LeData;NomeData=Data;}"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(alvo, &enter);
    QApplication::processEvents();
    const qsizetype depois = janela->Terminal->toPlainText().count(QStringLiteral(" -> {0;LeData;NomeData=Data;}"));
    EXPECT_EQ(depois - antes, caso.executa ? 1 : 0) << nome_caso;
    EXPECT_EQ(nome->text().isEmpty(), caso.limpa) << nome_caso;
    EXPECT_TRUE(interacao_.mensagens.empty()) << nome_caso;
  }
}

TEST_F(JanelaTest, ChangingTheChannelWhileConnectedReconnectsOnTheTypedText) {
  auto janela = AbreJanela();
  janela->acConnect->trigger();
  ASSERT_TRUE(frm_.Connect.Checked);
  janela->cbCanalECF->setEditText(QStringLiteral("COM9"));
  QApplication::processEvents();
  EXPECT_EQ(frm_.cbCanalECF, "COM9");
  // The emulated library refuses a channel it has not: the reconnection fails and says so.
  EXPECT_FALSE(frm_.Connect.Checked);
  ASSERT_FALSE(interacao_.mensagens.empty());
  EXPECT_EQ(interacao_.mensagens.back(), "Canal COM9 n\xE3o pode ser aberto pela DLL.");
}

TEST_F(JanelaTest, ChoosingABankFillsTheChequePositionsShownInTheFields) {
  test_support::write_bytes("CHEQUES.INI", "[1]\r\nObservacao=Banco do Brasil\r\nHPosValor=110\r\nVPosValor=2\r\n"
                                           "[237]\r\nObservacao=Bradesco\r\nHPosValor=108\r\n");
  auto janela = AbreJanela();
  janela->CriaDialogos("tarnel");
  Seleciona(*janela, "VendeItem");
  EXPECT_FALSE(janela->acBancos->isEnabled());
  Seleciona(*janela, "ImprimeCheque");
  ASSERT_TRUE(janela->acBancos->isEnabled());
  janela->acBancos->trigger();
  QApplication::processEvents();
  ASSERT_TRUE(janela->frmBanco->isVisible());
  EXPECT_FALSE(janela->frmBanco->isModal());
  ASSERT_EQ(janela->frmBanco->cbBancos->count(), 2);
  EXPECT_EQ(janela->frmBanco->cbBancos->itemText(1), QStringLiteral("Banco 237 - Bradesco"));

  // The window stays usable: another command is selected before the choice.
  Seleciona(*janela, "LeData");
  janela->frmBanco->cbBancos->setCurrentIndex(0);
  interacao_.respostas = {Resposta::Cancela, Resposta::Sim};
  auto* selecionar = janela->frmBanco->findChild<QPushButton*>(QStringLiteral("btSelecionar"));
  ASSERT_NE(selecionar, nullptr);
  selecionar->click();  // Cancel: the bank window stays
  EXPECT_TRUE(janela->frmBanco->isVisible());
  selecionar->click();  // Yes
  QApplication::processEvents();
  EXPECT_FALSE(janela->frmBanco->isVisible());
  EXPECT_EQ(interacao_.titulos.back(), "Banco 1: Banco do Brasil");
  EXPECT_EQ(Campo<QLineEdit>(*janela, "ImprimeCheque", "HPosValor")->text(), QStringLiteral("110"));
  EXPECT_EQ(Campo<QLineEdit>(*janela, "ImprimeCheque", "VPosValor")->text(), QStringLiteral("2"));
  EXPECT_EQ(Campo<QLineEdit>(*janela, "ImprimeCheque", "HPosCidade")->text(), QStringLiteral("-1"));
  EXPECT_EQ(Campo<QLineEdit>(*janela, "ImprimeCheque", "HPosMsgLinha2")->text(), QString());
  EXPECT_EQ(janela->lbComandos->currentRow(), Indice("LeData"));
}

// The command file from the tool bar: stop, name a file in the box, record into it, a blank name.
TEST_F(JanelaTest, RecordingIsStartedAndStoppedFromTheToolBarIntoTheNamedFile) {
  auto janela = AbreJanela();
  auto* grava = janela->findChild<QToolButton*>(QStringLiteral("btGravaComandos"));
  auto* para = janela->findChild<QToolButton*>(QStringLiteral("btParaGravacao"));
  ASSERT_NE(grava, nullptr);
  ASSERT_NE(para, nullptr);
  const QString gravando = QStringLiteral(" (Gravando)");
  // A first run records from the start.
  EXPECT_TRUE(janela->windowTitle().endsWith(gravando));
  EXPECT_TRUE(grava->isChecked());

  para->click();
  EXPECT_FALSE(janela->windowTitle().endsWith(gravando));
  EXPECT_FALSE(grava->isChecked());
  EXPECT_TRUE(janela->cbNomeArquivo->isEnabled());
  EXPECT_TRUE(janela->acSelecionaArquivoComandos->isEnabled());

  // A typed name, committed when the box loses the focus.
  janela->cbNomeArquivo->setEditText(QStringLiteral("teste.txt"));
  emit janela->cbNomeArquivo->lineEdit()->textEdited(QStringLiteral("teste.txt"));
  QFocusEvent saida(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(janela->cbNomeArquivo, &saida);
  EXPECT_EQ(frm_.ArquivoComandos, "teste.txt.RMT");
  ASSERT_EQ(janela->cbNomeArquivo->count(), 2);
  EXPECT_EQ(janela->cbNomeArquivo->currentIndex(), 1);

  grava->click();
  QApplication::processEvents();
  EXPECT_TRUE(janela->windowTitle().endsWith(gravando));
  EXPECT_TRUE(grava->isChecked());
  EXPECT_FALSE(janela->cbNomeArquivo->isEnabled());
  EXPECT_FALSE(janela->acSelecionaArquivoComandos->isEnabled());
  EXPECT_NE(test_support::read_bytes(pasta_.file("teste.txt.RMT")).find("Reiniciadas"), std::string::npos);

  grava->click();  // the same button stops
  EXPECT_FALSE(grava->isChecked());
  EXPECT_FALSE(janela->windowTitle().endsWith(gravando));

  // A blank name: the button comes up again and the person is told.
  janela->cbNomeArquivo->setEditText(QStringLiteral("  "));
  emit janela->cbNomeArquivo->lineEdit()->textEdited(QStringLiteral("  "));
  grava->click();
  QApplication::processEvents();
  EXPECT_FALSE(grava->isChecked());
  EXPECT_FALSE(frm_.GravandoComandos);
  EXPECT_EQ(interacao_.mensagens.back(), "Nome de arquivo deve ser informado!");
}

TEST_F(JanelaTest, ChosenCommandFilesFillTheNameBox) {
  auto janela = AbreJanela();
  janela->acParaGravacao->trigger();
  interacao_.arquivos.push_back({pasta_.file("um.RMT"), pasta_.file("dois.RMT")});
  janela->acSelecionaArquivoComandos->trigger();
  ASSERT_EQ(janela->cbNomeArquivo->count(), 2);
  EXPECT_EQ(janela->cbNomeArquivo->itemText(0), QStringLiteral("dois"));
  EXPECT_EQ(janela->cbNomeArquivo->itemText(1), QStringLiteral("um"));
  EXPECT_EQ(janela->cbNomeArquivo->currentText(), QStringLiteral("dois"));
  EXPECT_EQ(frm_.ArquivoComandos, pasta_.file("dois.RMT"));
  // The box keeps its own hint whatever file it names.
  EXPECT_EQ(janela->cbNomeArquivo->toolTip().toStdString(), "Nome do Arquivo de Registro de Comandos");
}

}  // namespace
}  // namespace tarnel::gui

namespace tarnel::gui {
namespace {

TEST_F(JanelaTest, ReplayingACommandFileFromTheRunDialogFillsTheTranscript) {
  auto janela = AbreJanela();
  janela->CriaDialogos("tarnel");
  ParaGravacaoExecute(frm_);  // replay is offered only while not recording
  janela->acConnect->trigger();
  ASSERT_TRUE(frm_.Connect.Checked);
  ASSERT_TRUE(janela->acExecutaArquivoComandos->isEnabled());
  test_support::write_bytes("Roteiro.RMT",
                            "09/12/2026 10:11:12.345 -> {0;LeData;NomeData=\"Data\";}\r\n"
                            "09/12/2026 10:11:12.345 -> {0;ledata;NomeData=Data;}\r\n");
  frm_.cbNomeArquivoItems = {"Roteiro"};
  frm_.cbNomeArquivoItemIndex = 0;
  frm_.cbNomeArquivo = "Roteiro";
  QTimer::singleShot(0, janela->frmExecutaComandos, [&] { janela->frmExecutaComandos->btExecutar->click(); });
  janela->acExecutaArquivoComandos->trigger();
  EXPECT_FALSE(janela->frmExecutaComandos->isVisible());
  const QString transcricao = janela->Terminal->toPlainText();
  EXPECT_EQ(transcricao.count(QStringLiteral(" -> {0;LeData;NomeData=Data;}")), 2) << transcricao.toStdString();
  EXPECT_EQ(frm_.CodigoErro, 0);
  EXPECT_TRUE(interacao_.mensagens.empty());
}

// A stretch of work recorded in the window replays on a fresh emulated printer without a single
// question when replies are compared; one edited reply brings the "Retorno diferente" question.
TEST_F(JanelaTest, WorkRecordedInTheWindowReplaysOnAFreshPrinterAndAnEditedReplyIsCaught) {
  auto janela = AbreJanela();
  janela->CriaDialogos("tarnel");
  auto* grava = janela->findChild<QToolButton*>(QStringLiteral("btGravaComandos"));
  auto* executa = janela->findChild<QPushButton*>(QStringLiteral("btExecuta"));
  ASSERT_NE(grava, nullptr);
  ASSERT_NE(executa, nullptr);
  janela->acParaGravacao->trigger();
  janela->cbNomeArquivo->setEditText(QStringLiteral("Dia"));
  emit janela->cbNomeArquivo->lineEdit()->textEdited(QStringLiteral("Dia"));
  grava->click();
  ASSERT_TRUE(frm_.GravandoComandos);
  janela->acConnect->trigger();
  ASSERT_TRUE(frm_.Connect.Checked);

  struct Passo {
    const char* comando;
    std::vector<std::pair<const char*, QString>> campos;
  };
  const Passo passos[] = {
      {"AbreCupomFiscal", {}},
      {"VendeItem",
       {{"CodAliquota", QStringLiteral("0")}, {"CodProduto", QStringLiteral("7891")},
        {"NomeProduto", QStringLiteral("Café \"torrado\" 500g")}, {"PrecoUnitario", QStringLiteral("12,90")},
        {"Quantidade", QStringLiteral("2")}}},
      {"PagaCupom", {{"NomeMeioPagamento", QStringLiteral("Dinheiro")}, {"Valor", QStringLiteral("50")}}},
      {"EncerraDocumento", {}},
  };
  for (const Passo& passo : passos) {
    SCOPED_TRACE(passo.comando);
    Seleciona(*janela, passo.comando);
    janela->findChild<QPushButton*>(QStringLiteral("btLimpaPars"))->click();
    for (const auto& [campo, texto] : passo.campos) {
      auto* controle = Campo<QLineEdit>(*janela, passo.comando, campo);
      ASSERT_NE(controle, nullptr) << campo;
      controle->setText(texto);
      emit controle->textEdited(texto);
    }
    executa->click();
    QApplication::processEvents();
    ASSERT_EQ(frm_.CodigoErro, 0) << frm_.ebCircunstancia;
  }
  grava->click();
  ASSERT_FALSE(frm_.GravandoComandos);
  const std::string gravado = test_support::read_bytes(pasta_.file("Dia.RMT"));
  ASSERT_NE(gravado.find("NomeProduto=\"Caf\xE9 \\\"torrado\\\" 500g\""), std::string::npos) << gravado;

  // A fresh printer: its context and memories gone while the channel is closed.
  const auto replay = [&](const std::string& conteudo) {
    janela->acConnect->trigger();
    for (const char* arquivo : {"rasc0.bin", ".rasc0.good", "rasc0-0.mf", "rasc0-1.mfd", "bobina0.txt"})
      std::remove(pasta_.file(arquivo).c_str());
    test_support::write_bytes(pasta_.file("Dia.RMT"), conteudo);
    janela->acConnect->trigger();
    interacao_.perguntas.clear();
    QTimer::singleShot(0, janela->frmExecutaComandos, [&] {
      janela->frmExecutaComandos->cbNaoPausar->setChecked(false);
      janela->frmExecutaComandos->cbPausaDiferentes->setChecked(true);
      janela->frmExecutaComandos->btExecutar->click();
    });
    janela->acExecutaArquivoComandos->trigger();
  };
  replay(gravado);
  EXPECT_TRUE(interacao_.perguntas.empty()) << interacao_.perguntas.front();
  EXPECT_TRUE(interacao_.mensagens.empty()) << interacao_.mensagens.front();
  EXPECT_EQ(frm_.CodigoErro, 0);

  // PagaCupom's recorded change edited: the replay asks, and the answer No stops the file there.
  std::string editado = gravado;
  const std::size_t paga = editado.find("-> {0;PagaCupom;");
  ASSERT_NE(paga, std::string::npos);
  const std::size_t resposta = editado.find("<- {0;0;", paga);
  ASSERT_NE(resposta, std::string::npos);
  editado.insert(resposta + 8, "Editado=1 ");
  interacao_.respostas.push_back(Resposta::Nao);
  replay(editado);
  ASSERT_EQ(interacao_.perguntas.size(), 1u);
  EXPECT_EQ(interacao_.perguntas[0].rfind("Comando 'PagaCupom' com Retorno diferente.\n\nRetorno Original: Editado=1 ", 0),
            0u)
      << interacao_.perguntas[0];
  EXPECT_EQ(interacao_.titulos.back(), "Pausado por Retorno(s) diferir(em) do original");
}

// The two memory entries of the Comandos menu run their readings on the connected printer.
TEST_F(JanelaTest, MemoryEntriesWriteTheBasicSoftwareAndTheDump) {
  JanelaPrincipal* janela = AbreJanela();
  janela->acConnect->trigger();
  ASSERT_TRUE(frm_.Connect.Checked);
  for (const char* nome : {"LeituradoSoftwareBasico", "LeituraMFDBinaria"}) {
    QAction* acao = janela->findChild<QAction*>(QString::fromLatin1(nome));
    ASSERT_TRUE(acao) << nome;
    EXPECT_TRUE(acao->isEnabled()) << nome;
    acao->trigger();
  }
  EXPECT_EQ(interacao_.mensagens,
            (std::vector<std::string>{"Arquivo '" + pasta_.file("VardexII.bin") + "' gerado!",
                                      "Arquivo 'LEITURA.MFD' gerado."}));
  EXPECT_EQ(test_support::read_bytes(pasta_.file("VardexII.bin")).size(), 256u * 1024);
  EXPECT_EQ(test_support::read_bytes(pasta_.file("LEITURA.MFD")).substr(0, 7), "KVT-MFD");
}

// The three readings to files, from the Comandos menu, on the emulated printer: enabled, and each
// writes its file and readable copy beside the command file last chosen.
TEST_F(JanelaTest, ReadingMenuEntriesWriteTheirFilesBesideTheCommandFile) {
  auto janela = AbreJanela();
  janela->acConnect->trigger();
  ASSERT_TRUE(frm_.Connect.Checked);
  std::filesystem::create_directory(pasta_.file("roteiros"));
  frm_.DefineArquivoComandos(pasta_.file("roteiros/Dia.RMT"));
  const struct {
    QAction* acao;
    const char* arquivo;
    const char* titulo;
  } entradas[] = {
      {janela->acLeituraXparaArquivo, "LX.TXT", "LEITURA X"},
      {janela->acLeituraMFparaArquivo, "MF.TXT", "LEITURA DA MEM\xD3RIA FISCAL"},
      {janela->acLeituraMFDparaArquivo, "MFD.TXT", "LEITURA DA MEM\xD3RIA DE FITA-DETALHE"},
  };
  for (const auto& entrada : entradas) {
    SCOPED_TRACE(entrada.arquivo);
    ASSERT_NE(entrada.acao, nullptr);
    EXPECT_TRUE(entrada.acao->isEnabled());
    interacao_.mensagens.clear();
    entrada.acao->trigger();
    const std::string arquivo = pasta_.file(std::string("roteiros/") + entrada.arquivo);
    EXPECT_EQ(interacao_.mensagens, std::vector<std::string>{"Arquivo '" + arquivo + "' gerado!"});
    EXPECT_NE(test_support::read_bytes(arquivo + ".fmt").find(entrada.titulo), std::string::npos);
  }
}

// "Grava Primeira Via": ticking storage and pressing OK checks the menu entry, and from then on
// every command's printing is appended to the file; Cancel leaves everything as it was.
TEST_F(JanelaTest, FirstCopyDialogSwitchesTheCaptureOnAndTheMenuShowsIt) {
  auto janela = AbreJanela();
  janela->CriaDialogos("Tarnel");
  ASSERT_NE(janela->acGravaPrimeiraVia, nullptr);
  EXPECT_TRUE(janela->acGravaPrimeiraVia->isEnabled());
  EXPECT_FALSE(janela->acGravaPrimeiraVia->isChecked());
  janela->PrimeiraVia->dlgFileFileName = pasta_.file("Via1.TXT");

  PrimeiraViaDialogo* dialogo = janela->frmPrimeiraVia;
  QTimer::singleShot(0, dialogo, [&] {
    // With storage off the file's box is hidden, but not the filter of a file kept earlier.
    EXPECT_FALSE(dialogo->gbGravar->isVisible());
    auto* filtrar = dialogo->findChild<QPushButton*>(QStringLiteral("btFiltrar"));
    EXPECT_TRUE(filtrar != nullptr && filtrar->isVisible());
    dialogo->cbGravar->click();
    dialogo->reject();
  });
  janela->acGravaPrimeiraVia->trigger();
  EXPECT_FALSE(janela->acGravaPrimeiraVia->isChecked());
  EXPECT_FALSE(janela->PrimeiraVia->Configuracao.gravar);

  QTimer::singleShot(0, dialogo, [&] {
    dialogo->cbGravar->click();
    EXPECT_TRUE(dialogo->gbGravar->isVisible());
    dialogo->accept();
  });
  janela->acGravaPrimeiraVia->trigger();
  EXPECT_TRUE(janela->acGravaPrimeiraVia->isChecked());
  EXPECT_EQ(janela->PrimeiraVia->Configuracao.arquivo, pasta_.file("Via1.TXT"));

  janela->acConnect->trigger();
  ASSERT_TRUE(frm_.Connect.Checked);
  Seleciona(*janela, "AbreCupomFiscal");
  janela->PainelDados->painelErros()->btExecuta->click();
  QApplication::processEvents();
  EXPECT_EQ(frm_.CodigoErro, 0) << frm_.ebNomeErro;
  EXPECT_EQ(frm_.lbComandosItemIndex, Indice("AbreCupomFiscal"));
  EXPECT_NE(test_support::read_bytes(pasta_.file("Via1.TXT")).find("CUPOM FISCAL"), std::string::npos);
  EXPECT_TRUE(interacao_.mensagens.empty()) << interacao_.mensagens.front();
}

}  // namespace
}  // namespace tarnel::gui

namespace tarnel::gui {
namespace {

// The Editar menu: the workbook's four entries under their own captions, enabled, the link's entry
// checked while the workbook is open, and a last line naming the engine.
TEST_F(JanelaTest, MenuEditarLigaAPlanilha) {
  auto janela = AbreJanela();
  auto* editar = janela->findChild<QMenu*>(QStringLiteral("menuEditar"));
  ASSERT_NE(editar, nullptr);
  emit editar->aboutToShow();
  QStringList legendas;
  for (QAction* acao : editar->actions())
    if (!acao->isSeparator()) {
      legendas << acao->text();
      EXPECT_EQ(acao->isEnabled(), acao != janela->acMotorPlanilha) << acao->text().toStdString();
    }
  EXPECT_EQ(legendas, (QStringList{QStringLiteral("&Conexão Excel"), QStringLiteral("Configura Totalizadores"), QStringLiteral("&Grava Leitura X"),
                                   QStringLiteral("Confere &Leitura X"), QStringLiteral("Planilha: embutido")}));

  std::ofstream("PlanilhaECF.xls") << "nada";  // not a workbook: the open fails and says so
  janela->acConexaoExcel->trigger();
  EXPECT_FALSE(janela->acConexaoExcel->isChecked());
  ASSERT_EQ(interacao_.mensagens.size(), 1u);
  EXPECT_EQ(interacao_.mensagens[0].rfind("N\xE3o foi poss\xEDvel abrir '", 0), 0u);

  ASSERT_TRUE(std::filesystem::copy_file(PLANILHA_ECF, "PlanilhaECF.xls",
                                         std::filesystem::copy_options::overwrite_existing));
  janela->acConexaoExcel->trigger();
  EXPECT_TRUE(janela->acConexaoExcel->isChecked());
  EXPECT_TRUE(frm_.PlanilhaConectada);
  emit editar->aboutToShow();
  EXPECT_EQ(janela->acMotorPlanilha->text(), QStringLiteral("Planilha: motor embutido"));
  janela->acConexaoExcel->trigger();
  EXPECT_FALSE(janela->acConexaoExcel->isChecked());
}

}  // namespace
}  // namespace tarnel::gui
