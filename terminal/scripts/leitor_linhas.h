// The command file's line reader: byte by byte, a line ends at a CR or an LF (a CR takes one more
// byte with it, the LF of a CR LF pair), a line is cut at kTamanhoLinhaScript bytes and the rest of it
// is skipped up to and including the next LF, and a last line may end at the end of the file. A line looked at
// ahead can be given back: it is kept here rather than sought back to, so that a script can also come
// from a pipe.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace tarnel {

// Room for the longest line a recording writes: a reply with the 4000 characters of print data, each
// of which may be escaped into two, with its time stamp and marks. Cut at 4096, such a reply could
// never compare equal to the one it records.
constexpr std::size_t kTamanhoLinhaScript = 16384;

// Where the bytes come from: a file, or a text in memory (tests, the fuzzer).
class FonteBytes {
 public:
  virtual ~FonteBytes() = default;
  // The next byte (0..255), or -1 at the end.
  virtual int Le() = 0;
};

class FonteArquivo : public FonteBytes {
 public:
  explicit FonteArquivo(std::FILE* arquivo) : arquivo_(arquivo) {}
  int Le() override { return std::fgetc(arquivo_); }

 private:
  std::FILE* arquivo_;
};

class FonteTexto : public FonteBytes {
 public:
  explicit FonteTexto(std::string_view texto) : texto_(texto) {}
  int Le() override { return pos_ < texto_.size() ? static_cast<unsigned char>(texto_[pos_++]) : -1; }

 private:
  std::string_view texto_;
  std::size_t pos_ = 0;
};

enum class Leitura { Linha, Vazia, Fim };

class LeitorLinhas {
 public:
  explicit LeitorLinhas(FonteBytes& fonte) : fonte_(fonte) {}

  // Linha: linha holds the line without its end. Vazia: an empty line was read, which counts as no
  // line. Fim: nothing was left to read.
  Leitura LeLinha(std::string& linha);

  // Number (from 1) of the last line read, empty ones included.
  long NumeroLinha() const { return numero_; }

  // Gives back the last line read (after a look-ahead): the next LeLinha returns it again, and the
  // line number is the one before it.
  void Devolve();

 private:
  Leitura LeDaFonte(std::string& linha);

  FonteBytes& fonte_;
  long numero_ = 0;
  long numero_anterior_ = 0;
  Leitura ultima_ = Leitura::Fim;
  std::string linha_ultima_;
  bool devolvida_ = false;
};

}  // namespace tarnel
