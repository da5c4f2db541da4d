// The readable copy of print data: printer control sequences out, lines of at most 48 columns.
#pragma once
#include <string>
#include <string_view>

namespace tarnel {

// The filter's state carries over from one block of text to the next.
class FiltroImpressao {
 public:
  static constexpr int kColunas = 48;

  // Appends to saida the filtered texto (line ends as LF). ESC and the two bytes after it are
  // dropped, except that ESC '*' is a line break (and the byte after the '*' stays); a line is
  // broken after 48 characters, after 49 when it starts at an ESC '*' break.
  void Filtra(std::string_view texto, std::string& saida);

 private:
  int salto_ = 0;   // bytes of an ESC sequence still to drop
  int coluna_ = 1;
};

// Writes arquivo + ".fmt", the filtered copy of arquivo, both in text mode (CR LF on disk). False
// when either file cannot be opened or the copy cannot be written whole. A device or pipe has no
// copy: nothing is written, and that is no failure.
bool FiltraArquivoImpressao(const std::string& arquivo);

// The name FiltraArquivoImpressao writes.
std::string ArquivoFiltrado(const std::string& arquivo);

}  // namespace tarnel
