#include "troca.h"

#include <cstdio>
#include <cstring>

#include "estado.h"
#include "fornecedor.h"
#include "log/log.h"

namespace plenvo {
namespace {

constexpr int kMapaLinha[] = {
    kOutroErroLinha,  // 0
    5, 1, 3, 4, 12, 7, 8, 6, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19,
};

Desfecho Exito(const LinhaTabela& linha, int recebidos) {
  Estado& estado = Plenvo();
  if (estado.log_ativo) RegistraEntrada("RX", estado.resposta, static_cast<std::size_t>(recebidos));
  if (!estado.modo_fornecedor && linha.fecha) estado.linha.Fecha();
  const bool registrador = std::strcmp(linha.numero, "04") == 0;
  return {registrador ? static_cast<int>(kSucesso) : estado.resposta[0], true, recebidos};
}

Desfecho TrocaFornecedor(const LinhaTabela& linha, int tamanho_tx, int timeout) {
  Estado& estado = Plenvo();
  SULVANIR_ProcessFiscalCmd_fn* const processa = ProcessFiscalCmd(estado.fornecedor);
  if (processa == nullptr) return {kSemArquivo, false, 0};
  const int flag = (std::strcmp(linha.numero, "16") == 0 && tamanho_tx == 22) ? 1 : 0;
  int recebidos = linha.tamanho_resposta;
  const int retorno = processa(reinterpret_cast<const char*>(estado.quadro), tamanho_tx,
                               reinterpret_cast<char*>(estado.resposta), &recebidos, timeout, flag);
  if (recebidos < 0) recebidos = 0;
  if (recebidos > kTamanhoResposta - 1) recebidos = kTamanhoResposta - 1;
  estado.resposta[recebidos] = '\0';
  if (FalhaDeComunicacao(retorno)) return {RegistraErroDll(kErroTransmissao), true, 0};
  if (retorno == SULVANIR_NADA_RECEBIDO) return {RegistraErroDll(kRespostaIncompleta), true, 0};
  // A reply shorter than awaited is incomplete, as on the serial line: never read stale bytes.
  if (recebidos < linha.tamanho_resposta) return {RegistraErroDll(kRespostaIncompleta), true, recebidos};
  return Exito(linha, recebidos);
}

Desfecho TrocaSerial(const LinhaTabela& linha, int tamanho_tx, int timeout) {
  LinhaSerial& serial = Plenvo().linha;
  serial.Purga(kAmbasFilas);
  int escritos = 0;
  bool transmitido = serial.Envia(Plenvo().quadro, tamanho_tx, &escritos, linha.cts);
  int lidos = 0;
  const bool recebido = transmitido && serial.Recebe(Plenvo().resposta, linha.tamanho_resposta, &lidos, timeout);
  Plenvo().resposta[lidos] = '\0';
  if (recebido) return Exito(linha, lidos);
  const int resultado = FalhaDaLinha();
  serial.Purga(kAmbasFilas);
  if (linha.fecha) serial.Fecha();
  return {resultado, transmitido, lidos};
}

}  // namespace

int MapeiaErroLinha(int status) {
  if (status <= 0 || status >= static_cast<int>(sizeof kMapaLinha / sizeof kMapaLinha[0])) return kOutroErroLinha;
  return kMapaLinha[status];
}

int RegistraErroDll(int resultado) {
  if (Plenvo().log_ativo) {
    char texto[24];
    std::snprintf(texto, sizeof texto, "%ld", static_cast<long>(resultado));
    RegistraEntrada("Erro DLL", texto);
  }
  return resultado;
}

int FalhaDaLinha() { return RegistraErroDll(MapeiaErroLinha(Plenvo().linha.UltimoErro())); }

void RegistraSeAtivo(const char* rotulo, const void* dados, std::size_t tamanho) {
  if (Plenvo().log_ativo) RegistraEntrada(rotulo, dados, tamanho);
}

void FechaLinhaSerial() {
  Estado& estado = Plenvo();
  if (!estado.modo_fornecedor && estado.linha.Aberta()) estado.linha.Fecha();
}

int PreparaEnvio(const LinhaTabela& linha, int tamanho_tx) {
  Estado& estado = Plenvo();
  std::memcpy(estado.resposta, estado.quadro, static_cast<std::size_t>(tamanho_tx));
  RegistraSeAtivo("TX", estado.resposta, static_cast<std::size_t>(tamanho_tx));
  const int timeout = estado.proximo_timeout != 0 ? estado.proximo_timeout : linha.timeout;
  estado.proximo_timeout = 0;
  return timeout;
}

Desfecho Troca(const LinhaTabela& linha, int tamanho_tx) {
  Estado& estado = Plenvo();
  if (!estado.inicializada) return {kNaoInicializada, false, 0};
  if (!estado.modo_fornecedor && !estado.linha.Abre(estado.dispositivo, kBaud, kLimiteLinha, kLimiteLinha))
    return {FalhaDaLinha(), false, 0};
  const int timeout = PreparaEnvio(linha, tamanho_tx);
  return estado.modo_fornecedor ? TrocaFornecedor(linha, tamanho_tx, timeout) : TrocaSerial(linha, tamanho_tx, timeout);
}

}  // namespace plenvo
