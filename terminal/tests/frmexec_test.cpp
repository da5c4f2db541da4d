// The run dialog's model: its options in the settings key, the checks before a run, the driver log
// kept off the file being read, which files run, and Cancel during a run. The per-file replay is
// replaced by a recorder.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "apoio/armazem_gravador.h"
#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "scripts/frmexec.h"
#include "test_support/temp_folder.h"
#include "window/configuracao.h"
#include "window/versao.h"

namespace tarnel {
namespace {

using teste::DriverRoteirizado;
using Textos = std::vector<std::string>;

class RunDialog : public ::testing::Test {
 protected:
  RunDialog() : frm(pessoa), dlg(frm, armazem) {
    auto d = std::make_unique<DriverRoteirizado>();
    driver = d.get();
    frm.ModuloDriver = std::move(d);
    frm.Connect.Checked = true;
    frm.cbNomeArquivoItems = {"Um", "Dois", "Tres"};
    frm.cbNomeArquivoItemIndex = 1;
    frm.cbNomeArquivo = "Dois";
    dlg.ReproduzArquivo = [this](const OpcoesScript& opcoes, bool& cancelamento) {
      reproduzidos.push_back(frm.cbNomeArquivo);
      ultimas_opcoes = opcoes;
      controles_durante = Habilitados();
      if (ao_reproduzir) ao_reproduzir(cancelamento);
      return fins.empty() ? FimArquivo::Fim : fins[reproduzidos.size() - 1];
    };
  }

  // Enabled states of the controls a run switches, in the dialog's order.
  std::string Habilitados() const {
    std::string s;
    for (const auto* c : {&dlg.cbNaoPausar, &dlg.cbPausaSemErros, &dlg.cbPausaComErros, &dlg.cbPausaDiferentes,
                          &dlg.cbTestarContexto, &dlg.btExecutar, &dlg.btAjuda})
      s += c->Enabled ? '1' : '0';
    return s + (dlg.grbArquivoExecutar.Enabled ? '1' : '0');
  }

  void Grava(const std::string& nome, std::uint32_t valor) {
    ArmazemRegistro registro;
    ASSERT_EQ(registro.Abre(ChaveConfiguracao(VersaoDoPrograma())), 0);
    ASSERT_EQ(registro.EscreveInteiro(nome, valor), 0);
    registro.Fecha();
  }

