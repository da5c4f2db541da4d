#include "lugares.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "compat/module.h"
#include "compat/native_path.h"
#include "compat/path.h"

namespace plenvo {
namespace {

#ifdef _WIN32
constexpr const char* kBibliotecaFornecedor = "Sulvanir.DLL";
#else
constexpr const char* kBibliotecaFornecedor = "libsulvanir.so";
#endif

// snprintf that reports whether everything fitted.
template <typename... Args>
bool Formata(char* destino, std::size_t tamanho, const char* formato, Args... args) {
  if (destino == nullptr || tamanho == 0) return false;
  const int n = std::snprintf(destino, tamanho, formato, args...);
  return n >= 0 && static_cast<std::size_t>(n) < tamanho;
}

#ifndef _WIN32
// Places are chosen by the environment on POSIX systems only; an empty variable counts as unset.
// What is named there is a file name of the system's: the places made of it are taken in as text,
// like the paths callers pass (in the buffer, as this runs for every log line and must not allocate).
const char* Ambiente(const char* nome) {
  const char* valor = std::getenv(nome);
  return (valor != nullptr && *valor != '\0') ? valor : nullptr;
}

// Formata for a place made of a name the system gave, taken in as text. A place whose name
// Windows-1252 text cannot hold is no place: with "?" in its name, the files would be written into
// another folder. It fails like a place too long for its buffer.
template <typename... Args>
bool FormataLugar(char* destino, std::size_t tamanho, const char* formato, Args... args) {
  char nativo[4096];
  return Formata(nativo, sizeof nativo, formato, args...) && compat::text_path_exact(nativo, destino, tamanho);
}

// "COMn" or "COMn:" (any case; Windows opens both) with n >= 1: returns n, else 0.
int NumeroDaPortaCom(const char* nome) {
  if (std::strlen(nome) < 4) return 0;
  if (std::toupper(static_cast<unsigned char>(nome[0])) != 'C' ||
      std::toupper(static_cast<unsigned char>(nome[1])) != 'O' ||
      std::toupper(static_cast<unsigned char>(nome[2])) != 'M')
    return 0;
  int numero = 0;
  for (const char* p = nome + 3; *p != '\0'; ++p) {
    if (*p == ':' && p[1] == '\0' && p > nome + 3) break;
    if (!std::isdigit(static_cast<unsigned char>(*p)) || numero > 9999) return 0;
    numero = numero * 10 + (*p - '0');
  }
  return numero;
}
#endif

}  // namespace

bool NomeEhCaminho(const char* nome) { return nome != nullptr && nome[0] == '/'; }

bool PastaUnidadeC(char* destino, std::size_t tamanho) {
#ifdef _WIN32
  return Formata(destino, tamanho, "%s", "c:\\");
#else
  if (const char* pasta = Ambiente("PLENVO_DRIVE_C")) {
    const std::size_t n = std::strlen(pasta);
    return FormataLugar(destino, tamanho, "%s%s", pasta, pasta[n - 1] == '/' ? "" : "/");
  }
  // The user's own state folder, found as for every per-user file of the programs (HOME, else the
  // password database): never a shared folder, where another user could plant the files' names.
  char estado[4096];
  return compat::user_state_folder(estado, sizeof estado) && Formata(destino, tamanho, "%s/plenvo/c/", estado);
#endif
}

bool CriaPastaUnidadeC() {
#ifdef _WIN32
  return false;
#else
  char pasta[4096];
  return PastaUnidadeC(pasta, sizeof pasta) && compat::make_folders(pasta);
#endif
}

bool CaminhoNaUnidadeC(const char* nome, char* destino, std::size_t tamanho) {
  if (!PastaUnidadeC(destino, tamanho)) return false;
  const std::size_t usado = std::strlen(destino);
  return Formata(destino + usado, tamanho - usado, "%s", nome);
}

bool CaminhoDoDispositivo(const char* nome, char* destino, std::size_t tamanho) {
  if (nome == nullptr) return false;
#ifndef _WIN32
  if (const int porta = NumeroDaPortaCom(nome)) {
    char variavel[32];
    std::snprintf(variavel, sizeof variavel, "PLENVO_COM%d", porta);
    if (const char* mapeado = Ambiente(variavel)) return FormataLugar(destino, tamanho, "%s", mapeado);
    return Formata(destino, tamanho, "/dev/ttyS%d", porta - 1);
  }
#endif
  return Formata(destino, tamanho, "%s", nome);
}

std::vector<std::string> CandidatosBibliotecaFornecedor() {
#ifdef _WIN32
  // Exactly what integrators know: the system's own search for the DLL's name.
  return {kBibliotecaFornecedor};
#else
  if (const char* arquivo = Ambiente("PLENVO_SULVANIR")) return {compat::text_path(std::string(arquivo))};
  std::vector<std::string> candidatos;
  const std::string pasta_biblioteca = PastaDestaBiblioteca();
  if (!pasta_biblioteca.empty()) candidatos.push_back(pasta_biblioteca + kBibliotecaFornecedor);
  const std::string pasta_programa = compat::executable_folder();
  if (!pasta_programa.empty() && pasta_programa != pasta_biblioteca)
    candidatos.push_back(pasta_programa + kBibliotecaFornecedor);
  candidatos.push_back(kBibliotecaFornecedor);
  return candidatos;
#endif
}

}  // namespace plenvo
