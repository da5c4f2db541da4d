// Nothing on the exchange path allocates, the log included: the C library's allocator is counted
// on the calling thread while Plenvo exchanges frames with the log on. Not under the address
// sanitizer, which owns the allocator.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ambiente.h"
#include "plenvo.h"
#include "serialsim/simulador.h"

#if defined(__SANITIZE_ADDRESS__)
#define PLENVO_SEM_CONTAGEM 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PLENVO_SEM_CONTAGEM 1
#endif
#endif

#ifndef PLENVO_SEM_CONTAGEM
namespace {
thread_local bool contando = false;
thread_local long alocacoes = 0;
}  // namespace

extern "C" {
void* __libc_malloc(std::size_t tamanho);
void* __libc_calloc(std::size_t quantos, std::size_t tamanho);
void* __libc_realloc(void* bloco, std::size_t tamanho);

// The program's own definitions take the place of the C library's for every caller.
void* malloc(std::size_t tamanho) {
  if (contando) ++alocacoes;
  return __libc_malloc(tamanho);
}
void* calloc(std::size_t quantos, std::size_t tamanho) {
  if (contando) ++alocacoes;
  return __libc_calloc(quantos, tamanho);
}
void* realloc(void* bloco, std::size_t tamanho) {
  if (contando) ++alocacoes;
  return __libc_realloc(bloco, tamanho);
}
}
#endif

namespace plenvo::teste {
namespace {

class Alocacoes : public ComSimulador {};

TEST_F(Alocacoes, TrocasComOLogLigadoNaoAlocam) {
#ifdef PLENVO_SEM_CONTAGEM
  GTEST_SKIP() << "the address sanitizer owns the allocator";
#else
  Inicializa();
  ecf_LogSerial("1");
  ASSERT_EQ(ecf_EstadoImpressora(), 33);  // the day's log file exists from here on
  alocacoes = 0;
  contando = true;
  const int venda = ecf_VendaItem("1", "Pao", "1000", "150", "T1", "UN", "I");
  const int estado = ecf_EstadoImpressora();
  const int sensor = ecf_LeSensor("1");
  contando = false;
  EXPECT_EQ(venda, 33);
  EXPECT_EQ(estado, 33);
  EXPECT_EQ(sensor, 33);
  EXPECT_EQ(alocacoes, 0);
  EXPECT_EQ(Quadros().size(), 4u);
  EXPECT_NE(Log().find("\r\nTX ["), std::string::npos);

  // The count sees what an entry through the C library's buffered streams would cost.
  contando = true;
  std::FILE* arquivo = std::fopen(ArquivoLog().c_str(), "a");
  ASSERT_NE(arquivo, nullptr);
  std::fclose(arquivo);
  contando = false;
  EXPECT_GT(alocacoes, 0);

  // A device path too long for a string's inner buffer (a port mapped to a long name) costs none
  // either: the line is opened for every exchange.
  ASSERT_EQ(ecf_FinalizaDLL(), 33);
  const std::string longo = Pasta("porta-com-um-nome-bem-mais-comprido-que-o-buffer");
  std::filesystem::create_symlink(Caminho(), longo);
  pasta_->set_env("PLENVO_COM1", longo);
  ASSERT_EQ(ecf_InicializaDLL("COM1"), 33);
  ASSERT_EQ(ecf_EstadoImpressora(), 33);
  alocacoes = 0;
  contando = true;
  const int pelo_caminho_longo = ecf_EstadoImpressora();
  contando = false;
  EXPECT_EQ(pelo_caminho_longo, 33);
  EXPECT_EQ(alocacoes, 0);
#endif
}

}  // namespace
}  // namespace plenvo::teste
