#include "log_comandos.h"

#include <cstdio>

namespace drovik {

void LogComandos::EscreveLinha(const std::string& linha) const {
  if (!Ativo()) return;
  std::FILE* arquivo = std::fopen(caminho_.c_str(), "ab");
  if (!arquivo) return;
  const std::string texto = linha + "\r\n";
  std::fwrite(texto.data(), 1, texto.size(), arquivo);
  std::fclose(arquivo);
}

}  // namespace drovik
