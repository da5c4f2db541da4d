#include "spreadsheet/excel/variante_excel.h"

#include "compat/cp1252.h"

namespace tarnel {

std::string NomeErroExcel(long codigo) {
  struct Erro {
    long codigo;
    const char* nome;
  };
  static const Erro kErros[] = {
      {2000, "#NULL!"}, {2007, "#DIV/0!"}, {2015, "#VALUE!"}, {2023, "#REF!"},
      {2029, "#NAME?"}, {2036, "#NUM!"},   {2042, "#N/A"},
  };
  for (const Erro& erro : kErros)
    if (erro.codigo == codigo) return erro.nome;
  return "#" + std::to_string(codigo);
}

std::string LocalCelulaExcel(const std::string& folha, const std::string& endereco) {
  std::string local = folha + "!";
  for (char c : endereco)
    if (c != '$') local += c;
  return local;
}

#ifdef _WIN32

std::string TextoDeBstr(BSTR texto) {
  if (texto == nullptr) return std::string();
  return compat::utf16_to_cp1252(std::u16string_view(reinterpret_cast<const char16_t*>(texto), SysStringLen(texto)));
}

BSTR BstrDeTexto(const std::string& texto) {
  const std::u16string largo = compat::cp1252_to_utf16(texto);
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(largo.data()), static_cast<UINT>(largo.size()));
}

void VarianteDeValor(const ValorPlanilha& valor, VARIANT& variante) {
  VariantInit(&variante);
  if (const auto* texto = std::get_if<std::string>(&valor)) {
    if (texto->empty()) return;
    variante.vt = VT_BSTR;
    variante.bstrVal = BstrDeTexto(*texto);
  } else if (const auto* numero = std::get_if<double>(&valor)) {
    variante.vt = VT_R8;
    variante.dblVal = *numero;
  } else if (const auto* inteiro = std::get_if<std::int32_t>(&valor)) {
    variante.vt = VT_I4;
    variante.lVal = *inteiro;
  } else {
    variante.vt = VT_BOOL;
    variante.boolVal = std::get<bool>(valor) ? VARIANT_TRUE : VARIANT_FALSE;
  }
}

bool ValorDeVariante(const VARIANT& variante, ValorPlanilha& valor, std::string& erro) {
  switch (variante.vt) {
    case VT_EMPTY:
    case VT_NULL:
      valor = std::string();
      return true;
    case VT_BSTR:
      valor = TextoDeBstr(variante.bstrVal);
      return true;
    case VT_BOOL:
      valor = variante.boolVal != VARIANT_FALSE;
      return true;
    case VT_ERROR:
      // Excel's error values arrive as HRESULTs 0x800A0000 + the error's number.
      erro = NomeErroExcel(variante.scode & 0xFFFF);
      return false;
    default:
      break;
  }
  // Every other scalar (integers, currency, dates) is a number to the workbook.
  VARIANT numero;
  VariantInit(&numero);
  if ((variante.vt & (VT_ARRAY | VT_BYREF)) == 0 &&
      SUCCEEDED(VariantChangeType(&numero, const_cast<VARIANT*>(&variante), 0, VT_R8))) {
    valor = numero.dblVal;
    return true;
  }
  erro = "o valor da célula não é um número nem um texto";
  return false;
}

#endif

}  // namespace tarnel
