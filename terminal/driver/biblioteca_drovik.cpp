#include "driver/biblioteca_drovik.h"

#include <cstdlib>

#include "compat/native_path.h"
#include "compat/path.h"
#include "drovik.h"

namespace tarnel {

namespace {

// The library's texts are copied at once; a null text counts as empty.
std::string Copia(const char* texto) { return texto ? std::string(texto) : std::string(); }

// A buffer the library fills, read back as text even if the library forgot the terminating zero.
template <std::size_t N>
std::string TextoDoBuffer(char (&buffer)[N]) {
  buffer[N - 1] = '\0';
  return std::string(buffer);
}

}  // namespace

std::string ArquivoBibliotecaDrovik() {
  if (const char* outro = std::getenv("TARNEL_DROVIK"); outro && *outro) return compat::text_path(std::string(outro));
#ifdef _WIN32
  return "DROVIK.DLL";
#else
  const std::string ao_lado = compat::executable_folder() + "libdrovik.so";
  return compat::file_exists(ao_lado) ? ao_lado : "libdrovik.so";
#endif
}

std::unique_ptr<BibliotecaDrovik> BibliotecaDrovik::Carrega(const std::string& arquivo) {
  compat::ModuleHandle modulo = compat::load_module(arquivo);
  if (!modulo) return nullptr;
  return std::unique_ptr<BibliotecaDrovik>(new BibliotecaDrovik(modulo));
}

BibliotecaDrovik::~BibliotecaDrovik() { compat::unload_module(modulo_); }

std::int32_t BibliotecaDrovik::IniciaDriver(const std::string& canal) {
  auto* f = Operacao<DROVIK_IniciaDriver_fn>("DROVIK_IniciaDriver");
  return f ? f(canal.c_str()) : -1;
}

void BibliotecaDrovik::EncerraDriver(std::int32_t handle) {
  if (auto* f = Operacao<DROVIK_EncerraDriver_fn>("DROVIK_EncerraDriver")) f(handle);
}

void BibliotecaDrovik::DefineTimeout(std::int32_t handle, std::int32_t segundos) {
  if (auto* f = Operacao<DROVIK_DefineTimeout_fn>("DROVIK_DefineTimeout")) f(handle, segundos);
}

void BibliotecaDrovik::LimpaParams(std::int32_t handle) {
  if (auto* f = Operacao<DROVIK_LimpaParams_fn>("DROVIK_LimpaParams")) f(handle);
}

void BibliotecaDrovik::AdicionaParam(std::int32_t handle, const std::string& nome, const std::string& valor,
                                     std::uint8_t tipo) {
  if (auto* f = Operacao<DROVIK_AdicionaParam_fn>("DROVIK_AdicionaParam")) f(handle, nome.c_str(), valor.c_str(), tipo);
}

std::string BibliotecaDrovik::ListaParams(std::int32_t handle) {
  auto* f = Operacao<DROVIK_ListaParams_fn>("DROVIK_ListaParams");
  return f ? Copia(f(handle, nullptr, 0)) : std::string();
}

std::int32_t BibliotecaDrovik::ExecutaComando(std::int32_t handle, const std::string& comando) {
  auto* f = Operacao<DROVIK_ExecutaComando_fn>("DROVIK_ExecutaComando");
  return f ? f(handle, comando.c_str()) : 0;
}

std::int32_t BibliotecaDrovik::ObtemCodErro(std::int32_t handle) {
  auto* f = Operacao<DROVIK_ObtemCodErro_fn>("DROVIK_ObtemCodErro");
  return f ? f(handle) : 0;
}

std::string BibliotecaDrovik::ObtemNomeErro(std::int32_t handle) {
  auto* f = Operacao<DROVIK_ObtemNomeErro_fn>("DROVIK_ObtemNomeErro");
  return f ? Copia(f(handle, nullptr, 0)) : std::string();
}

std::string BibliotecaDrovik::ObtemCircunstancia(std::int32_t handle) {
  auto* f = Operacao<DROVIK_ObtemCircunstancia_fn>("DROVIK_ObtemCircunstancia");
  return f ? Copia(f(handle, nullptr, 0)) : std::string();
}

std::string BibliotecaDrovik::ObtemRetornos(std::int32_t handle) {
  auto* f = Operacao<DROVIK_ObtemRetornos_fn>("DROVIK_ObtemRetornos");
  return f ? Copia(f(handle, nullptr, 0)) : std::string();
}

std::int32_t BibliotecaDrovik::TotalRetornos(std::int32_t handle) {
  auto* f = Operacao<DROVIK_TotalRetornos_fn>("DROVIK_TotalRetornos");
  return f ? f(handle) : 0;
}

std::int32_t BibliotecaDrovik::Retorno(std::int32_t handle, std::int32_t indice, std::string& nome,
                                       std::string& valor) {
  auto* f = Operacao<DROVIK_Retorno_fn>("DROVIK_Retorno");
  if (!f) return -1;
  char buffer_nome[DROVIK_TAMANHO_NOME_RETORNO] = {};
  char buffer_valor[DROVIK_TAMANHO_VALOR_RETORNO] = {};
  const std::int32_t resultado =
      f(handle, indice, buffer_nome, sizeof buffer_nome, buffer_valor, sizeof buffer_valor);
  nome = TextoDoBuffer(buffer_nome);
  valor = TextoDoBuffer(buffer_valor);
  return resultado;
}

std::int32_t BibliotecaDrovik::LeRegistrador(std::int32_t handle, const std::string& registrador,
                                             std::string& comando) {
  auto* f = Operacao<DROVIK_LeRegistrador_fn>("DROVIK_LeRegistrador");
  if (!f) return DROVIK_REGISTRADOR_FALHA;
  char buffer[DROVIK_TAMANHO_COMANDO_REGISTRADOR] = {};
  const std::int32_t resultado = f(handle, registrador.c_str(), buffer, sizeof buffer);
  comando = TextoDoBuffer(buffer);
  return resultado;
}

void BibliotecaDrovik::SetaArquivoLog(const std::string& caminho) {
  if (auto* f = Operacao<DROVIK_SetaArquivoLog_fn>("DROVIK_SetaArquivoLog")) f(caminho.c_str());
}

std::string BibliotecaDrovik::ObtemNomeLog() {
  auto* f = Operacao<DROVIK_ObtemNomeLog_fn>("DROVIK_ObtemNomeLog");
  if (!f) return std::string();
  char buffer[DROVIK_TAMANHO_NOME_LOG] = {};
  f(buffer, sizeof buffer);
  return TextoDoBuffer(buffer);
}

}  // namespace tarnel
