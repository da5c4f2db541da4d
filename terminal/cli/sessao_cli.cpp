#include "sessao_cli.h"

#include "driver/biblioteca_drovik.h"
#include "driver/conexao.h"
#include "quorbal/catalogo.h"
#include "scripts/gravacao.h"
#include "spreadsheet/liga_planilha.h"
#include "window/configuracao.h"

namespace tarnel::cli {

SessaoCli::~SessaoCli() {
  // Recording ends as the window's Stop ends it, with the suspension line.
  if (frm.GravandoComandos)
    ParaGravacaoExecute(frm);
  else if (frm.ModuloDriver)
    frm.ModuloDriver->SetaArquivoLog("");
  LiberaModuloDriver(frm);
}

bool SessaoCli::Conecta(const Pedido& pedido) {
  // The workbook link the scripts' directives use: the embedded engine, or the one TARNEL_PLANILHA names.
  LigaPlanilha(frm, EscolheMotorPlanilha(kMotorPlanilhaPadrao));
  frm.cbCanalECF = pedido.canal;
  ConnectExecute(frm);
  if (!Conectado(frm)) {
    // The window's message names the Windows file; the console adds the file that was tried.
    if (!frm.ModuloDriver) frm.interacao.Mensagem("Arquivo procurado: " + ArquivoBibliotecaDrovik(), Icone::Erro);
    return false;
  }
  if (!pedido.com_log) return true;
  // The log file is recorded into as the window records: a new file gets the header, every start
  // the "Reiniciadas" line, and the library logs the commands into it.
  frm.DefineArquivoComandos(pedido.log);
  if (GravaComandosExecute(frm)) return true;
  // A log asked for that cannot be written stops the work before the printer is touched, after the
  // message: on the console nobody would see the commands go unrecorded. No suspension line either,
  // as it could not be written.
  frm.ModuloDriver->SetaArquivoLog("");
  frm.GravandoComandos = false;
  return false;
}

bool PreencheParametros(TfrmMain& frm, int comando, const std::vector<quorbal::Item>& parametros, std::string& erro) {
  const quorbal::DescritorComando& descritor = quorbal::kCatalogo[comando];
  // Every name is checked before any field changes, so a mistyped line leaves the fields as they were.
  for (const quorbal::Item& parametro : parametros) {
    if (quorbal::ProcuraCampo(descritor.parametros, descritor.total_parametros, parametro.nome) < 0) {
      erro = "O comando " + frm.lbComandosItems[comando] + " não tem o parâmetro " + parametro.nome;
      return false;
    }
  }
  for (const quorbal::Item& parametro : parametros) frm.DefineParametro(comando, parametro.nome, parametro.valor);
  return true;
}

std::string MensagemNaoExecutado(const std::string& comando) {
  return "A DLL não executou o comando " + comando + ".";
}

std::string MensagemRegistradorNaoLido(const std::string& registrador) {
  return "A DLL não leu o registrador " + registrador + ".";
}

}  // namespace tarnel::cli