  test_support::TempFolder pasta{"tarnel-frmexec", test_support::TempFolder::user_folders};
  teste::InteracaoRoteirizada pessoa;
  teste::ArmazemGravador armazem;
  TfrmMain frm;
  TfrmExecutaComandos dlg;
  DriverRoteirizado* driver;
  Textos reproduzidos;
  OpcoesScript ultimas_opcoes;
  std::string controles_durante;
  std::vector<FimArquivo> fins;
  std::function<void(bool&)> ao_reproduzir;
};

TEST_F(RunDialog, OpcoesLidasDaConfiguracao) {
  dlg.ExecutaArquivoComandosExecute();  // nothing saved: the design values
  EXPECT_TRUE(dlg.Aberto);
  EXPECT_TRUE(dlg.cbNaoPausar.Checked);
  EXPECT_EQ(Habilitados(), "10001101");
  Grava(kValorNaoPausar, 0);
  Grava(kValorPausarComErro, 1);
  Grava(kValorSelecaoArquivos, 1);
  Grava(kValorTestarContexto, 1);
  dlg.ExecutaArquivoComandosExecute();
  EXPECT_FALSE(dlg.cbNaoPausar.Checked);
  EXPECT_TRUE(dlg.grpPausa.Enabled);  // cbNaoPausarClick followed the loaded value
  EXPECT_EQ(Habilitados(), "11111101");
  EXPECT_TRUE(dlg.cbPausaComErros.Checked);
  EXPECT_FALSE(dlg.cbPausaSemErros.Checked);
  EXPECT_EQ(dlg.grbArquivoExecutar.ItemIndex, TfrmExecutaComandos::kTodosArquivos);
  EXPECT_TRUE(dlg.cbTestarContexto.Checked);
  Grava(kValorSelecaoArquivos, 7);  // out of range: kept as it was
  dlg.ExecutaArquivoComandosExecute();
  EXPECT_EQ(dlg.grbArquivoExecutar.ItemIndex, TfrmExecutaComandos::kTodosArquivos);
}

TEST_F(RunDialog, TestarContextoSoComEmul) {
  for (const auto& [canal, habilitado] : std::vector<std::pair<std::string, bool>>{{"Emul", true}, {"COM1", false},
                                                                                   {"emul", false}}) {
    frm.cbCanalECF = canal;
    dlg.FormActivate();
    EXPECT_EQ(dlg.cbTestarContexto.Enabled, habilitado) << canal;
  }
}

TEST_F(RunDialog, RecusasAntesDaExecucao) {
  frm.Connect.Checked = false;
  dlg.ExecutaArquivoComandosExecute();
  dlg.btExecutarClick();
  frm.Connect.Checked = true;
  frm.cbNomeArquivoItemIndex = -1;
  dlg.ExecutaArquivoComandosExecute();
  dlg.btExecutarClick();
  EXPECT_EQ(pessoa.mensagens, (Textos{"Não há conexão com ECF!", "Não há arquivo selecionado!"}));
  EXPECT_EQ(pessoa.titulos, (Textos{"Erro", "Erro"}));
  EXPECT_FALSE(dlg.Aberto);
  EXPECT_TRUE(reproduzidos.empty());
  EXPECT_TRUE(armazem.escritas.empty());
}

TEST_F(RunDialog, ArquivoSelecionadoComLogDesviado) {
  driver->nome_log = pasta.file("Dois.RMT");
  dlg.ExecutaArquivoComandosExecute();
  dlg.cbNaoPausar.Checked = false;
  dlg.cbNaoPausarClick();
  dlg.cbPausaDiferentes.Checked = true;
  dlg.btExecutarClick();
  EXPECT_EQ(reproduzidos, Textos{"Dois"});
  EXPECT_EQ(controles_durante, "00000000");
  EXPECT_FALSE(ultimas_opcoes.NaoPausar);
  EXPECT_TRUE(ultimas_opcoes.PausarDiferente);
  Textos logs;
  for (const std::string& c : driver->chamadas)
    if (c.rfind("SetaArquivoLog", 0) == 0) logs.push_back(c);
  EXPECT_EQ(logs, (Textos{"SetaArquivoLog " + pasta.file("Dois.RMT") + ".macro", "SetaArquivoLog "}));
  EXPECT_EQ(armazem.escritas, (Textos{std::string(kValorNaoPausar) + "=int:0", std::string(kValorPausarSemErro) + "=int:0",
                                      std::string(kValorPausarComErro) + "=int:0",
                                      std::string(kValorPausarDiferente) + "=int:1",
                                      std::string(kValorSelecaoArquivos) + "=int:0",
                                      std::string(kValorTestarContexto) + "=int:0"}));
  EXPECT_EQ(Habilitados(), "11111111");  // Ajuda too comes back enabled after a run
  EXPECT_FALSE(dlg.Aberto);
}

TEST_F(RunDialog, LogDeOutroArquivoOuDesligadoNaoEDesviado) {
  const struct {
    const char* caso;
    std::string log;
    std::string texto;  // the name box's text, no entry selected when empty
    int selecao;
  } casos[] = {
      {"another file's log", pasta.file("Outro.RMT"), "Dois", TfrmExecutaComandos::kArquivoSelecionado},
      // An empty box and a log that is off have the same (empty) base name: logging stays off.
      {"log off, empty box", "", "", TfrmExecutaComandos::kTodosArquivos},
  };
  for (const auto& c : casos) {
    driver->chamadas.clear();
    reproduzidos.clear();
    driver->nome_log = c.log;
    frm.cbNomeArquivo = c.texto;
    frm.cbNomeArquivoItemIndex = c.texto.empty() ? -1 : 1;
    dlg.ExecutaArquivoComandosExecute();
    dlg.grbArquivoExecutar.ItemIndex = c.selecao;
    dlg.btExecutarClick();
    EXPECT_FALSE(reproduzidos.empty()) << c.caso;
    Textos logs;
    for (const std::string& chamada : driver->chamadas)
      if (chamada.rfind("SetaArquivoLog", 0) == 0) logs.push_back(chamada);
    EXPECT_EQ(logs, Textos{"SetaArquivoLog "}) << c.caso;
    EXPECT_EQ(driver->nome_log, "") << c.caso;
  }
}

TEST_F(RunDialog, TodosOsArquivos) {
  const struct {
    const char* caso;
    std::vector<FimArquivo> fins;
    Textos reproduzidos;
  } casos[] = {
      {"all run", {}, {"Um", "Dois", "Tres"}},
      {"a stopped file does not end the run", {FimArquivo::Parado, FimArquivo::NaoAberto, FimArquivo::Fim},
       {"Um", "Dois", "Tres"}},
      {"a syntax error ends the run", {FimArquivo::Fim, FimArquivo::Encerrado, FimArquivo::Fim}, {"Um", "Dois"}},
  };
  for (const auto& c : casos) {
    reproduzidos.clear();
    fins = c.fins;
    dlg.ExecutaArquivoComandosExecute();
    dlg.grbArquivoExecutar.ItemIndex = TfrmExecutaComandos::kTodosArquivos;
    dlg.btExecutarClick();
    EXPECT_EQ(reproduzidos, c.reproduzidos) << c.caso;
    EXPECT_EQ(frm.cbNomeArquivo, c.reproduzidos.back()) << c.caso;
    EXPECT_EQ(frm.cbNomeArquivoItemIndex, static_cast<int>(c.reproduzidos.size()) - 1) << c.caso;
  }
  // An empty list runs nothing and still saves the options.
  reproduzidos.clear();
  armazem.escritas.clear();
  frm.cbNomeArquivoItems.clear();
  frm.cbNomeArquivoItemIndex = -1;
  dlg.btExecutarClick();
  EXPECT_TRUE(reproduzidos.empty());
  EXPECT_EQ(armazem.escritas.size(), 6u);
}

TEST_F(RunDialog, CancelarDuranteAExecucao) {
  dlg.ExecutaArquivoComandosExecute();
  dlg.grbArquivoExecutar.ItemIndex = TfrmExecutaComandos::kTodosArquivos;
  bool aberto_apos_cancelar = false;
  ao_reproduzir = [&](bool& cancelamento) {
    dlg.btCancelarClick();  // during a run Cancel only asks to stop
    aberto_apos_cancelar = dlg.Aberto;
    EXPECT_TRUE(cancelamento);
  };
  fins = {FimArquivo::Cancelado, FimArquivo::Fim, FimArquivo::Fim};
  dlg.btExecutarClick();
  EXPECT_TRUE(aberto_apos_cancelar);
  EXPECT_EQ(reproduzidos, Textos{"Um"});
  EXPECT_FALSE(dlg.Aberto);
  // Idle, Cancel closes the dialog without running anything.
  dlg.ExecutaArquivoComandosExecute();
  dlg.btCancelarClick();
  EXPECT_FALSE(dlg.Aberto);
  EXPECT_EQ(reproduzidos, Textos{"Um"});
}

}  // namespace
}  // namespace tarnel

