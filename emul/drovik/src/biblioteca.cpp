#include "biblioteca.h"

#include <cctype>

#include "compat/path.h"

namespace drovik {

namespace {

constexpr std::int32_t kCanalInvalido = -1;
constexpr std::int32_t kImpressoraIndisponivel = -2;

bool EhCanalEmulado(const std::string& canal) {
  static const char kEmul[] = "emul";
  if (canal.size() != sizeof kEmul - 1) return false;
  for (std::size_t i = 0; i < canal.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(canal[i])) != kEmul[i]) return false;
  return true;
}

}  // namespace

Biblioteca& Biblioteca::Instancia() {
  static Biblioteca biblioteca;
  return biblioteca;
}

std::int32_t Biblioteca::Abre(const std::string& canal) {
  if (!EhCanalEmulado(canal)) return kCanalInvalido;
  std::shared_ptr<ecf::Impressora> impressora = emulada_.lock();
  if (!impressora) impressora = ecf::Impressora::Abre(compat::current_folder(), 0);
  if (!impressora) return kImpressoraIndisponivel;
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
