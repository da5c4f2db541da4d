#include "readings/filtra_impressao.h"

#include <cstdio>
#include <memory>

#include "compat/native_path.h"
#include "compat/path.h"
#include "compat/text_mode.h"

namespace tarnel {

namespace {
constexpr char kEsc = '\x1B';
constexpr std::size_t kBloco = 512;

struct FechaArquivo {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Arquivo = std::unique_ptr<std::FILE, FechaArquivo>;
}  // namespace

void FiltroImpressao::Filtra(std::string_view texto, std::string& saida) {
  for (const char c : texto) {
    if (c == kEsc) {
      salto_ = 2;
    } else if (salto_ == 2) {
      if (c == '*') {
        saida += '\n';
        coluna_ = 0;
        salto_ = 0;
      } else {
        salto_ = 1;
      }
    } else if (salto_ == 1) {
      salto_ = 0;
    } else {
      saida += c;
      if (c == '\n' || c == '\r') coluna_ = 0;
      if (coluna_ == kColunas) {
        saida += '\n';
        coluna_ = 0;
      }
      ++coluna_;
    }
  }
}

std::string ArquivoFiltrado(const std::string& arquivo) { return arquivo + ".fmt"; }

bool FiltraArquivoImpressao(const std::string& arquivo) {
  // A reading sent to a device or a pipe (/dev/stdout, NUL) cannot be read back: it has no readable
  // copy, and reading there would wait on the terminal for input.
  if (compat::is_device(arquivo)) return true;
  Arquivo entrada(compat::open_file(arquivo, "rb"));
  if (!entrada) return false;
  Arquivo saida(compat::open_file(ArquivoFiltrado(arquivo), "wb"));
  if (!saida) return false;

  compat::TextModeReader leitor;
  compat::TextModeWriter escritor;
  FiltroImpressao filtro;
  char bloco[kBloco];
  std::string texto, filtrado, disco;
  bool fim = false;
  while (!fim) {
    const std::size_t lidos = std::fread(bloco, 1, sizeof bloco, entrada.get());
    if (lidos < sizeof bloco) {
      if (std::ferror(entrada.get())) return false;
      fim = true;
    }
    texto.clear();
    filtrado.clear();
    disco.clear();
    leitor.take(std::string_view(bloco, lidos), texto);
    if (fim) leitor.finish(texto);
    filtro.Filtra(texto, filtrado);
    escritor.put(filtrado, disco);
    if (std::fwrite(disco.data(), 1, disco.size(), saida.get()) != disco.size()) return false;
  }
  return std::fclose(saida.release()) == 0;
}

}  // namespace tarnel
