// Folder of the DLL (or program) that holds this code.
#include <windows.h>

#include <string>

#include "lugares.h"

namespace plenvo {

std::string PastaDestaBiblioteca() {
  HMODULE modulo = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCSTR>(&PastaDestaBiblioteca), &modulo))
    return "";
  char arquivo[MAX_PATH];
  const DWORD n = GetModuleFileNameA(modulo, arquivo, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return "";
  const std::string texto(arquivo, n);
  const auto barra = texto.find_last_of("\\/");
  return barra == std::string::npos ? "" : texto.substr(0, barra + 1);
}

}  // namespace plenvo
