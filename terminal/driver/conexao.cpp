#include "driver/conexao.h"

#include "driver/biblioteca_drovik.h"

namespace tarnel {

const char kMensagemSemBiblioteca[] = "Não foi possível carregar a DLL de comunicação DROVIK.DLL";

std::string MensagemCanalRecusado(const std::string& canal) {
  return "Canal " + canal + " não pode ser aberto pela DLL.";
}

namespace {

void AparenciaDesconectado(Acao& acao) {
  acao.Checked = false;
  acao.Caption = "&Conectar ao ECF";
  acao.Hint = "Conectar-se com o ECF";
  acao.ImageIndex = 1;
}

void AparenciaConectado(Acao& acao) {
  acao.Checked = true;
  acao.Caption = "&Desconectar do ECF";
  acao.Hint = "Desconectar-se do ECF";
  acao.ImageIndex = 0;
}

void Desconecta(TfrmMain& frm) {
  if (!frm.Iniciando && frm.ModuloDriver) frm.ModuloDriver->EncerraDriver(frm.HandleDriver);
  AparenciaDesconectado(frm.Connect);
  frm.btExecutaEnabled = false;
  frm.AposConexao.Notifica(EventoConexao{EventoConexao::Tipo::Fechada, frm.CanalConectado, frm.Iniciando});
  // Only a disconnection the command file records makes the box's text the last channel.
  if (frm.GravandoComandos && !frm.Iniciando) frm.CanalConectado = frm.cbCanalECF;
}

void Conecta(TfrmMain& frm) {
  if (!CarregaModuloDriver(frm)) {
    frm.interacao.Mensagem(kMensagemSemBiblioteca);
    return;
  }
  frm.HandleDriver = frm.ModuloDriver->IniciaDriver(frm.cbCanalECF);
  if (frm.HandleDriver < 0) {
    frm.interacao.Mensagem(MensagemCanalRecusado(frm.cbCanalECF));
    return;
  }
  frm.btExecutaEnabled = true;
  frm.CanalConectado = frm.cbCanalECF;
  AparenciaConectado(frm.Connect);
  frm.AposConexao.Notifica(EventoConexao{EventoConexao::Tipo::Aberta, frm.CanalConectado, frm.Iniciando});
}

}  // namespace

bool CarregaModuloDriver(TfrmMain& frm) {
  if (!frm.ModuloDriver)
    frm.ModuloDriver = frm.CarregaDriver ? frm.CarregaDriver() : BibliotecaDrovik::Carrega();
  return frm.ModuloDriver != nullptr;
}

void ConnectExecute(TfrmMain& frm) {
  if (Conectado(frm))
    Desconecta(frm);
  else
    Conecta(frm);
  frm.Notifica(Alteracao::Conexao);
}

void cbCanalECFChange(TfrmMain& frm, const std::string& texto) {
  frm.cbCanalECF = texto;
  if (Conectado(frm)) {
    ConnectExecute(frm);
    ConnectExecute(frm);
  } else {
    frm.Notifica(Alteracao::Conexao);
  }
}

void LiberaModuloDriver(TfrmMain& frm) {
  if (!frm.ModuloDriver) return;
  if (Conectado(frm)) frm.ModuloDriver->EncerraDriver(frm.HandleDriver);
  frm.ModuloDriver.reset();
  AparenciaDesconectado(frm.Connect);
  frm.btExecutaEnabled = false;
  frm.Notifica(Alteracao::Conexao);
}

}  // namespace tarnel
