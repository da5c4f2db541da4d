#include "scripts/grava_eventos_conexao.h"

#include <utility>

#include "compat/clock.h"
#include "scripts/linha_evento.h"

namespace tarnel {

void GravaEventosConexao(TfrmMain& frm, std::function<void(const std::string& linha)> AcrescentaLinhaArquivoComandos) {
  frm.AposConexao.Observa([&frm, acrescenta = std::move(AcrescentaLinhaArquivoComandos)](const EventoConexao& evento) {
    if (!frm.GravandoComandos) return;
    if (evento.tipo == EventoConexao::Tipo::Aberta)
      acrescenta(ComporLinhaEvento(compat::local_now(), "Nova conexão com o ECF da porta " + evento.canal));
    else if (!evento.iniciando)
      acrescenta(ComporLinhaEvento(compat::local_now(), "Desconexão com o ECF da porta " + evento.canal));
  });
}

}  // namespace tarnel
