#include "scripts/grava_eventos.h"

#include "compat/clock.h"
#include "scripts/arquivo_comandos.h"
#include "scripts/linha_evento.h"

namespace tarnel {

namespace {

void GravaEvento(TfrmMain& frm, const std::string& evento) {
  AcrescentaLinhaArquivoComandos(frm, ComporLinhaEvento(compat::local_now(), evento));
}

}  // namespace

void GravaEventosConexao(TfrmMain& frm) {
  frm.AposConexao.Observa([&frm](const EventoConexao& evento) {
    if (!frm.GravandoComandos) return;
    if (evento.tipo == EventoConexao::Tipo::Aberta)
      GravaEvento(frm, "Nova conexão com o ECF da porta " + evento.canal);
    else if (!evento.iniciando)
      GravaEvento(frm, "Desconexão com o ECF da porta " + evento.canal);
  });
}

void GravaEventosLeituraAutomatica(TfrmMain& frm) {
  frm.AposLeituraAutomatica.Observa([&frm](const EventoLeituraAutomatica& evento) {
    if (!frm.GravandoComandos || evento.iniciando) return;
    GravaEvento(frm, evento.ligada ? "Leitura de Registrador Automático ligado"
                                   : "Leitura de Registrador Automático desligado");
  });
}

}  // namespace tarnel
