// The DROVIK driver library loaded at run time. Each operation is resolved by its export name just
// before each call; an operation the library does not export gives a neutral result (nothing done,
// empty text, no returns) instead of failing.
#pragma once
#include <memory>
#include <string>

#include "compat/module.h"
#include "window/driver.h"

namespace tarnel {

// The file to load: $TARNEL_DROVIK when set; otherwise "DROVIK.DLL" on Windows, and elsewhere
// libdrovik.so next to the executable when it is there, else the bare name for the system's search.
std::string ArquivoBibliotecaDrovik();

class BibliotecaDrovik : public Driver {
 public:
  // Null when the library cannot be loaded.
  static std::unique_ptr<BibliotecaDrovik> Carrega(const std::string& arquivo = ArquivoBibliotecaDrovik());
  ~BibliotecaDrovik() override;
  BibliotecaDrovik(const BibliotecaDrovik&) = delete;
  BibliotecaDrovik& operator=(const BibliotecaDrovik&) = delete;

  std::int32_t IniciaDriver(const std::string& canal) override;
  void EncerraDriver(std::int32_t handle) override;
  void DefineTimeout(std::int32_t handle, std::int32_t segundos) override;
  void LimpaParams(std::int32_t handle) override;
  void AdicionaParam(std::int32_t handle, const std::string& nome, const std::string& valor,
                     std::uint8_t tipo) override;
  std::string ListaParams(std::int32_t handle) override;
  std::int32_t ExecutaComando(std::int32_t handle, const std::string& comando) override;
  std::int32_t ObtemCodErro(std::int32_t handle) override;
  std::string ObtemNomeErro(std::int32_t handle) override;
  std::string ObtemCircunstancia(std::int32_t handle) override;
  std::string ObtemRetornos(std::int32_t handle) override;
  std::int32_t TotalRetornos(std::int32_t handle) override;
  std::int32_t Retorno(std::int32_t handle, std::int32_t indice, std::string& nome, std::string& valor) override;
  std::int32_t LeRegistrador(std::int32_t handle, const std::string& registrador, std::string& comando) override;
  void SetaArquivoLog(const std::string& caminho) override;
  std::string ObtemNomeLog() override;

 private:
  explicit BibliotecaDrovik(compat::ModuleHandle modulo) : modulo_(modulo) {}
  template <typename Funcao>
  Funcao* Operacao(const char* nome) const {
    return compat::resolve<Funcao*>(modulo_, nome);
  }

  compat::ModuleHandle modulo_;
};

}  // namespace tarnel
