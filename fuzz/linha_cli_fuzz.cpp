// libFuzzer target for what a person types to tarnel-cli: the shell line under Tab completion, and
// the program's arguments (the input split at NUL bytes). Completion must give only non-empty
// names; the command line must end in exactly one of help, a usage error that points to --help, or
// a subcommand to run, and never throw.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "completa.h"
#include "linha_comando.h"

namespace {

void ConfereCompletacao(std::string_view linha) {
  static const std::vector<tarnel::cli::PalavraCompletavel> palavras = {
      {"comandos", tarnel::cli::ArgumentoPalavra::kComando},
      {"registrador", tarnel::cli::ArgumentoPalavra::kRegistrador},
      {"sair", tarnel::cli::ArgumentoPalavra::kNenhum}};
  for (const std::string& candidato : tarnel::cli::Completa(linha, palavras))
    if (candidato.empty()) std::abort();
}

void ConfereArgumentos(std::string_view texto) {
  std::vector<std::string> argumentos;
  std::size_t inicio = 0;
  for (std::size_t i = 0; i <= texto.size(); ++i) {
    if (i < texto.size() && texto[i] != '\0') continue;
    argumentos.emplace_back(texto.substr(inicio, i - inicio));
    inicio = i + 1;
  }
  const tarnel::cli::Invocacao invocacao = tarnel::cli::InterpretaArgumentos(argumentos);
  const std::string_view veja = " (veja tarnel-cli --help)";
  if (!invocacao.ajuda.empty() && !invocacao.erro.empty()) std::abort();
  if (!invocacao.erro.empty() &&
      (invocacao.erro.size() < veja.size() || invocacao.erro.compare(invocacao.erro.size() - veja.size(), veja.size(), veja) != 0))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
  ConfereCompletacao(texto);
  ConfereArgumentos(texto);
  return 0;
}
