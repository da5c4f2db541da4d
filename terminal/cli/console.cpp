#include "console.h"

#include "compat/cp1252.h"

#ifdef _WIN32
#include <io.h>
#include <stdio.h>
#include <windows.h>
#else
#include <stdio.h>
#include <unistd.h>
#endif

namespace tarnel::cli {

void PreparaConsole() {
#ifdef _WIN32
  SetConsoleOutputCP(CP_UTF8);
  SetConsoleCP(CP_UTF8);
  // Terminal attributes (bold on the paper roll) as escape sequences, as everywhere else.
  const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD modo = 0;
  if (GetConsoleMode(console, &modo)) SetConsoleMode(console, modo | 0x0004 /* ENABLE_VIRTUAL_TERMINAL_PROCESSING */);
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

namespace {
bool EhTerminal(FILE* arquivo) {
#ifdef _WIN32
  return _isatty(_fileno(arquivo)) != 0;
#else
  return isatty(fileno(arquivo)) == 1;
#endif
}
}  // namespace

bool EntradaInterativa() { return EhTerminal(stdin); }
bool SaidaInterativa() { return EhTerminal(stdout); }
bool MensagensInterativas() { return EhTerminal(stderr); }

void EscreveLinha(std::ostream& saida, const std::string& texto_cp1252) {
  saida << compat::cp1252_to_utf8(texto_cp1252) << '\n';
}

void EscreveTexto(std::ostream& saida, const std::string& texto_cp1252) { saida << compat::cp1252_to_utf8(texto_cp1252); }

}  // namespace tarnel::cli
