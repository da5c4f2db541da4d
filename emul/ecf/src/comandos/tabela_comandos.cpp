#include "comandos/comandos.h"

#include <cstring>

namespace ecf {

namespace {

struct Entrada {
  const char* nome;
  Manipulador manipulador;
};

const Entrada kManipuladores[] = {
    {"AbreCreditoDebito", AbreCreditoDebito},
    {"AbreCupomFiscal", AbreCupomFiscal},
    {"AbreCupomNaoFiscal", AbreCupomNaoFiscal},
    {"AbreGaveta", AbreGaveta},
    {"AbreGerencial", AbreGerencial},
    {"AcertaHorarioVerao", AcertaHorarioVerao},
    {"AcresceItemFiscal", AcresceItemFiscal},
    {"AcresceItemNaoFiscal", AcresceItemNaoFiscal},
    {"AcresceSubtotal", AcresceSubtotal},
    {"AvancaPapel", AvancaPapel},
    {"CancelaCupom", CancelaCupom},
    {"CancelaItemFiscal", CancelaItemFiscal},
    {"CancelaItemNaoFiscal", CancelaItemNaoFiscal},
    {"ChancelaCheque", ChancelaCheque},
    {"CortaPapel", CortaPapel},
    {"CruzaCheque", CruzaCheque},
    {"DefineAliquota", DefineAliquota},
    {"DefineDadosCabecalho", DefineDadosCabecalho},
    {"DefineDepartamento", DefineDepartamento},
    {"DefineGerencial", DefineGerencial},
    {"DefineMeioPagamento", DefineMeioPagamento},
    {"DefineNaoFiscal", DefineNaoFiscal},
    {"DefineProprietario", DefineProprietario},
    {"EmiteItemNaoFiscal", EmiteItemNaoFiscal},
    {"EmiteLeituraFitaDetalhe", EmiteLeituraFitaDetalhe},
    {"EmiteLeituraMF", EmiteLeituraMF},
    {"EmiteLeituraX", EmiteLeituraX},
    {"EmiteReducaoZ", EmiteReducaoZ},
    {"EmiteViaCreditoDebito", EmiteViaCreditoDebito},
    {"EncerraDocumento", EncerraDocumento},
    {"EscreveData", EscreveData},
    {"EscreveHora", EscreveHora},
    {"EscreveIndicador", EscreveIndicador},
    {"EscreveInteiro", EscreveInteiro},
    {"EscreveMoeda", EscreveMoeda},
    {"EscreveTexto", EscreveTexto},
    {"EstornaCreditoDebito", EstornaCreditoDebito},
    {"EstornaMeioPagamento", EstornaMeioPagamento},
    {"ExcluiAliquota", ExcluiAliquota},
    {"ExcluiDepartamento", ExcluiDepartamento},
    {"ExcluiGerencial", ExcluiGerencial},
    {"ExcluiMeioPagamento", ExcluiMeioPagamento},
    {"ExcluiNaoFiscal", ExcluiNaoFiscal},
    {"ExpulsaDocumento", ExpulsaDocumento},
    {"IdentificaConsumidor", IdentificaConsumidor},
    {"ImprimeAutenticacao", ImprimeAutenticacao},
    {"ImprimeCheque", ImprimeCheque},
    {"ImprimeCupomAdicional", ImprimeCupomAdicional},
    {"ImprimeDadosDepartamento", ImprimeDadosDepartamento},
    {"ImprimeTexto", ImprimeTexto},
    {"IniciaFitaDetalhe", IniciaFitaDetalhe},
    {"LeAliquota", LeAliquota},
    {"LeData", LeData},
    {"LeDepartamento", LeDepartamento},
    {"LeGerencial", LeGerencial},
    {"LeHora", LeHora},
    {"LeImpressao", LeImpressao},
    {"LeIndicador", LeIndicador},
    {"LeInteiro", LeInteiro},
    {"LeMeioPagamento", LeMeioPagamento},
    {"LeMoeda", LeMoeda},
    {"LeNaoFiscal", LeNaoFiscal},
    {"LeTexto", LeTexto},
    {"PagaCupom", PagaCupom},
    {"ProgramaRelogio", ProgramaRelogio},
    {"ReimprimeViaCreditoDebito", ReimprimeViaCreditoDebito},
    {"ReinicializaEquipamento", ReinicializaEquipamento},
    {"VendeItem", VendeItem},
};

}  // namespace

Manipulador ManipuladorDe(const char* comando) {
  for (const Entrada& e : kManipuladores)
    if (std::strcmp(e.nome, comando) == 0) return e.manipulador;
  return nullptr;
}

}  // namespace ecf
