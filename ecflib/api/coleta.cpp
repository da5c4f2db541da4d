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

// One chunk from the vendor library into the reply buffer: its size, or -1 for a communication
// failure. Every call is logged, with the data or with what the library said.
int TrechoDoFornecedor(const Coleta& coleta) {
  Estado& estado = Plenvo();
  SULVANIR_ProcessFiscalCmd_fn* const processa = ProcessFiscalCmd(estado.fornecedor);
  if (processa == nullptr) return -1;
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
  return FalhaDeComunicacao(retorno) ? -1 : lidos;
}

// One chunk from the serial line, when it has input waiting: its size (0 when none).
int TrechoDaLinha(const Coleta& coleta) {
  Estado& estado = Plenvo();
  if (!estado.linha.TemDados(kFilaRecepcao)) return 0;
  int lidos = 0;
  estado.linha.Recebe(estado.resposta, kTrecho, &lidos, kTimeoutTrechoSerial);
  estado.linha.UltimoErro();  // a chunk shorter than the room is the normal case
  if (!coleta.registra_serial) return lidos;
  if (lidos > 0) {
    RegistraSeAtivo("RX", estado.resposta, static_cast<std::size_t>(lidos));
  } else if (estado.log_ativo) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "Nada recebido em 1 segundo: lidos = %d", lidos);
    RegistraSeAtivo("RX", texto, 0);
  }
  return lidos;
}

}  // namespace

int ColetaFluxo(std::FILE* arquivo, const Coleta& coleta) {
  const unsigned char* dados = Plenvo().resposta;
  long long ultimo = SegundosAgora();
  for (;;) {
    const int lidos = Plenvo().modo_fornecedor ? TrechoDoFornecedor(coleta) : TrechoDaLinha(coleta);
    if (lidos < 0) return RegistraErroDll(kErroTransmissao);
    if (lidos > 0) {
      const std::size_t tamanho = static_cast<std::size_t>(lidos);
      if (coleta.binario) {
        std::fwrite(dados, 1, tamanho, arquivo);
      } else {
        EscreveModoTexto(arquivo, dados, tamanho);
      }
      ultimo = SegundosAgora();
      if (coleta.para_no_etx && std::memchr(dados, kEtx, tamanho) != nullptr) return kSucesso;
      continue;
    }
    if (SegundosAgora() - ultimo > coleta.silencio) return kSucesso;
    Dorme(kPausaSemDados);
  }
}

}  // namespace plenvo
