#include "coleta.h"

#include <cstring>

#include "estado.h"
#include "fornecedor.h"
#include "log/arquivo_texto.h"
#include "tempo.h"
#include "troca.h"

namespace plenvo {
namespace {

constexpr int kTrecho = kTamanhoResposta - 1;  // room for one chunk of streamed data
constexpr int kTimeoutTrechoSerial = 10;
constexpr int kPausaSemDados = 50;  // ms between two looks at a quiet line
constexpr unsigned char kEtx = 0x03;

// One chunk of streamed data in the reply buffer: its size, and the result code that ends the
// stream when the transport failed (0 while it works).
struct Trecho {
  int lidos;
  int falha;
};

// From the vendor library. Every call is logged, with the data or with what the library said.
Trecho TrechoDoFornecedor(const Coleta& coleta) {
  Estado& estado = Plenvo();
  SULVANIR_ProcessFiscalCmd_fn* const processa = ProcessFiscalCmd(estado.fornecedor);
  if (processa == nullptr) return {0, kErroTransmissao};
  int lidos = kTrecho;
  const int retorno = processa(nullptr, 0, reinterpret_cast<char*>(estado.resposta), &lidos,
                               coleta.timeout_fornecedor, coleta.flag_fornecedor);
  if (lidos < 0 || retorno == SULVANIR_NADA_RECEBIDO || FalhaDeComunicacao(retorno)) lidos = 0;
  if (lidos > kTrecho) lidos = kTrecho;
  if (lidos > 0) {
    RegistraSeAtivo("RX", estado.resposta, static_cast<std::size_t>(lidos));
  } else if (estado.log_ativo) {
    char texto[96];
    std::snprintf(texto, sizeof texto, "Nada recebido em 1 segundo: ProcessFiscalCmd = %d, bytes lidos = %d",
                  retorno, lidos);
    RegistraSeAtivo("RX", texto, 0);
  }
  return {lidos, FalhaDeComunicacao(retorno) ? static_cast<int>(kErroTransmissao) : 0};
}

// From the serial line, when it has input waiting. A chunk shorter than the room is the normal
// case; a line that failed (the printer unplugged or hung up) ends the stream at once with the
// line's result, after what did arrive.
Trecho TrechoDaLinha(const Coleta& coleta) {
  Estado& estado = Plenvo();
  if (!estado.linha.TemDados(kFilaRecepcao)) {
    const int status = estado.linha.UltimoErro();
    return {0, status == kLinhaOk ? 0 : MapeiaErroLinha(status)};
  }
  int lidos = 0;
  int falha = 0;
  if (!estado.linha.Recebe(estado.resposta, kTrecho, &lidos, kTimeoutTrechoSerial)) {
    const int status = estado.linha.UltimoErro();
    if (status != kLinhaRecepcaoIncompleta) falha = MapeiaErroLinha(status);
  }
  if (!coleta.registra_serial) return {lidos, falha};
  if (lidos > 0) {
    RegistraSeAtivo("RX", estado.resposta, static_cast<std::size_t>(lidos));
  } else if (estado.log_ativo) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "Nada recebido em 1 segundo: lidos = %d", lidos);
    RegistraSeAtivo("RX", texto, 0);
  }
  return {lidos, falha};
}

}  // namespace

int ColetaFluxo(std::FILE* arquivo, const Coleta& coleta) {
  const unsigned char* dados = Plenvo().resposta;
  long long ultimo = SegundosAgora();
  for (;;) {
    const Trecho trecho = Plenvo().modo_fornecedor ? TrechoDoFornecedor(coleta) : TrechoDaLinha(coleta);
    const std::size_t tamanho = static_cast<std::size_t>(trecho.lidos);
    if (tamanho > 0) {
      const bool gravado =
          coleta.binario ? std::fwrite(dados, 1, tamanho, arquivo) == tamanho : EscreveModoTexto(arquivo, dados, tamanho);
      if (!gravado) return kSemArquivo;  // the file cannot take the data (a full disk)
      ultimo = SegundosAgora();
    }
    if (trecho.falha != 0) return RegistraErroDll(trecho.falha);
    if (tamanho > 0) {
      if (coleta.para_no_etx && std::memchr(dados, kEtx, tamanho) != nullptr) return kSucesso;
      continue;
    }
    if (SegundosAgora() - ultimo > coleta.silencio) return kSucesso;
    Dorme(kPausaSemDados);
  }
}

int FechaArquivoSaida(std::FILE* arquivo, int resultado) {
  const bool fechado = std::fclose(arquivo) == 0;
  return (!fechado && resultado == kSucesso) ? static_cast<int>(kSemArquivo) : resultado;
}

}  // namespace plenvo
