#include "console.h"

#include "compat/cp1252.h"

#ifdef _WIN32
#include <io.h>
#include <stdio.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tarnel::cli {

void PreparaConsole() {
#ifdef _WIN32
  SetConsoleOutputCP(CP_UTF8);
  SetConsoleCP(CP_UTF8);
#endif
}

std::string ArgumentoCp1252(const char* argumento) {
#ifdef _WIN32
  // The narrow arguments of a Windows program already come in the ANSI code page.
  return argumento;
#else
  return compat::utf8_to_cp1252(argumento);
#endif
}

std::string EntradaCp1252(const std::string& linha_utf8) { return compat::utf8_to_cp1252(linha_utf8); }

bool EntradaInterativa() {
#ifdef _WIN32
  return _isatty(_fileno(stdin)) != 0;
#else
  return isatty(STDIN_FILENO) == 1;
#endif
}

void EscreveLinha(std::ostream& saida, const std::string& texto_cp1252) {
  saida << compat::cp1252_to_utf8(texto_cp1252) << '\n';
}

}  // namespace tarnel::cli
