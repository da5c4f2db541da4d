// The cheque operations that read a layout file, and the CMC-7 reader.
#pragma once

namespace plenvo {

constexpr int kTextosCheque = 7;
constexpr int kArgumentosCheque2 = 15;  // the 10th is the section name

// Frame "34" from the 7 texts and the section of the layout file: 33 or the printer's status, 20
// (layout or work file), 21 (no such section), 22 to 28 (a key), 7 for a null text.
int ImprimeCheque(const char* const (&textos)[kTextosCheque], const char* secao, const char* leiaute);
// Frame "58": arguments 1 to 15 as the export takes them, the section being the 10th.
int ImprimeCheque2(const char* const (&argumentos)[kArgumentosCheque2], const char* leiaute);

// Frame "53": the CMC-7 data into the file; 33 when stored, the printer's answer when it is not
// STX, 9, 10, 20 or a line error.
int LeCMC7(const char* arquivo);

}  // namespace plenvo
