#include "spreadsheet/espelha_apos_comando.h"

#include <utility>

#include "spreadsheet/comandos_espelhados.h"

namespace tarnel {

void EspelhaAposComando(TfrmMain& frm, std::function<void(int comando, int posicao)> EspelhaComando) {
  frm.AposComando.Observa([&frm, espelha = std::move(EspelhaComando)](const ComandoExecutado& comando) {
    if (comando.codigo_erro != 0 || !frm.PlanilhaConectada) return;
    const int posicao = PosicaoEspelhado(comando.indice);
    if (posicao >= 0) espelha(comando.indice, posicao);
  }, kEtapaEspelhamento);
}

}  // namespace tarnel
