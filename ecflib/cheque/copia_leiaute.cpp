#include "copia_leiaute.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "compat/native_path.h"
#include "compat/path.h"
#include "log/arquivo_texto.h"

namespace plenvo {
namespace {

constexpr int kPedaco = 120;  // a line is read 119 characters at a time

// One whole line (with its line feed, when it has one), however many pieces it takes: the bracket
// rule looks at the whole line, so a header far to the right of a long line is still found.
bool LeLinha(std::FILE* arquivo, std::string& linha) {
  linha.clear();
  char pedaco[kPedaco];
  while (std::fgets(pedaco, sizeof pedaco, arquivo) != nullptr) {
    linha += pedaco;
    if (!linha.empty() && linha.back() == '\n') break;
  }
#ifndef _WIN32
  // Read in text mode, as on Windows: a Ctrl-Z ends the file (old editors left one after the last
  // line, sometimes with leftovers behind it), and a CR LF line end is a line feed (written back as
  // CR LF).
  const auto ctrl_z = linha.find('\x1A');
  if (ctrl_z != std::string::npos) {
    linha.resize(ctrl_z);
    // Nothing after it is read, whatever the stream.
    while (std::fgetc(arquivo) != EOF) {
    }
  }
  if (linha.size() >= 2 && linha[linha.size() - 2] == '\r' && linha.back() == '\n') linha.erase(linha.size() - 2, 1);
#endif
  return !linha.empty();
}

}  // namespace

const char* InicioCopiado(const char* linha) {
  const char* abre = std::strchr(linha, '[');
  return (abre != nullptr && std::strchr(abre, ']') != nullptr) ? abre : linha;
}

CopiaLeiaute CopiaParaTrabalho(const char* leiaute, const char* trabalho) {
  if (leiaute == nullptr || !compat::file_exists(leiaute)) return CopiaLeiaute::kSemLeiaute;
  std::error_code erro;
  if (std::filesystem::equivalent(compat::fs_path(leiaute), compat::fs_path(trabalho), erro)) return CopiaLeiaute::kSemLeiaute;
  std::FILE* origem = compat::open_file(leiaute, "r");
  if (origem == nullptr) return CopiaLeiaute::kSemLeiaute;
  std::FILE* destino = CriaArquivoTexto(trabalho);
  if (destino == nullptr) {
    std::fclose(origem);
    return CopiaLeiaute::kSemTrabalho;
  }
  bool escrito = true;
  std::string linha;
  while (escrito && LeLinha(origem, linha)) {
    const char* copiado = InicioCopiado(linha.c_str());
    escrito = EscreveModoTexto(destino, copiado, linha.size() - static_cast<std::size_t>(copiado - linha.c_str()));
  }
  std::fclose(origem);
  escrito = std::fclose(destino) == 0 && escrito;
  return escrito ? CopiaLeiaute::kCopiado : CopiaLeiaute::kSemTrabalho;
}

}  // namespace plenvo
