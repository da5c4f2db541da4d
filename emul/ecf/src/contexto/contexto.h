// The context file rasc<n>.bin: the printer's state with a version and a CRC (what grows, the
// memories, lives in files beside it that the output's part names), and the emulator's own copy of
// the last good file, kept under a name that does not match rasc*.bin, from which a damaged context
// file is rewritten byte for byte.
#pragma once
#include <string>

#include "fiscal/estado.h"

namespace ecf {

// Version 3 keeps the memories in their own files; version 2 files (memories inside) are read.
constexpr std::uint16_t kVersaoContexto = 3;
constexpr std::uint16_t kVersaoContextoAnterior = 2;

// File bytes for a state and the output's own part; the same state always gives the same bytes.
std::string CodificaContexto(const Estado& estado, const std::string& saida);
// The same in two steps: the fiscal state's bytes (cheap to compare after a command), then the file.
std::string CodificaEstado(const Estado& estado);
std::string MontaContexto(const std::string& estado, const std::string& saida);
// false when the bytes are not an intact context of this version, or hold amounts beyond the
// totalizers' capacity (capacidade.h).
bool DecodificaContexto(const std::string& bytes, Estado& estado, std::string& saida);

class ArquivoDeContexto {
 public:
  ArquivoDeContexto(const std::string& pasta, int numero);

  const std::string& Caminho() const { return caminho_; }
  const std::string& CaminhoCopia() const { return copia_; }
  // pasta/rasc<n>: what the files beside the context are named from.
  const std::string& BaseArquivos() const { return base_; }
  // pasta/bobina<n>.txt: the paper roll (a name that does not match rasc*.bin).
  const std::string& CaminhoBobina() const { return bobina_; }
  // pasta/.rasc<n>.lock: held while a program has the printer open.
  const std::string& CaminhoTrava() const { return trava_; }

  enum class Origem { kNovo, kArquivo, kCopia };
  // Finds the last good context: the file itself (then only touched, and the copy brought in line
  // with it), or, when it is damaged or missing, the copy, which is then written back under the
  // context name. A damaged file with no good copy is kept aside as rasc<n>.bin.avariado. kNovo:
  // no good context anywhere (bytes left empty).
  Origem Carrega(std::string& bytes, Estado& estado, std::string& saida);

  // Writes the context file through a temporary file and a rename: a crash leaves the old file
  // or the new one, never a damaged one.
  bool Grava(const std::string& bytes);
  // The copy is needed only when the file gets damaged from outside, which happens while the
  // printer is closed (the context check of a command-file replay damages it between a close and
  // an open): it is written when the printer closes, and brought in line on opening after a
  // crash.
  bool GuardaCopia(const std::string& bytes);

 private:
  std::string pasta_;
  std::string base_;
  std::string caminho_;
  std::string copia_;
  std::string temporario_;
  std::string bobina_;
  std::string trava_;
};

}  // namespace ecf
