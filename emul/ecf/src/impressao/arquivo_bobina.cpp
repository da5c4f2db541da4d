#include "impressao/arquivo_bobina.h"

#include <filesystem>
#include <fstream>

#include "compat/native_path.h"
#include "impressao/texto_impresso.h"
#include "quorbal/bobina.h"

namespace ecf::impressao {

void ArquivoBobina::Imprime(std::string_view impresso) {
  if (caminho_.empty()) return;
  for (const char c : impresso) {
    if (escape_ == 2) {
      if (c == kQuebraLinha[1]) {
        EncerraLinha();  // ESC '*' is the one two-byte sequence
        escape_ = 0;
      } else {
        atributo_ = c;
        escape_ = 1;
      }
    } else if (escape_ == 1) {
      const bool liga = c == '1';
      if (atributo_ == kNegritoLiga[1]) negrito_ = liga;
      if (atributo_ == kExpandidoLiga[1]) expandido_ = liga;
      escape_ = 0;
    } else if (c == kEsc) {
      escape_ = 2;
    } else {
      Coloca(c);
    }
  }
}

void ArquivoBobina::Coloca(char c) {
  const int largura = expandido_ ? 2 : 1;
  if (colunas_ + largura > kColunas) EncerraLinha();
  linha_ += c;
  colunas_ += largura;
  linha_negrito_ |= negrito_;
  linha_expandida_ |= expandido_;
}

void ArquivoBobina::EncerraLinha() {
  a_gravar_ += quorbal::FormataLinhaBobina({linha_, linha_negrito_, linha_expandida_});
  linha_.clear();
  colunas_ = 0;
  linha_negrito_ = linha_expandida_ = false;
}

void ArquivoBobina::Descarrega() {
  if (a_gravar_.empty()) return;
  try {
    std::ofstream f(compat::fs_path(caminho_), std::ios::binary | std::ios::app);
    f.write(a_gravar_.data(), static_cast<std::streamsize>(a_gravar_.size()));
  } catch (...) {
    // A path the system cannot take is one more roll that cannot be written.
  }
  // Written or not, the lines are gone: a roll that cannot be written does not grow in memory.
  a_gravar_.clear();
}

}  // namespace ecf::impressao
