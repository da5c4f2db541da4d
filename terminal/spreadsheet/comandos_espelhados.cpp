#include "spreadsheet/comandos_espelhados.h"

namespace tarnel {

using quorbal::Comando;

const Comando kComandosEspelhados[kTotalComandosEspelhados] = {
    Comando::VendeItem,          Comando::AcresceItemFiscal,     Comando::AcresceSubtotal,
    Comando::CancelaItemFiscal,  Comando::PagaCupom,             Comando::CancelaCupom,
    Comando::EstornaMeioPagamento, Comando::EmiteItemNaoFiscal,  Comando::AcresceItemNaoFiscal,
    Comando::CancelaItemNaoFiscal, Comando::AbreGerencial,       Comando::AbreCreditoDebito,
    Comando::AbreCupomFiscal,    Comando::AbreCupomNaoFiscal,    Comando::EmiteLeituraFitaDetalhe,
    Comando::EmiteLeituraMF,     Comando::EmiteLeituraX,         Comando::EmiteReducaoZ,
    Comando::EstornaCreditoDebito, Comando::EncerraDocumento,    Comando::DefineProprietario,
};

int PosicaoEspelhado(int indice_catalogo) {
  for (int i = 0; i < kTotalComandosEspelhados; ++i)
    if (quorbal::Posicao(kComandosEspelhados[i]) == indice_catalogo) return i;
  return -1;
}

}  // namespace tarnel
