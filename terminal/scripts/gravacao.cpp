#include "scripts/gravacao.h"

#include "compat/clock.h"
#include "scripts/arquivo_comandos.h"
#include "scripts/linha_evento.h"
#include "window/versao.h"

namespace tarnel {

void AtualizaCaption(TfrmMain& frm) {
  frm.Caption = DescricaoDoPrograma() + (frm.GravandoComandos ? " (Gravando)" : "");
  frm.Notifica(Alteracao::Caption);
}

void ParaGravacaoExecute(TfrmMain& frm) {
  if (frm.ModuloDriver) frm.ModuloDriver->SetaArquivoLog("");
  frm.GravandoComandos = false;
  frm.GravaComandos.Checked = false;
  frm.ExecutaArquivoComandos.Enabled = true;
  frm.SelecionaArquivoComandos.Enabled = true;
  frm.cbNomeArquivoEnabled = true;
  frm.Notifica(Alteracao::Acoes);
  frm.Notifica(Alteracao::ArquivoComandos);
  AtualizaCaption(frm);
  if (!frm.Iniciando)
    AcrescentaLinhaArquivoComandos(frm,
                                   ComporLinhaEvento(compat::local_now(), "Gravações de comandos suspensas neste arquivo."));
}

}  // namespace tarnel
