// What every document shares: the conditions to open one, opening it (counters, opening the day),
// finding the open one, and the adjustments and cancellations items and documents undergo.
#pragma once
#include <cstdint>

#include "comandos/sessao.h"

namespace ecf {

// No document may be open.
Falha ExigeSemDocumento(const Sessao& s);
// A new document of the day may be opened: nothing open, no Z pending, the day not closed by a Z,
// owner, header and detail memory in place, room in the detail memory, and room in the fiscal
// memory for the Z that will close the day.
Falha PodeAbrirDocumento(const Sessao& s);
// The detail memory has room for another document besides what it keeps for the Z reduction. Also
// asked before each item or text line of an open document, so that a long one stops at the reserve
// instead of its lines being lost beyond the memory's end; what closes the document uses the reserve.
Falha ExigeEspacoMFD(const Sessao& s);
// The fiscal memory has room for a record of this many bytes (an owner, a Z reduction).
Falha ExigeEspacoMF(const Sessao& s, std::uint64_t bytes);
// The open document must be of one of these types (tipo2 = kNenhum when only one fits).
Falha ExigeDocumento(const Sessao& s, TipoDocumento tipo, TipoDocumento tipo2, Documento*& documento);

// A command that issued or closed a document did so at the clock's time, which may not fall before
// the last document's: the clock went back (the host's clock, its time zone, a Z's correction) and
// the memories would hold records out of order. Asked of every command that changed the state.
Falha ConfereOrdemDosDocumentos(const Estado& antes, const Estado& depois);

// Opens a document: COO and the type's counters, the day when this is its first document.
// Returns its index in Estado::documentos.
std::int32_t AbreDocumento(Sessao& s, TipoDocumento tipo, bool abre_dia);
// A coupon or receipt, with the consumer its opening command identifies.
Documento& AbreComConsumidor(Sessao& s, TipoDocumento tipo);
// A document that is issued and closed at once (readings, reversals).
std::int32_t EmiteDocumentoFechado(Sessao& s, TipoDocumento tipo, bool abre_dia);
std::int32_t IndiceDe(const Estado& e, const Documento& d);

// Increase/discount of an item (AcresceItemFiscal, AcresceItemNaoFiscal).
Falha AjustaItem(Sessao& s, TipoDocumento tipo);
// Cancellation of an item: of a quantity (parcial) or of what is left of it.
Falha CancelaItem(Sessao& s, TipoDocumento tipo, bool parcial, std::int64_t quantidade);

// Cancels everything a sale document holds: items, adjustments, payments.
void AnulaDocumento(Documento& d);

// The amount of an increase/discount given as ValorAcrescimo or ValorPercentual over a base.
// percentual receives the percentage in hundredths when one was given.
// The means of payment named by a code parameter or a name parameter. Refusals: neither given,
// code out of range or undefined, name not found, code and name that disagree.
Falha ResolveMeioPagamento(const Sessao& s, const char* par_codigo, const char* par_nome, std::int32_t& meio);

// A discount must stay below the base; erro_desconto names the refusal when it does not.
Falha ValorDoAjuste(const Sessao& s, std::int64_t base, const char* alvo, const char* erro_desconto,
                    std::int64_t& valor, std::int32_t& percentual);

}  // namespace ecf
