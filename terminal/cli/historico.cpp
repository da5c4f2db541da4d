#include "historico.h"

#include <fstream>

#include "compat/atomic_file.h"
#include "compat/native_path.h"
#include "compat/path.h"
#include "compat/whole_file.h"

namespace tarnel::cli {

namespace {

// A folder from the environment counts only when it is absolute (as XDG has it) and Windows-1252
// text names it exactly, the rule of compat's per-user folders: with a "?" in its place the history
// would be written into another folder.
bool PastaUsavel(const char* nativa, std::string& texto) {
  return nativa != nullptr && nativa[0] == '/' && compat::text_path_exact(nativa, texto);
}

}  // namespace

std::string CaminhoHistorico(const std::function<const char*(const char*)>& variavel) {
  std::string pasta;
  if (PastaUsavel(variavel("XDG_STATE_HOME"), pasta)) return pasta + "/tarnel_historico";
  if (PastaUsavel(variavel("HOME"), pasta)) return pasta + "/.tarnel_historico";
  return "";
}

Historico::Historico(std::string caminho) : caminho_(std::move(caminho)) {
  if (caminho_.empty()) return;
  std::ifstream arquivo(compat::fs_path(caminho_), std::ios::binary);
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
  arquivo.close();  // Windows cannot replace a file that is still open
  // Replaced whole: a write that fails (a full disk) leaves the old file, not a cut one.
  std::string novo, motivo;
  for (const std::string& guardada : linhas_) novo += guardada + '\n';
  compat::replace_file(caminho_, novo, motivo);
}

bool Historico::Acrescenta(const std::string& linha) {
  if (linha.find_first_not_of(" \t") == std::string::npos || linha.find_first_of("\r\n") != std::string::npos) return false;
  if (!linhas_.empty() && linhas_.back() == linha) return false;
  linhas_.push_back(linha);
  if (linhas_.size() > kMaximoHistorico) linhas_.erase(linhas_.begin());
  if (!caminho_.empty()) {
    // All of the line or none of it, in a file only its user reads (what was typed may hold a
    // customer's name or document). The state folder may not exist yet on a fresh account: it is
    // made at the first line typed.
    if (!compat::append_whole(caminho_, linha + '\n', true) && compat::make_folders(compat::folder_of(caminho_)))
      compat::append_whole(caminho_, linha + '\n', true);
  }
  return true;
}

}  // namespace tarnel::cli
