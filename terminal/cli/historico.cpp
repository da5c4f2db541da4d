#include "historico.h"

#include <fstream>

#include "compat/path.h"

namespace tarnel::cli {

std::string CaminhoHistorico(const std::function<const char*(const char*)>& variavel) {
  const char* estado = variavel("XDG_STATE_HOME");
  if (estado && *estado) return std::string(estado) + "/tarnel_historico";
  const char* casa = variavel("HOME");
  if (casa && *casa) return std::string(casa) + "/.tarnel_historico";
  return "";
}

Historico::Historico(std::string caminho) : caminho_(std::move(caminho)) {
  if (caminho_.empty()) return;
  std::ifstream arquivo(caminho_, std::ios::binary);
  std::string linha;
  bool cortado = false;
  while (std::getline(arquivo, linha)) {
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    if (linha.empty()) continue;
    linhas_.push_back(std::move(linha));
    // Trimmed as it is read, so that a huge file never sits whole in memory.
    if (linhas_.size() >= 2 * kMaximoHistorico) {
      linhas_.erase(linhas_.begin(), linhas_.end() - kMaximoHistorico);
      cortado = true;
    }
  }
  if (linhas_.size() > kMaximoHistorico) {
    linhas_.erase(linhas_.begin(), linhas_.end() - kMaximoHistorico);
    cortado = true;
  }
  if (!cortado) return;
  std::ofstream novo(caminho_, std::ios::binary | std::ios::trunc);
  for (const std::string& guardada : linhas_) novo << guardada << '\n';
}

bool Historico::Acrescenta(const std::string& linha) {
  if (linha.find_first_not_of(" \t") == std::string::npos || linha.find_first_of("\r\n") != std::string::npos) return false;
  if (!linhas_.empty() && linhas_.back() == linha) return false;
  linhas_.push_back(linha);
  if (linhas_.size() > kMaximoHistorico) linhas_.erase(linhas_.begin());
  if (!caminho_.empty()) {
    std::ofstream arquivo(caminho_, std::ios::binary | std::ios::app);
    // The state folder may not exist yet on a fresh account: it is made at the first line typed.
    if (!arquivo && compat::make_folders(compat::folder_of(caminho_)))
      arquivo.open(caminho_, std::ios::binary | std::ios::app);
    arquivo << linha << '\n';
  }
  return true;
}

}  // namespace tarnel::cli