namespace tarnel {
namespace {

// The real per-file replay: a syntax error in a parameter list ends the run, and the dialog, the log
// and the file come back as after any run.
TEST(RunDialogPlayer, ErroDeSintaxeEncerraERestaura) {
  test_support::TempFolder pasta{"tarnel-frmexec", test_support::TempFolder::user_folders};
  teste::InteracaoRoteirizada pessoa;
  teste::ArmazemGravador armazem;
  TfrmMain frm(pessoa);
  auto d = std::make_unique<DriverRoteirizado>();
  DriverRoteirizado* driver = d.get();
  frm.ModuloDriver = std::move(d);
  frm.Connect.Checked = true;
  test_support::write_bytes(pasta.file("Um.RMT"), "09/12/2026 10:11:12.345 -> {0;AbreGaveta;Tempo 1;}\r\n");
  test_support::write_bytes(pasta.file("Dois.RMT"), "09/12/2026 10:11:12.345 -> {0;ExpulsaDocumento;;}\r\n");
  frm.ArquivoComandos = pasta.file("Um.RMT");
  frm.cbNomeArquivoItems = {"Um", "Dois"};
  frm.cbNomeArquivoItemIndex = 0;
  frm.cbNomeArquivo = "Um";
  driver->nome_log = pasta.file("Um.RMT");
  TfrmExecutaComandos dlg(frm, armazem);
  dlg.ExecutaArquivoComandosExecute();
  dlg.grbArquivoExecutar.ItemIndex = TfrmExecutaComandos::kTodosArquivos;
  dlg.btExecutarClick();
  EXPECT_EQ(pessoa.mensagens.size(), 1u);
  for (const std::string& c : driver->chamadas) EXPECT_EQ(c.rfind("ExecutaComando", 0), std::string::npos) << c;
  EXPECT_EQ(driver->nome_log, "");
  EXPECT_TRUE(dlg.btExecutar.Enabled);
  EXPECT_FALSE(dlg.Aberto);
  EXPECT_EQ(frm.ArquivoComandos, pasta.file("Um.RMT"));
  EXPECT_EQ(std::remove(pasta.file("Um.RMT").c_str()), 0);
}

}  // namespace
}  // namespace tarnel
