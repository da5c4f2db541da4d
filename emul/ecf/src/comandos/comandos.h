// Handlers of the catalogued commands, one per command, grouped in files by job.
#pragma once
#include "comandos/sessao.h"

namespace ecf {

// Registers (registradores.cpp).
Falha LeInteiro(Sessao& s);
Falha LeMoeda(Sessao& s);
Falha LeTexto(Sessao& s);
Falha LeData(Sessao& s);
Falha LeHora(Sessao& s);
Falha LeIndicador(Sessao& s);
Falha EscreveInteiro(Sessao& s);
Falha EscreveMoeda(Sessao& s);
Falha EscreveTexto(Sessao& s);
Falha EscreveData(Sessao& s);
Falha EscreveHora(Sessao& s);
Falha EscreveIndicador(Sessao& s);

// Fiscal coupon (cupom_fiscal.cpp).
Falha AbreCupomFiscal(Sessao& s);
Falha IdentificaConsumidor(Sessao& s);
Falha VendeItem(Sessao& s);
Falha AcresceItemFiscal(Sessao& s);
Falha CancelaItemFiscal(Sessao& s);

// Non-fiscal receipts (nao_fiscal.cpp).
Falha AbreCupomNaoFiscal(Sessao& s);
Falha EmiteItemNaoFiscal(Sessao& s);
Falha AcresceItemNaoFiscal(Sessao& s);
Falha CancelaItemNaoFiscal(Sessao& s);

// Totalling, payment, closing, cancelling (fechamento.cpp).
Falha AcresceSubtotal(Sessao& s);
Falha PagaCupom(Sessao& s);
Falha EncerraDocumento(Sessao& s);
Falha CancelaCupom(Sessao& s);

// Reports, vouchers, reversals (vinculado.cpp).
Falha AbreGerencial(Sessao& s);
Falha ImprimeTexto(Sessao& s);
Falha AbreCreditoDebito(Sessao& s);
Falha EmiteViaCreditoDebito(Sessao& s);
Falha ReimprimeViaCreditoDebito(Sessao& s);
Falha EstornaCreditoDebito(Sessao& s);
Falha EstornaMeioPagamento(Sessao& s);

// Tables (tabelas.cpp).
Falha DefineAliquota(Sessao& s);
Falha LeAliquota(Sessao& s);
Falha ExcluiAliquota(Sessao& s);
Falha DefineMeioPagamento(Sessao& s);
Falha LeMeioPagamento(Sessao& s);
Falha ExcluiMeioPagamento(Sessao& s);
Falha DefineDepartamento(Sessao& s);
Falha LeDepartamento(Sessao& s);
Falha ExcluiDepartamento(Sessao& s);
Falha DefineNaoFiscal(Sessao& s);
Falha LeNaoFiscal(Sessao& s);
Falha ExcluiNaoFiscal(Sessao& s);
Falha DefineGerencial(Sessao& s);
Falha LeGerencial(Sessao& s);
Falha ExcluiGerencial(Sessao& s);

// Day, readings, clock (dia.cpp).
Falha EmiteLeituraX(Sessao& s);
Falha EmiteLeituraMF(Sessao& s);
Falha EmiteLeituraFitaDetalhe(Sessao& s);
Falha EmiteReducaoZ(Sessao& s);
Falha LeImpressao(Sessao& s);
Falha ProgramaRelogio(Sessao& s);
Falha AcertaHorarioVerao(Sessao& s);

// Owner, header, detail memory (proprietario.cpp).
Falha DefineProprietario(Sessao& s);
Falha DefineDadosCabecalho(Sessao& s);
Falha IniciaFitaDetalhe(Sessao& s);

// Mechanism (mecanismo.cpp).
Falha AbreGaveta(Sessao& s);
Falha AvancaPapel(Sessao& s);
Falha CortaPapel(Sessao& s);
Falha ExpulsaDocumento(Sessao& s);
Falha ImprimeAutenticacao(Sessao& s);
Falha ImprimeCheque(Sessao& s);
Falha ChancelaCheque(Sessao& s);
Falha CruzaCheque(Sessao& s);
Falha ImprimeCupomAdicional(Sessao& s);
Falha ImprimeDadosDepartamento(Sessao& s);
Falha ReinicializaEquipamento(Sessao& s);

}  // namespace ecf
