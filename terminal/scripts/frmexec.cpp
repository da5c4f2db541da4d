#include "scripts/frmexec.h"

#include "compat/path.h"
#include "driver/conexao.h"
#include "scripts/gravacao.h"
#include "scripts/processa_arquivo.h"
#include "window/configuracao.h"
#include "window/sessao_configuracao.h"
#include "window/versao.h"

namespace tarnel {

const char kValorNaoPausar[] = "Não Pausar Comandos";
const char kValorPausarSemErro[] = "Pausar em Retorno OK";
const char kValorPausarComErro[] = "Pausar em Retorno não OK";
const char kValorPausarDiferente[] = "Pausar em Retorno Diferente";
const char kValorSelecaoArquivos[] = "Seleção Comandos Executar";
const char kValorTestarContexto[] = "Testar Contexto";

namespace {
constexpr char kCanalEmulado[] = "Emul";
}  // namespace

TfrmExecutaComandos::TfrmExecutaComandos(TfrmMain& frm, ArmazemConfiguracao& armazem) : frm_(frm), armazem_(armazem) {
  ReproduzArquivo = [this](const OpcoesScript& opcoes, bool& cancelamento) {
    cbNomeArquivoExit(frm_);
    return ProcessaArquivoComandos(frm_, frm_.ArquivoComandos, opcoes, cancelamento, acompanhamento);
  };
}

namespace {

// The six options in the order they are written: the check boxes, and the file choice (no box).
struct OpcaoPersistida {
  const char* nome;
  TfrmExecutaComandos::Controle TfrmExecutaComandos::*caixa;
};
constexpr OpcaoPersistida kOpcoes[] = {
    {kValorNaoPausar, &TfrmExecutaComandos::cbNaoPausar},
    {kValorPausarSemErro, &TfrmExecutaComandos::cbPausaSemErros},
    {kValorPausarComErro, &TfrmExecutaComandos::cbPausaComErros},
    {kValorPausarDiferente, &TfrmExecutaComandos::cbPausaDiferentes},
    {kValorSelecaoArquivos, nullptr},
    {kValorTestarContexto, &TfrmExecutaComandos::cbTestarContexto},
};

}  // namespace

void TfrmExecutaComandos::LeOpcoes() {
  SessaoConfiguracao sessao(armazem_, frm_.interacao);
  sessao.Abre(ChaveConfiguracao(VersaoDoPrograma()), false);
  for (const OpcaoPersistida& opcao : kOpcoes) {
    if (opcao.caixa) {
      sessao.LeBooleano(opcao.nome, (this->*opcao.caixa).Checked);
      continue;
    }
    std::int32_t selecao = grbArquivoExecutar.ItemIndex;
    if (sessao.LeInteiro(opcao.nome, selecao) && (selecao == kArquivoSelecionado || selecao == kTodosArquivos))
      grbArquivoExecutar.ItemIndex = selecao;
  }
  cbNaoPausarClick();
}

void TfrmExecutaComandos::GravaOpcoes() {
  SessaoConfiguracao sessao(armazem_, frm_.interacao);
  sessao.Abre(ChaveConfiguracao(VersaoDoPrograma()), true);
  for (const OpcaoPersistida& opcao : kOpcoes) {
    if (opcao.caixa)
      sessao.EscreveBooleano(opcao.nome, (this->*opcao.caixa).Checked);
    else
      sessao.EscreveInteiro(opcao.nome, grbArquivoExecutar.ItemIndex);
  }
}

void TfrmExecutaComandos::ExecutaArquivoComandosExecute() {
  LeOpcoes();
  Aberto = true;
  Alterado();
}

void TfrmExecutaComandos::FormActivate() {
  cbTestarContexto.Enabled = frm_.cbCanalECF == kCanalEmulado;
  Alterado();
}

void TfrmExecutaComandos::cbNaoPausarClick() {
  const bool pausas = !cbNaoPausar.Checked;
  grpPausa.Enabled = cbPausaSemErros.Enabled = cbPausaComErros.Enabled = cbPausaDiferentes.Enabled = pausas;
  Alterado();
}

void TfrmExecutaComandos::btCancelarClick() {
  if (btExecutar.Enabled)
    Fecha();
  else
    CancelamentoPedido = true;
}

OpcoesScript TfrmExecutaComandos::Opcoes() const {
  OpcoesScript opcoes;
  opcoes.NaoPausar = cbNaoPausar.Checked;
  opcoes.PausarSemErro = cbPausaSemErros.Checked;
  opcoes.PausarComErro = cbPausaComErros.Checked;
  opcoes.PausarDiferente = cbPausaDiferentes.Checked;
  opcoes.TestarContexto = cbTestarContexto.Checked;
  return opcoes;
}

// The controls a run disables while it lasts, and what they come back to when it ends.
void TfrmExecutaComandos::HabilitaControles(bool habilitados) {
  btExecutar.Enabled = btAjuda.Enabled = cbNaoPausar.Enabled = grbArquivoExecutar.Enabled = habilitados;
  if (!cbNaoPausar.Checked)
    cbPausaSemErros.Enabled = cbPausaComErros.Enabled = cbPausaDiferentes.Enabled = habilitados;
  cbTestarContexto.Enabled = habilitados && frm_.cbCanalECF == kCanalEmulado;
  Alterado();
}

void TfrmExecutaComandos::Fecha() {
  Aberto = false;
  if (AoFechar) AoFechar();
}

void TfrmExecutaComandos::btExecutarClick() {
  // 1. A connection and a file to run (or all of them).
  if (!Conectado(frm_)) {
    frm_.interacao.Mensagem("Não há conexão com ECF!", Icone::Erro, "Erro");
    Fecha();
    return;
  }
  const bool todos = grbArquivoExecutar.ItemIndex == kTodosArquivos;
  if (frm_.cbNomeArquivoItemIndex < 0 && !todos) {
    frm_.interacao.Mensagem("Não há arquivo selecionado!", Icone::Erro, "Erro");
    Fecha();
    return;
  }

  // 2. The controls are disabled for the run.
  HabilitaControles(false);
  CancelamentoPedido = false;

  // 3. The replayed commands must not be appended to the file being read. A log that is off stays
  // off: its empty name must not match an empty name box and switch logging on into ".macro".
  if (frm_.ModuloDriver) {
    const std::string log = frm_.ModuloDriver->ObtemNomeLog();
    if (!log.empty() && compat::base_name_without_extension(log) == frm_.cbNomeArquivo)
      frm_.ModuloDriver->SetaArquivoLog(log + ".macro");
  }

  // 4. Each file in turn, until one ends the run or a cancel is asked for.
  const int total = static_cast<int>(frm_.cbNomeArquivoItems.size());
  const int primeiro = todos ? 0 : frm_.cbNomeArquivoItemIndex;
  const int ultimo = todos ? total - 1 : frm_.cbNomeArquivoItemIndex;
  for (int i = primeiro; i <= ultimo && i < total && !CancelamentoPedido; ++i) {
    frm_.cbNomeArquivoItemIndex = i;
    frm_.cbNomeArquivo = frm_.cbNomeArquivoItems[i];
    frm_.Notifica(Alteracao::ArquivoComandos);
    if (ReproduzArquivo(Opcoes(), CancelamentoPedido) == FimArquivo::Encerrado) break;
  }

  // 5. Logging off, the options saved, the controls back, the form closed.
  if (frm_.ModuloDriver) frm_.ModuloDriver->SetaArquivoLog("");
  GravaOpcoes();
  HabilitaControles(true);
  Fecha();
}

}  // namespace tarnel
