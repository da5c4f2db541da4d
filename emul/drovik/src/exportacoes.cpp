// The 16 exported operations: argument checks and copies at the C boundary, the work in Sessao.
#include <mutex>
#include <string>

#include "biblioteca.h"
#include "drovik.h"
#include "texto_c.h"

using drovik::Biblioteca;
using drovik::CopiaParaBuffer;
using drovik::Sessao;
using drovik::TextoDe;

namespace {

constexpr std::int32_t kHandleInvalido = -1;
constexpr std::int32_t kArgumentoInvalido = -2;

const char kTextoVazio[] = "";

using Trava = std::lock_guard<std::mutex>;

// A text result: the library's own text, also copied into the caller's buffer when one is given.
const char* EntregaTexto(const std::string& texto, char* buffer, std::int32_t tamanho) {
  if (buffer && tamanho > 0) {
    CopiaParaBuffer(texto, buffer, tamanho);
    return buffer;
  }
  return texto.c_str();
}

const char* EntregaVazio(char* buffer, std::int32_t tamanho) {
  return buffer && tamanho > 0 ? (buffer[0] = '\0', buffer) : kTextoVazio;
}

}  // namespace

extern "C" {

std::int32_t DROVIK_CALL DROVIK_IniciaDriver(const char* canal) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  return b.Abre(TextoDe(canal));
}

std::int32_t DROVIK_CALL DROVIK_EncerraDriver(std::int32_t handle) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  return b.Encerra(handle) ? 0 : kHandleInvalido;
}

std::int32_t DROVIK_CALL DROVIK_DefineTimeout(std::int32_t handle, std::int32_t segundos) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  if (!s) return kHandleInvalido;
  s->DefineTimeout(segundos);
  return 0;
}

std::int32_t DROVIK_CALL DROVIK_LimpaParams(std::int32_t handle) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  if (!s) return kHandleInvalido;
  s->LimpaParams();
  return 0;
}

std::int32_t DROVIK_CALL DROVIK_AdicionaParam(std::int32_t handle, const char* nome, const char* valor,
                                              std::int32_t tipo) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  if (!s) return kHandleInvalido;
  if (!nome || !s->AdicionaParam(nome, TextoDe(valor), tipo)) return kArgumentoInvalido;
  return s->TotalParams();
}

const char* DROVIK_CALL DROVIK_ListaParams(std::int32_t handle, char* buffer, std::int32_t tamanho) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  return s ? EntregaTexto(s->ListaParams(), buffer, tamanho) : EntregaVazio(buffer, tamanho);
}

std::int32_t DROVIK_CALL DROVIK_ExecutaComando(std::int32_t handle, const char* comando) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  return s ? s->ExecutaComando(TextoDe(comando), b.Log()) : 0;
}

std::int32_t DROVIK_CALL DROVIK_ObtemCodErro(std::int32_t handle) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  return s ? s->CodErro() : kHandleInvalido;
}

const char* DROVIK_CALL DROVIK_ObtemNomeErro(std::int32_t handle, char* buffer, std::int32_t tamanho) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  return s ? EntregaTexto(s->NomeErro(), buffer, tamanho) : EntregaVazio(buffer, tamanho);
}

const char* DROVIK_CALL DROVIK_ObtemCircunstancia(std::int32_t handle, char* buffer, std::int32_t tamanho) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  return s ? EntregaTexto(s->Circunstancia(), buffer, tamanho) : EntregaVazio(buffer, tamanho);
}

const char* DROVIK_CALL DROVIK_ObtemRetornos(std::int32_t handle, char* buffer, std::int32_t tamanho) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  return s ? EntregaTexto(s->Retornos(), buffer, tamanho) : EntregaVazio(buffer, tamanho);
}

std::int32_t DROVIK_CALL DROVIK_TotalRetornos(std::int32_t handle) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  return s ? static_cast<std::int32_t>(s->ListaRetornos().size()) : 0;
}

std::int32_t DROVIK_CALL DROVIK_Retorno(std::int32_t handle, std::int32_t indice, char* nome,
                                        std::int32_t tamanho_nome, char* valor, std::int32_t tamanho_valor) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  Sessao* s = b.Procura(handle);
  if (!s) return kHandleInvalido;
  const auto& retornos = s->ListaRetornos();
  if (indice < 1 || static_cast<std::size_t>(indice) > retornos.size()) return kArgumentoInvalido;
  const quorbal::Item& item = retornos[static_cast<std::size_t>(indice) - 1];
  CopiaParaBuffer(item.nome, nome, tamanho_nome);
  CopiaParaBuffer(item.valor, valor, tamanho_valor);
  return item.tipo;
}

std::int32_t DROVIK_CALL DROVIK_LeRegistrador(std::int32_t handle, const char* registrador, char* comando,
                                              std::int32_t tamanho) {
  // Which command reads a register is the protocol's knowledge, not the printer's: the answer needs
  // no open channel, so that the terminal can prepare a reading while disconnected.
  (void)handle;
  if (!comando || tamanho < 1) return DROVIK_REGISTRADOR_FALHA;
  std::string nome_comando;
  const auto resultado = ecf::ComandoDeLeitura(TextoDe(registrador), nome_comando);
  if (resultado != ecf::LeituraRegistrador::kComando) {
    comando[0] = '\0';
    return static_cast<std::int32_t>(resultado);
  }
  // A name that does not fit is refused rather than handed out cut.
  if (nome_comando.size() >= static_cast<std::size_t>(tamanho)) return DROVIK_REGISTRADOR_FALHA;
  CopiaParaBuffer(nome_comando, comando, tamanho);
  return DROVIK_REGISTRADOR_OK;
}

std::int32_t DROVIK_CALL DROVIK_SetaArquivoLog(const char* caminho) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  b.Log().Define(TextoDe(caminho));
  return 0;
}

std::int32_t DROVIK_CALL DROVIK_ObtemNomeLog(char* buffer, std::int32_t tamanho) {
  Biblioteca& b = Biblioteca::Instancia();
  Trava trava(b.Trava());
  return CopiaParaBuffer(b.Log().Caminho(), buffer, tamanho);
}

}  // extern "C"
