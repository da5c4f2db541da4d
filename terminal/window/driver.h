// The driver library as Tarnel sees it: the 16 DROVIK operations with texts copied into strings.
// BibliotecaDrovik reaches the real library; tests put a scripted driver in its place.
#pragma once
#include <cstdint>
#include <string>

namespace tarnel {

class Driver {
 public:
  virtual ~Driver() = default;

  virtual std::int32_t IniciaDriver(const std::string& canal) = 0;
  virtual void EncerraDriver(std::int32_t handle) = 0;
  virtual void DefineTimeout(std::int32_t handle, std::int32_t segundos) = 0;
  virtual void LimpaParams(std::int32_t handle) = 0;
  virtual void AdicionaParam(std::int32_t handle, const std::string& nome, const std::string& valor,
                             std::uint8_t tipo) = 0;
  virtual std::string ListaParams(std::int32_t handle) = 0;
  // 0: nothing done and nothing to report.
  virtual std::int32_t ExecutaComando(std::int32_t handle, const std::string& comando) = 0;
  virtual std::int32_t ObtemCodErro(std::int32_t handle) = 0;
  virtual std::string ObtemNomeErro(std::int32_t handle) = 0;
  virtual std::string ObtemCircunstancia(std::int32_t handle) = 0;
  virtual std::string ObtemRetornos(std::int32_t handle) = 0;
  virtual std::int32_t TotalRetornos(std::int32_t handle) = 0;
  // Return number indice (from 1); a negative result means no return was given.
  virtual std::int32_t Retorno(std::int32_t handle, std::int32_t indice, std::string& nome, std::string& valor) = 0;
  // 0 with the reading command's name, or the library's negative refusal.
  virtual std::int32_t LeRegistrador(std::int32_t handle, const std::string& registrador, std::string& comando) = 0;
  virtual void SetaArquivoLog(const std::string& caminho) = 0;
  virtual std::string ObtemNomeLog() = 0;
};

}  // namespace tarnel
