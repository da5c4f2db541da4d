// The emulator's file operations: whole-file reads, a replacement written through a temporary
// file and a rename, and appends at a committed length. Every write goes through a hook that tests
// use to stop a save half way, as a crash would.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ecf {

// The steps of a save where a crash can cut it short.
enum class EtapaGravacao {
  kAnexo,       // half of an append is on disk (a torn append)
  kTemporario,  // half of a temporary file is on disk
  kRenomeia,    // the temporary file is complete, the rename not done
};

// Called before each step completes; a hook that throws stops the save right there. Empty: none.
void DefineFalhaSimulada(std::function<void(EtapaGravacao)> falha);

bool LeArquivo(const std::string& caminho, std::string& bytes);
// At most `tamanho` bytes from `inicio` on; false when the file cannot be read there.
bool LeTrecho(const std::string& caminho, std::uint64_t inicio, std::size_t tamanho, std::string& bytes);
std::optional<std::uint64_t> TamanhoArquivo(const std::string& caminho);

// The whole file replaced: written to `temporario`, then renamed over `destino`.
bool GravaAtomico(const std::string& temporario, const std::string& destino, std::string_view bytes);
// Bytes written from `inicio` on, whatever the file held there or after (an uncommitted tail), so
// the file ends up exactly inicio + bytes.size() long. The file is created when missing.
bool GravaAPartirDe(const std::string& caminho, std::uint64_t inicio, std::string_view bytes);
bool Trunca(const std::string& caminho, std::uint64_t tamanho);
// The last-write time set to now, the contents left alone.
void Toca(const std::string& caminho);
// A file that cannot be trusted renamed aside for inspection, to "<caminho>.avariado", or
// ".avariado.2", ".3"... when an earlier one is there (it is kept too). Nothing when it is missing.
void GuardaAvariado(const std::string& caminho);

}  // namespace ecf
