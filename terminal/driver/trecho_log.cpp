#include "driver/trecho_log.h"

#include <fstream>

#include "compat/native_path.h"
#include "compat/path.h"

namespace tarnel {

namespace {

constexpr std::int64_t kTrechoLimite = 4200;
constexpr std::int64_t kTrechoCortado = 4196;
constexpr std::int64_t kFimDeLinha = 2;  // CR LF

}  // namespace

std::int64_t TamanhoLog(const std::string& caminho) {
  if (caminho.empty() || !compat::file_exists(caminho)) return -1;
  return compat::file_size(caminho);
}

std::string TrechoLog(const std::string& caminho, std::int64_t tamanho_antes) {
  if (caminho.empty() || !compat::file_exists(caminho)) return std::string();
  const std::string erro = "Erro ao acessar arquivo de log " + caminho;
  if (tamanho_antes <= 0) return erro;
  std::ifstream arquivo(compat::fs_path(caminho), std::ios::binary);
  if (!arquivo) return erro;
  arquivo.seekg(0, std::ios::end);
  const std::int64_t tamanho_depois = static_cast<std::int64_t>(arquivo.tellg());
  if (tamanho_depois < 0) return erro;
  std::int64_t ler = tamanho_depois - kFimDeLinha - tamanho_antes;
  // A file that did not grow (or shrank) has nothing new to show.
  if (tamanho_depois <= tamanho_antes || ler <= 0) return std::string();
  if (ler > kTrechoLimite) ler = kTrechoCortado;
  std::string trecho(static_cast<std::size_t>(ler), '\0');
  arquivo.seekg(tamanho_antes);
  arquivo.read(trecho.data(), ler);
  trecho.resize(static_cast<std::size_t>(arquivo.gcount()));
  return trecho;
}

}  // namespace tarnel
