// Start, end and the settings that frame nothing.
#include <climits>
#include <cstdio>
#include <cstring>

#include "codificacao.h"
#include "estado.h"
#include "fornecedor.h"
#include "log/log.h"
#include "log/registro_config.h"
#include "lugares/lugares.h"
#include "operacoes.h"
#include "troca.h"

namespace plenvo {
namespace {

constexpr const char* kGrupo = "KVT Automação Comercial";
constexpr const char* kProduto = "DLL Vardex 32 bits";
constexpr const char* kVersao = "V4.03";
constexpr const char* kValorLog = "Gerar Log";

void DescarregaFornecedor() {
  Estado& estado = Plenvo();
  if (estado.fornecedor != nullptr) compat::unload_module(estado.fornecedor);
  estado.fornecedor = nullptr;
}

void RegistraDispositivo(const char* rotulo, const char* extra) {
  char texto[128];
  std::snprintf(texto, sizeof texto, "Dispositivo %s%s", Plenvo().dispositivo, extra);
  RegistraEntrada(rotulo, texto);
}

}  // namespace

int InicializaDLL(const char* dispositivo) {
  Estado& estado = Plenvo();
  if (estado.inicializada) return kJaInicializada;
  if (dispositivo == nullptr || std::strlen(dispositivo) >= sizeof estado.dispositivo) return kGrandeDemais;

  char valor[10] = {};
  estado.log_ativo = RegistroConfig(kGrupo, kProduto, kVersao, kValorLog, valor, "0", sizeof valor, kLeRegistro) &&
                     valor[0] == '1';
  std::strcpy(estado.dispositivo, dispositivo);

  estado.fornecedor = CarregaFornecedor();
  int resposta = SULVANIR_CONEXAO_SERIAL_CURTA;
  if (estado.fornecedor != nullptr) {
    resposta = FiscalConnection(estado.fornecedor)(estado.dispositivo);
    if (estado.log_ativo) RegistraTexto("\nFiscalConnection: Retorno = %d", resposta);
  }
  if (resposta == SULVANIR_CONEXAO_RECUSADA) {
    DescarregaFornecedor();
    return RegistraErroDll(kCtsRecusado);
  }
  estado.modo_fornecedor =
      resposta == SULVANIR_CONEXAO_FORNECEDOR_1 || resposta == SULVANIR_CONEXAO_FORNECEDOR_3;
  if (!estado.modo_fornecedor) {
    if (resposta == SULVANIR_CONEXAO_SERIAL_CURTA && !NomeEhCaminho(estado.dispositivo)) estado.dispositivo[4] = '\0';
    if (!estado.linha.Abre(estado.dispositivo, kBaud, kLimiteLinha, kLimiteLinha) || !estado.linha.Fecha()) {
      const int resultado = FalhaDaLinha();
      DescarregaFornecedor();
      return resultado;
    }
  }
  if (estado.log_ativo) RegistraDispositivo("ecf_InicializaDLL", "");
  estado.inicializada = true;
  return kSucesso;
}

int FinalizaDLL() {
  Estado& estado = Plenvo();
  if (!estado.inicializada) return kNaoInicializada;
  const bool tinha_fornecedor = estado.fornecedor != nullptr;
  int fecha_porta = 0;
  if (tinha_fornecedor) {
    fecha_porta = FechaPorta(estado.fornecedor)();
    DescarregaFornecedor();
  }
  if (estado.linha.Aberta()) estado.linha.Fecha();
  if (estado.log_ativo) {
    char extra[40] = "";
    if (tinha_fornecedor) std::snprintf(extra, sizeof extra, "\nFechaPorta = %d", fecha_porta);
    RegistraDispositivo("ecf_FinalizaDLL", extra);
  }
  char valor[2] = {estado.log_ativo ? '1' : '0', '\0'};
  RegistroConfig(kGrupo, kProduto, kVersao, kValorLog, valor, valor, sizeof valor, kGravaRegistro);
  estado.inicializada = false;
  estado.modo_fornecedor = false;
  return kSucesso;
}

int VersaoDLL(char* texto) {
  if (texto == nullptr) return 0;
  return std::sprintf(texto, "%s - %s", kProduto, kVersao);
}

void LogSerial(const char* ativo) {
  if (ativo != nullptr) Plenvo().log_ativo = ativo[0] == '1';
}

int ProximoTimeout(const char* segundos) {
  if (segundos == nullptr) return 0;
  // The serial line counts a read time-out in int milliseconds; a negative wait means nothing.
  constexpr long kMaximo = INT_MAX / 1000;
  const long valor = LeInteiro(segundos);
  const int limitado = valor > kMaximo ? static_cast<int>(kMaximo) : (valor < 0 ? 0 : static_cast<int>(valor));
  Plenvo().proximo_timeout = limitado;
  return limitado;
}

}  // namespace plenvo
