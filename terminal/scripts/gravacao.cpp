#include "scripts/gravacao.h"

#include "compat/clock.h"
#include "scripts/arquivo_comandos.h"
#include "scripts/linha_evento.h"
#include "window/versao.h"

namespace tarnel {

const char kMensagemNomeArquivoVazio[] = "Nome de arquivo deve ser informado!";

namespace {

// Recording on or off: the actions, the file box and the caption that go with it.
void MostraGravacao(TfrmMain& frm, bool gravando) {
  frm.GravandoComandos = gravando;
  frm.GravaComandos.Checked = gravando;
  if (gravando) frm.ParaGravacao.Enabled = true;
  frm.ExecutaArquivoComandos.Enabled = !gravando;
  frm.SelecionaArquivoComandos.Enabled = !gravando;
  frm.cbNomeArquivoEnabled = !gravando;
  frm.Notifica(Alteracao::Acoes);
  frm.Notifica(Alteracao::ArquivoComandos);
  AtualizaCaption(frm);
}

bool GravaEvento(TfrmMain& frm, const std::string& evento) {
  return AcrescentaLinhaArquivoComandos(frm, ComporLinhaEvento(compat::local_now(), evento));
}

}  // namespace

void AtualizaCaption(TfrmMain& frm) {
  frm.Caption = DescricaoDoPrograma() + (frm.GravandoComandos ? " (Gravando)" : "");
  frm.Notifica(Alteracao::Caption);
}

bool GravaComandosExecute(TfrmMain& frm) {
  if (frm.GravandoComandos) {
    ParaGravacaoExecute(frm);
    return false;
  }
  cbNomeArquivoExit(frm);
  if (cbNomeArquivoVazio(frm)) {
    // The toggle button the person pressed comes up again, and the box asks for the name.
    frm.Notifica(Alteracao::Acoes);
    frm.Notifica(Alteracao::FocoNomeArquivo);
    frm.interacao.Mensagem(kMensagemNomeArquivoVazio);
    return false;
  }
  MostraGravacao(frm, true);
  const bool gravado = GravaEvento(frm, "Reiniciadas gravações de comandos neste arquivo.");
  if (frm.ModuloDriver) frm.ModuloDriver->SetaArquivoLog(frm.ArquivoComandos);
  return gravado;
}

void ParaGravacaoExecute(TfrmMain& frm) {
  if (frm.ModuloDriver) frm.ModuloDriver->SetaArquivoLog("");
  MostraGravacao(frm, false);
  if (!frm.Iniciando) GravaEvento(frm, "Gravações de comandos suspensas neste arquivo.");
}

}  // namespace tarnel
