#include "spreadsheet/liga_planilha.h"

#include <utility>

#include "spreadsheet/espelha_comando.h"
#include "spreadsheet/ligacao_planilha.h"

namespace tarnel {

void LigaPlanilha(TfrmMain& frm, FabricaPlanilha fabrica) {
  InstalaLigacao(frm, std::move(fabrica));
  EspelhaComandosExecutados(frm);
}

}  // namespace tarnel
