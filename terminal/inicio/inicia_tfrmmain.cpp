#include "inicio/inicia_tfrmmain.h"

#include "cheques/bancos.h"
#include "compat/clock.h"
#include "driver/conexao.h"
#include "registers/le_registrador.h"
#include "registers/le_registrador_apos_comando.h"
#include "scripts/arquivo_comandos.h"
#include "scripts/grava_eventos.h"
#include "scripts/gravacao.h"
#include "scripts/linha_evento.h"
#include "spreadsheet/liga_planilha.h"
#include "spreadsheet/ligacao_planilha.h"
#include "window/configuracao.h"
#include "window/versao.h"

namespace tarnel {

namespace {

void LigaSeguimentos(TfrmMain& frm) {
  LeRegistradorAposComando(frm, [&frm] { LeRegistradorExecute(frm); });
  GravaEventosConexao(frm);
  GravaEventosLeituraAutomatica(frm);
}

// Recording starts on; a saved "off" stops it as the Stop action does (no line during start-up),
// otherwise the library logs into the command file. While it does, the file's name cannot change
// (as after Start): a name typed into the box would send the terminal's own lines to another file.
void RestauraGravacao(TfrmMain& frm, SessaoConfiguracao& sessao) {
  bool ativada = true;
  if (sessao.LeBooleano(kValorGravacaoAtivada, ativada) && !ativada) {
    ParaGravacaoExecute(frm);
    return;
  }
  frm.GravandoComandos = frm.GravaComandos.Checked;
  if (!frm.GravandoComandos) return;
  frm.cbNomeArquivoEnabled = false;
  frm.Notifica(Alteracao::ArquivoComandos);
  if (frm.ModuloDriver) frm.ModuloDriver->SetaArquivoLog(frm.ArquivoComandos);
}

void RestauraConfiguracao(TfrmMain& frm, ArmazemConfiguracao& armazem) {
  SessaoConfiguracao sessao(armazem, frm.interacao);
  sessao.Abre(ChaveConfiguracao(VersaoDoPrograma()), false);
  RestauraJanela(frm, sessao);
  CarregaModuloDriver(frm);
  RestauraGravacao(frm, sessao);
  RestauraRegistradorECheque(frm, sessao);
  LigaPlanilha(frm, EscolheMotorPlanilha(LeMotorPlanilha(sessao)));
  sessao.Fecha();
  AtualizaCaption(frm);
}

// A saved connection is opened again through the channel change (its first toggle only resets the
// state while Iniciando is set); without a connection there is no automatic reading.
void RestauraConexao(TfrmMain& frm) {
  if (Conectado(frm)) cbCanalECFChange(frm, frm.cbCanalECF);
  if (!Conectado(frm) && frm.LeRegistrador.Checked) {
    frm.LeRegistrador.Checked = false;
    frm.Notifica(Alteracao::Acoes);
  }
}

void RestauraLeituraAutomatica(TfrmMain& frm) {
  if (!frm.LeRegistrador.Checked) return;
  btLeRegistradorAutomaticoClick(frm);
  btLeRegistradorAutomaticoClick(frm);
}

}  // namespace

void IniciaTfrmMain(TfrmMain& frm, ArmazemConfiguracao& armazem) {
  frm.Iniciando = true;
  LigaSeguimentos(frm);
  RestauraConfiguracao(frm, armazem);
  RestauraConexao(frm);
  CarregaBancos(frm);
  RestauraLeituraAutomatica(frm);
  frm.Iniciando = false;
}

void IniciaTfrmMain(TfrmMain& frm) {
  ArmazemRegistro registro;
  IniciaTfrmMain(frm, registro);
}

void EncerraTfrmMain(TfrmMain& frm, ArmazemConfiguracao& armazem) {
  if (frm.GravandoComandos)
    AcrescentaLinhaArquivoComandos(
        frm, ComporLinhaEvento(compat::local_now(), "Saída do software " + DescricaoDoPrograma()));
  const bool conectado = Conectado(frm);
  LiberaModuloDriver(frm);
  SessaoConfiguracao sessao(armazem, frm.interacao);
  sessao.Abre(ChaveConfiguracao(VersaoDoPrograma()), true);
  GravaConfiguracao(frm, sessao, conectado);
  // The workbook link closes as its menu item closes it, so that a save that fails is told.
  if (frm.PlanilhaConectada) ConexaoExcel(frm);
}

void EncerraTfrmMain(TfrmMain& frm) {
  ArmazemRegistro registro;
  EncerraTfrmMain(frm, registro);
}

}  // namespace tarnel
