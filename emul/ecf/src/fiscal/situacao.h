// Where the printer stands: the document in issue and the day's condition.
#pragma once
#include <cstdint>

#include "fiscal/estado.h"

namespace ecf {

// The open document (the last of the day while not closed), or nullptr.
Documento* DocumentoEmEmissao(Estado& estado);
const Documento* DocumentoEmEmissao(const Estado& estado);

// The document in issue, or else the last one issued since the Z; nullptr when none.
const Documento* DocumentoCorrente(const Estado& estado);

bool DiaAberto(const Estado& estado);
// The day was opened on an earlier date: only a Z (and readings) may be issued.
bool ReducaoPendente(const Estado& estado, std::int32_t hoje);
// A Z was issued today: no more movement until the date changes.
bool DiaFechado(const Estado& estado, std::int32_t hoje);
// The clock stands before the last document issued (the host's clock or its time zone went back): a
// document now would be dated before it, so none is issued until the clock is set forward again.
bool RelogioInconsistente(const Estado& estado, std::int64_t agora);

// EstadoFiscal code and its name (NomeEstadoFiscal).
int CodigoEstadoFiscal(const Estado& estado, std::int32_t hoje);
const char* NomeEstadoFiscal(int codigo);

// The last fiscal memory record, or an empty one before the first Z.
const RegistroReducao& UltimaReducao(const Estado& estado);

}  // namespace ecf
