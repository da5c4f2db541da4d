#include "log_comandos.h"

#include <cstdio>

#include "compat/native_path.h"

namespace drovik {

void LogComandos::EscreveLinha(const std::string& linha) const {
  if (!Ativo()) return;
  std::FILE* arquivo = compat::open_file(caminho_, "ab");
  if (!arquivo) return;
  const std::string texto = linha + "\r\n";
  std::fwrite(texto.data(), 1, texto.size(), arquivo);
  std::fclose(arquivo);
}

}  // namespace drovik
