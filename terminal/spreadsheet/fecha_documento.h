// The workbook holds one document's data at a time, as the printer's "document" registers show only
// the document in issue or the last one. When the mirroring sees the printer start a new document,
// what the previous one added to the day is moved into the workbook's accumulators and its data
// emptied, so that a capture followed by many documents still checks. The workbook says what to move
// and what to empty, in lists of names:
// - "AcumulaDocumento": each name X is a value (or range) of the document, and "Ant" + X, of the same
//   size, what the earlier documents added: Ant X[i] += X[i];
// - "AreaDocumento": the names then emptied cell by cell (the items, subtotal and payments);
// - at a Z, "MantemNaReducao": registers that carry on, whose value after the commands ("Pos" + name)
//   becomes their captured value; "ZeraNaReducao": the names the Z sets to 0.
// A workbook without these lists is left as it is.
#pragma once

namespace tarnel {

class LigacaoPlanilha;

// True when the workbook keeps documents apart (it has the lists): item numbers then start again at 1
// with the new document, as the printer numbers them.
bool FechaDocumentoPlanilha(LigacaoPlanilha& ligacao);
// The Z: the document closed as above, then the day's totals carried on or zeroed.
bool FechaDiaPlanilha(LigacaoPlanilha& ligacao);

}  // namespace tarnel
