#include "spreadsheet/liga_planilha.h"

#include <utility>

#include "spreadsheet/espelha_comando.h"
#include "spreadsheet/ligacao_planilha.h"

namespace tarnel {

void LigaPlanilha(TfrmMain& frm, FabricaPlanilha fabrica) {
  InstalaLigacao(frm, std::make_unique<LigacaoPlanilha>(std::move(fabrica)));
  EspelhaComandosExecutados(frm);
}

void LigaPlanilha(TfrmMain& frm, const EscolhaPlanilha& escolha) {
  InstalaLigacao(frm, std::make_unique<LigacaoPlanilha>(escolha.fabrica, escolha.motor, escolha.motivo));
  EspelhaComandosExecutados(frm);
}

}  // namespace tarnel
