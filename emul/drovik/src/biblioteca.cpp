#include "biblioteca.h"

#include <cstdio>

#include "compat/cp1252.h"
#include "compat/path.h"
#include "quorbal/canal_emulado.h"

namespace drovik {

namespace {

constexpr std::int32_t kCanalInvalido = -1;
constexpr std::int32_t kImpressoraIndisponivel = -2;

}  // namespace

Biblioteca& Biblioteca::Instancia() {
  static Biblioteca biblioteca;
  return biblioteca;
}

std::int32_t Biblioteca::Abre(const std::string& canal) {
  if (!quorbal::EhCanalEmulado(canal)) return kCanalInvalido;
  std::shared_ptr<ecf::Impressora> impressora = emulada_.lock();
  if (!impressora) {
    std::string motivo;
    impressora = ecf::Impressora::Abre(compat::current_folder(), quorbal::kNumeroImpressoraEmulada, &motivo);
    if (!impressora) {
      // The contract has no way to tell why; a person at a console sees it here.
      std::fprintf(stderr, "DROVIK: %s\n", compat::cp1252_to_utf8(motivo).c_str());
      return kImpressoraIndisponivel;
    }
  }
  emulada_ = impressora;
  const std::int32_t handle = proximo_handle_++;
  sessoes_[handle] = std::make_unique<Sessao>(std::move(impressora));
  return handle;
}

bool Biblioteca::Encerra(std::int32_t handle) { return sessoes_.erase(handle) > 0; }

Sessao* Biblioteca::Procura(std::int32_t handle) {
  auto achada = sessoes_.find(handle);
  return achada == sessoes_.end() ? nullptr : achada->second.get();
}

}  // namespace drovik
