// What crosses between the core and Excel: cell values as VARIANTs, texts as BSTR (UTF-16) against
// the core's Windows-1252, Excel's error values, and a cell's place as the person reads it.
#pragma once
#include <string>

#include "spreadsheet/valor_planilha.h"

#ifdef _WIN32
#include <windows.h>
#include <oleauto.h>
#endif

namespace tarnel {

// The text Excel shows for one of its error values (xlErrDiv0 = 2007 gives "#DIV/0!"); the number
// itself for one it does not list.
std::string NomeErroExcel(long codigo);

// "Totais!C7" from the sheet's name and the cell's address as Excel gives it ("$C$7").
std::string LocalCelulaExcel(const std::string& folha, const std::string& endereco);

#ifdef _WIN32
std::string TextoDeBstr(BSTR texto);
// A new BSTR (SysFreeString it, or put it into a VARIANT that is cleared).
BSTR BstrDeTexto(const std::string& texto);

// The VARIANT a value is written as: an empty text empties the cell (VT_EMPTY). Clear it after use.
void VarianteDeValor(const ValorPlanilha& valor, VARIANT& variante);
// A cell's value read back. False for an error value (erro then holds Excel's text for it, e.g.
// "#DIV/0!") and for what is no value at all (an array, an object).
bool ValorDeVariante(const VARIANT& variante, ValorPlanilha& valor, std::string& erro);
#endif

}  // namespace tarnel
