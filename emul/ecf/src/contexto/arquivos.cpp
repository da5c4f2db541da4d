#include "contexto/arquivos.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "compat/atomic_file.h"
#include "compat/file_part.h"
#include "compat/native_path.h"
#include "compat/whole_file.h"

namespace ecf {

namespace {

std::function<void(EtapaGravacao)>& Falha() {
  static std::function<void(EtapaGravacao)> falha;
  return falha;
}

void Etapa(EtapaGravacao etapa) {
  if (Falha()) Falha()(etapa);
}

// Writes the bytes in two halves with the hook between them, so a simulated crash leaves half.
bool EscreveEmDuasMetades(std::ostream& f, std::string_view bytes, EtapaGravacao etapa) {
  const std::size_t metade = bytes.size() / 2;
  f.write(bytes.data(), static_cast<std::streamsize>(metade));
  f.flush();
  Etapa(etapa);
  f.write(bytes.data() + metade, static_cast<std::streamsize>(bytes.size() - metade));
  f.flush();
  return static_cast<bool>(f);
}

}  // namespace

void DefineFalhaSimulada(std::function<void(EtapaGravacao)> falha) { Falha() = std::move(falha); }

bool LeArquivo(const std::string& caminho, std::string& bytes) {
  std::string motivo;
  return compat::read_file(caminho, bytes, motivo);  // a folder in the file's place is unreadable
}

bool LeTrecho(const std::string& caminho, std::uint64_t inicio, std::size_t tamanho, std::string& bytes) {
  return compat::read_file_part(caminho, inicio, tamanho, bytes);
}

std::optional<std::uint64_t> TamanhoArquivo(const std::string& caminho) {
  std::error_code erro;
  const std::uintmax_t tamanho = std::filesystem::file_size(compat::fs_path(caminho), erro);
  if (erro) return std::nullopt;
  return static_cast<std::uint64_t>(tamanho);
}

bool GravaAtomico(const std::string& temporario, const std::string& destino, std::string_view bytes) {
  compat::AtomicFile arquivo(destino, temporario);
  const std::size_t metade = bytes.size() / 2;
  if (!arquivo.write(bytes.substr(0, metade))) return false;
  Etapa(EtapaGravacao::kTemporario);
  if (!arquivo.write(bytes.substr(metade))) return false;
  Etapa(EtapaGravacao::kRenomeia);
  return arquivo.commit();
}

bool GravaAPartirDe(const std::string& caminho, std::uint64_t inicio, std::string_view bytes) {
  const std::optional<std::uint64_t> tamanho = TamanhoArquivo(caminho);
  if (tamanho.value_or(0) < inicio) return false;  // a hole would stand for committed bytes
  if (tamanho && *tamanho > inicio && !Trunca(caminho, inicio)) return false;
  std::ofstream f(compat::fs_path(caminho), std::ios::binary | std::ios::app);
  return f && EscreveEmDuasMetades(f, bytes, EtapaGravacao::kAnexo);
}

bool Trunca(const std::string& caminho, std::uint64_t tamanho) {
  std::error_code erro;
  std::filesystem::resize_file(compat::fs_path(caminho), tamanho, erro);
  return !erro;
}

void Toca(const std::string& caminho) {
  std::error_code erro;
  std::filesystem::last_write_time(compat::fs_path(caminho), std::filesystem::file_time_type::clock::now(), erro);
}

void GuardaAvariado(const std::string& caminho) {
  std::error_code erro;
  const std::filesystem::path origem = compat::fs_path(caminho);
  if (!std::filesystem::exists(origem, erro)) return;
  std::string destino = caminho + ".avariado";
  for (int n = 2; std::filesystem::exists(compat::fs_path(destino), erro) && n < 1000; ++n)
    destino = caminho + ".avariado." + std::to_string(n);
  std::filesystem::rename(origem, compat::fs_path(destino), erro);
}

}  // namespace ecf
