// The run dialog's window over its model: captions and design states, the pause boxes following
// "Não pausar", a run started and cancelled through the widgets while the dialog is modal.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "apoio/armazem_gravador.h"
#include "apoio/interacao_roteirizada.h"
#include "dialogs/executa_dialogo.h"
#include "test_support/temp_folder.h"
#include "texto_qt.h"

namespace tarnel::gui {
namespace {

using test_support::TempFolder;

class ExecutaDialogoTest : public ::testing::Test {
 protected:
  ExecutaDialogoTest() {
    frm_.Connect.Checked = true;
    frm_.cbNomeArquivoItems = {"Um", "Dois"};
    frm_.cbNomeArquivoItemIndex = 0;
    frm_.cbNomeArquivo = "Um";
    frm_.cbCanalECF = "COM1";
  }

  // Runs acao once the dialog is shown modally; the dialog must be closed by then, and acao must have
  // run (a dialog that never waited would skip every check inside it).
  void MostraE(const std::function<void()>& acao) {
    bool executada = false;
    QTimer::singleShot(0, &dialogo_, [&] {
      executada = true;
      acao();
      if (dialogo_.isVisible()) {
        ADD_FAILURE() << "the dialog stayed open";
        dialogo_.done(0);
      }
    });
    dialogo_.Mostra();
    EXPECT_TRUE(executada) << "the dialog returned before it was shown";
  }

  TempFolder pasta_{"tarnel-gui-exec", TempFolder::user_folders};
  teste::InteracaoRoteirizada interacao_;
  teste::ArmazemGravador armazem_;
  TfrmMain frm_{interacao_};
  TfrmExecutaComandos modelo_{frm_, armazem_};
  ExecutaDialogo dialogo_{modelo_, nullptr};
};

TEST_F(ExecutaDialogoTest, EstadosDeProjetoEPausasSeguemNaoPausar) {
  MostraE([&] {
    EXPECT_TRUE(dialogo_.isModal());
    EXPECT_EQ(dialogo_.windowTitle(), QTexto(modelo_.Caption()));
    EXPECT_EQ(dialogo_.cbNaoPausar->text(), QTexto(modelo_.cbNaoPausar.Caption));
    EXPECT_TRUE(dialogo_.cbNaoPausar->isChecked());
    EXPECT_FALSE(dialogo_.grpPausa->isEnabled());
    EXPECT_FALSE(dialogo_.cbPausaComErros->isEnabled());
    EXPECT_TRUE(dialogo_.rbArquivoSelecionado->isChecked());
    EXPECT_FALSE(dialogo_.cbTestarContexto->isEnabled());  // the channel is not "Emul"
    EXPECT_FALSE(dialogo_.btAjuda->isEnabled());
    EXPECT_TRUE(dialogo_.btExecutar->isDefault());
    dialogo_.cbNaoPausar->click();
    EXPECT_FALSE(modelo_.cbNaoPausar.Checked);
    EXPECT_TRUE(dialogo_.grpPausa->isEnabled());
    EXPECT_TRUE(dialogo_.cbPausaComErros->isEnabled());
    dialogo_.btCancelar->click();  // idle: closes
  });
  EXPECT_FALSE(modelo_.Aberto);
  EXPECT_TRUE(armazem_.escritas.empty());
}

TEST_F(ExecutaDialogoTest, ExecucaoPelosControlesECancelamento) {
  std::vector<std::string> arquivos;
  bool executar_habilitado = true;
  modelo_.ReproduzArquivo = [&](const OpcoesScript& opcoes, bool& cancelamento) {
    arquivos.push_back(frm_.cbNomeArquivo);
    EXPECT_TRUE(opcoes.PausarComErro);
    EXPECT_FALSE(opcoes.NaoPausar);
    executar_habilitado = dialogo_.btExecutar->isEnabled();
    dialogo_.btCancelar->click();  // during the run: asks to stop, the dialog stays
    EXPECT_TRUE(cancelamento);
    EXPECT_TRUE(dialogo_.isVisible());
    return FimArquivo::Cancelado;
  };
  MostraE([&] {
    dialogo_.rbTodosArquivos->click();
    dialogo_.cbNaoPausar->click();
    dialogo_.cbPausaComErros->click();
    dialogo_.btExecutar->click();
  });
  EXPECT_EQ(arquivos, std::vector<std::string>{"Um"});
  EXPECT_FALSE(executar_habilitado);
  EXPECT_TRUE(dialogo_.btExecutar->isEnabled());
  EXPECT_EQ(modelo_.grbArquivoExecutar.ItemIndex, TfrmExecutaComandos::kTodosArquivos);
  EXPECT_EQ(armazem_.escritas.size(), 6u);
}

}  // namespace
}  // namespace tarnel::gui
