#include "console.h"

#include "compat/cp1252.h"
#include "compat/path.h"

#include <cstdlib>

#ifdef _WIN32
#include <io.h>
#include <stdio.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#else
#include <stdio.h>
#include <unistd.h>
#endif

namespace tarnel::cli {

#ifdef _WIN32
namespace {
// The console is the person's, shared with the programs run after this one: what was changed is put
// back at exit.
UINT codigo_saida_anterior = 0;
UINT codigo_entrada_anterior = 0;
DWORD modo_anterior = 0;
bool modo_alterado = false;

void RestauraConsole() {
  if (codigo_saida_anterior != 0) SetConsoleOutputCP(codigo_saida_anterior);
  if (codigo_entrada_anterior != 0) SetConsoleCP(codigo_entrada_anterior);
  if (modo_alterado) SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), modo_anterior);
}
}  // namespace
#endif

void PreparaConsole() {
#ifdef _WIN32
  codigo_saida_anterior = GetConsoleOutputCP();
  codigo_entrada_anterior = GetConsoleCP();
  SetConsoleOutputCP(CP_UTF8);
  SetConsoleCP(CP_UTF8);
  // Terminal attributes (bold on the paper roll) as escape sequences, as everywhere else.
  const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  if (GetConsoleMode(console, &modo_anterior))
    modo_alterado = SetConsoleMode(console, modo_anterior | 0x0004 /* ENABLE_VIRTUAL_TERMINAL_PROCESSING */) != 0;
  std::atexit(RestauraConsole);
#endif
}

std::ostream& Anuncio(const std::string& arquivo, std::ostream& saida, std::ostream& mensagens) {
  return !arquivo.empty() && compat::is_device(arquivo) ? mensagens : saida;
}

bool EntradaCp1252(const std::string& linha_utf8, std::string& texto) {
  texto = compat::utf8_to_cp1252(linha_utf8);
  return compat::cp1252_to_utf8(texto) == linha_utf8;
}

bool ArgumentosCp1252(int argc, char** argv, std::vector<std::string>& textos, std::string& recusado) {
  textos.clear();
#ifdef _WIN32
  int total = 0;
  LPWSTR* largos = CommandLineToArgvW(GetCommandLineW(), &total);
  if (largos != nullptr && total == argc) {
    bool aceitos = true;
    for (int i = 1; i < argc && aceitos; ++i) {
      const std::u16string largo(reinterpret_cast<const char16_t*>(largos[i]));
      std::string texto = compat::utf16_to_cp1252(largo);
      aceitos = compat::cp1252_to_utf16(texto) == largo;
      if (aceitos) textos.push_back(std::move(texto));
      else recusado = compat::cp1252_to_utf8(texto);
    }
    LocalFree(largos);
    return aceitos;
  }
  if (largos != nullptr) LocalFree(largos);
  // The system's and the runtime's splits disagree: the narrow arguments, in the ANSI code page.
  for (int i = 1; i < argc; ++i) textos.emplace_back(argv[i]);
  return true;
#else
  for (int i = 1; i < argc; ++i) {
    std::string texto;
    if (!EntradaCp1252(argv[i], texto)) {
      recusado = argv[i];
      return false;
    }
    textos.push_back(std::move(texto));
  }
  return true;
#endif
}

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

namespace {
const char kApagaLinha[] = "\r\x1b[K";  // back to the line's start, then clear to its end
}  // namespace

void LinhaProgresso::Mostra(const std::string& texto_cp1252) {
  if (!terminal_) {
    EscreveLinha(saida_, texto_cp1252);
    return;
  }
  saida_ << kApagaLinha;
  EscreveTexto(saida_, texto_cp1252);
  saida_.flush();
  visivel_ = true;
}

void LinhaProgresso::Apaga() {
  if (visivel_) saida_ << kApagaLinha;
  visivel_ = false;
}

void LinhaProgresso::Encerra() {
  if (visivel_) saida_ << '\n';
  visivel_ = false;
}

}  // namespace tarnel::cli
