// The command file's line reader: byte by byte, a line ends at a CR or an LF (a CR takes one more
// byte with it, the LF of a CR LF pair), a line is cut at 4096 bytes and the rest of it is skipped up
// to and including the next LF, and a last line may end at the end of the file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace tarnel {

constexpr std::size_t kTamanhoLinhaScript = 4096;

// Where the bytes come from: a file, or a text in memory (tests, the fuzzer).
class FonteBytes {
 public:
  virtual ~FonteBytes() = default;
  // The next byte (0..255), or -1 at the end.
  virtual int Le() = 0;
  virtual std::int64_t Posicao() const = 0;
  virtual void Volta(std::int64_t posicao) = 0;
};

class FonteArquivo : public FonteBytes {
 public:
  explicit FonteArquivo(std::FILE* arquivo) : arquivo_(arquivo) {}
  int Le() override;
  std::int64_t Posicao() const override;
  void Volta(std::int64_t posicao) override;

 private:
  std::FILE* arquivo_;
};

class FonteTexto : public FonteBytes {
 public:
  explicit FonteTexto(std::string_view texto) : texto_(texto) {}
  int Le() override { return pos_ < texto_.size() ? static_cast<unsigned char>(texto_[pos_++]) : -1; }
  std::int64_t Posicao() const override { return static_cast<std::int64_t>(pos_); }
  void Volta(std::int64_t posicao) override { pos_ = static_cast<std::size_t>(posicao); }

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

  // The place after the last line read, to come back to after a look-ahead.
  struct Marca {
    std::int64_t posicao;
    long numero;
  };
  Marca Posicao() const { return {fonte_.Posicao(), numero_}; }
  void Volta(const Marca& marca) {
    fonte_.Volta(marca.posicao);
    numero_ = marca.numero;
  }

 private:
  FonteBytes& fonte_;
  long numero_ = 0;
};

}  // namespace tarnel
