// Where the settings live: one key of the per-user registry (file-backed off Windows). Tests put a
// recording store in its place. Results are the registry's error codes (compat::RegistryError).
#pragma once
#include <cstdint>
#include <string>

#include "compat/registry.h"

namespace tarnel {

class ArmazemConfiguracao {
 public:
  virtual ~ArmazemConfiguracao() = default;

  // Opens the key, creating every missing level.
  virtual long Abre(const std::string& chave) = 0;
  virtual long LeInteiro(const std::string& nome, std::uint32_t& valor) = 0;
  virtual long LeTexto(const std::string& nome, std::string& valor) = 0;
  virtual long EscreveInteiro(const std::string& nome, std::uint32_t valor) = 0;
  virtual long EscreveTexto(const std::string& nome, const std::string& valor) = 0;
  virtual long Fecha() = 0;
};

// The key under HKEY_CURRENT_USER.
class ArmazemRegistro : public ArmazemConfiguracao {
 public:
  long Abre(const std::string& chave) override;
  long LeInteiro(const std::string& nome, std::uint32_t& valor) override;
  long LeTexto(const std::string& nome, std::string& valor) override;
  long EscreveInteiro(const std::string& nome, std::uint32_t valor) override;
  long EscreveTexto(const std::string& nome, const std::string& valor) override;
  long Fecha() override;

 private:
  compat::RegistryKey chave_;
};

}  // namespace tarnel
