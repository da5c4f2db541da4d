// A file beside the context file that only grows (a memory, a reading spooled for the host). The
// context records its generation and how many of its bytes are committed: bytes past that are
// the torn rest of a save cut short, and are cut back when the printer opens. Starting afresh
// (a new detail memory, a new reading) takes the next generation, a file of another name, so the
// file the saved context still names is never touched before a context naming the new one is
// written.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "contexto/codificacao.h"

namespace ecf {

class ArquivoCrescente {
 public:
  // Files base-<generation>.extensao; base empty: no file (the bytes are not kept).
  ArquivoCrescente(std::string base, std::string extensao) : base_(std::move(base)), extensao_(std::move(extensao)) {}

  std::string Caminho() const { return CaminhoDa(geracao_); }
  bool Guardado() const { return !base_.empty(); }
  std::uint64_t Confirmados() const { return confirmados_; }

  // On opening: cuts an uncommitted tail and removes the previous generation's file. false when
  // the file holds fewer bytes than were committed (it was damaged or cut outside the emulator).
  bool Ajusta();
  // Appends at the committed length; the bytes count as committed for the next context.
  bool Acrescenta(std::string_view bytes);
  // The next generation, empty. The file of the one before is removed by Descarta once a context
  // naming the new one is written.
  void Recomeca();
  void Descarta();
  // Committed bytes from `inicio` on, at most `tamanho`.
  bool Le(std::uint64_t inicio, std::size_t tamanho, std::string& bytes) const;
  // Renames the file in use to <name>.avariado, so that a fresh start does not overwrite it.
  void PoeDeLado() const;

  // The generation and the committed length, for the context.
  void Serializa(Escritor& saida) const;
  bool Desserializa(Leitor& entrada);

 private:
  std::string CaminhoDa(std::uint32_t geracao) const;
  std::string base_;
  std::string extensao_;
  std::uint32_t geracao_ = 0;
  std::uint64_t confirmados_ = 0;
  bool anterior_pendente_ = false;
};

}  // namespace ecf
