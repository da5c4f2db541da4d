#include "spreadsheet/comandos_espelhados.h"

namespace tarnel {

const char* const kComandosEspelhados[kTotalComandosEspelhados] = {
    "VendeItem",           "AcresceItemFiscal",    "AcresceSubtotal",      "CancelaItemFiscal",
    "PagaCupom",           "CancelaCupom",         "EstornaMeioPagamento", "EmiteItemNaoFiscal",
    "AcresceItemNaoFiscal", "CancelaItemNaoFiscal", "AbreGerencial",        "AbreCreditoDebito",
    "AbreCupomFiscal",     "AbreCupomNaoFiscal",   "EmiteLeituraFitaDetalhe", "EmiteLeituraMF",
    "EmiteLeituraX",       "EmiteReducaoZ",        "EstornaCreditoDebito", "EncerraDocumento",
    "DefineProprietario",
};

int PosicaoEspelhado(std::string_view comando) {
  for (int i = 0; i < kTotalComandosEspelhados; ++i)
    if (comando == kComandosEspelhados[i]) return i;
  return -1;
}

}  // namespace tarnel
