// The built stand-in library loaded with the real dynamic loader, every operation resolved by name.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>

#include "compat/module.h"
#include "drovik.h"
#include "test_support/temp_folder.h"

class DrovikCarregado : public ::testing::Test {
 public:
  void SetUp() override {
    modulo_ = compat::load_module(DROVIK_ARQUIVO);
    ASSERT_NE(modulo_, nullptr) << compat::last_module_error();
    Resolve(IniciaDriver, "DROVIK_IniciaDriver");
    Resolve(EncerraDriver, "DROVIK_EncerraDriver");
    Resolve(DefineTimeout, "DROVIK_DefineTimeout");
    Resolve(LimpaParams, "DROVIK_LimpaParams");
    Resolve(AdicionaParam, "DROVIK_AdicionaParam");
    Resolve(ListaParams, "DROVIK_ListaParams");
    Resolve(ExecutaComando, "DROVIK_ExecutaComando");
    Resolve(ObtemCodErro, "DROVIK_ObtemCodErro");
    Resolve(ObtemNomeErro, "DROVIK_ObtemNomeErro");
    Resolve(ObtemCircunstancia, "DROVIK_ObtemCircunstancia");
    Resolve(ObtemRetornos, "DROVIK_ObtemRetornos");
    Resolve(TotalRetornos, "DROVIK_TotalRetornos");
    Resolve(Retorno, "DROVIK_Retorno");
    Resolve(LeRegistrador, "DROVIK_LeRegistrador");
    Resolve(SetaArquivoLog, "DROVIK_SetaArquivoLog");
    Resolve(ObtemNomeLog, "DROVIK_ObtemNomeLog");
  }

  void TearDown() override {
    // The library stays loaded between tests of one process: leave it as it was found.
    if (handle_ >= 0 && EncerraDriver) EncerraDriver(handle_);
    if (SetaArquivoLog) SetaArquivoLog("");
    if (modulo_) compat::unload_module(modulo_);
  }

  // Opens the emulated printer once for the test.
  std::int32_t Handle() {
    if (handle_ < 0) handle_ = IniciaDriver("Emul");
    return handle_;
  }

  // Fills the parameters and executes; returns ExecutaComando's result.
  std::int32_t Executa(const std::string& comando,
                       std::initializer_list<std::tuple<const char*, const char*, int>> parametros = {}) {
    const std::int32_t h = Handle();
    LimpaParams(h);
    for (const auto& [nome, valor, tipo] : parametros) AdicionaParam(h, nome, valor, tipo);
    return ExecutaComando(h, comando.c_str());
  }

  DROVIK_IniciaDriver_fn* IniciaDriver = nullptr;
  DROVIK_EncerraDriver_fn* EncerraDriver = nullptr;
  DROVIK_DefineTimeout_fn* DefineTimeout = nullptr;
  DROVIK_LimpaParams_fn* LimpaParams = nullptr;
  DROVIK_AdicionaParam_fn* AdicionaParam = nullptr;
  DROVIK_ListaParams_fn* ListaParams = nullptr;
  DROVIK_ExecutaComando_fn* ExecutaComando = nullptr;
  DROVIK_ObtemCodErro_fn* ObtemCodErro = nullptr;
  DROVIK_ObtemNomeErro_fn* ObtemNomeErro = nullptr;
  DROVIK_ObtemCircunstancia_fn* ObtemCircunstancia = nullptr;
  DROVIK_ObtemRetornos_fn* ObtemRetornos = nullptr;
  DROVIK_TotalRetornos_fn* TotalRetornos = nullptr;
  DROVIK_Retorno_fn* Retorno = nullptr;
  DROVIK_LeRegistrador_fn* LeRegistrador = nullptr;
  DROVIK_SetaArquivoLog_fn* SetaArquivoLog = nullptr;
  DROVIK_ObtemNomeLog_fn* ObtemNomeLog = nullptr;

  // The emulated printer writes its context file into the current folder.
  test_support::TempFolder pasta_{"tarnel-test",
                                  test_support::TempFolder::enter | test_support::TempFolder::user_folders};

 private:
  template <typename Funcao>
  void Resolve(Funcao*& funcao, const char* nome) {
    funcao = compat::resolve<Funcao*>(modulo_, nome);
    ASSERT_NE(funcao, nullptr) << nome;
  }

  compat::ModuleHandle modulo_ = nullptr;
  std::int32_t handle_ = -1;
};
