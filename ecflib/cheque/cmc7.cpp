// ecf_LeCMC7: frame "53"; a printer holding a cheque answers STX and the CMC-7 data, which is
// stored in the caller's file as it came (STX included).
#include <cstdio>

#include "api/coleta.h"
#include "api/estado.h"
#include "api/fornecedor.h"
#include "api/quadro.h"
#include "api/troca.h"
#include "cheque.h"
#include "compat/native_path.h"

namespace plenvo {
namespace {

constexpr unsigned char kStx = 0x02;
constexpr int kRecepcaoMaxima = kTamanhoResposta - 1;
constexpr int kSilencioSerial = 2;  // seconds without data that end the line

// Through the vendor library: one call brings the whole answer.
int LeCMC7Fornecedor(const LinhaTabela& linha, const char* arquivo) {
  Estado& estado = Plenvo();
  SULVANIR_ProcessFiscalCmd_fn* const processa = ProcessFiscalCmd(estado.fornecedor);
  if (processa == nullptr) return kSemArquivo;
  const int timeout = PreparaEnvio(linha, linha.tamanho_tx);
  int recebidos = kRecepcaoMaxima;
  const int retorno = processa(reinterpret_cast<const char*>(estado.resposta), linha.tamanho_tx,
                               reinterpret_cast<char*>(estado.resposta), &recebidos, timeout, 0);
  if (recebidos < 0 || FalhaDeComunicacao(retorno) || retorno == SULVANIR_NADA_RECEBIDO) recebidos = 0;
  if (recebidos > kRecepcaoMaxima) recebidos = kRecepcaoMaxima;
  estado.resposta[recebidos] = '\0';
  if (recebidos > 0) {
    RegistraSeAtivo("RX", estado.resposta, static_cast<std::size_t>(recebidos));
  } else if (estado.log_ativo) {
    char texto[96];
    std::snprintf(texto, sizeof texto, "Nada recebido de ProcessFiscalCmd = %d, bytes lidos = %d", retorno, recebidos);
    RegistraSeAtivo("RX", texto, 0);
  }
  if (FalhaDeComunicacao(retorno)) return RegistraErroDll(kErroTransmissao);
  if (retorno == SULVANIR_NADA_RECEBIDO || recebidos == 0) return RegistraErroDll(kRespostaIncompleta);
  if (estado.resposta[0] != kStx) return estado.resposta[0];
  std::FILE* saida = arquivo != nullptr ? compat::open_file(arquivo, "wb") : nullptr;
  if (saida == nullptr) return kSemArquivo;
  const bool gravado = std::fwrite(estado.resposta, 1, static_cast<std::size_t>(recebidos), saida) ==
                       static_cast<std::size_t>(recebidos);
  return FechaArquivoSaida(saida, gravado ? static_cast<int>(kSucesso) : static_cast<int>(kSemArquivo));
}

// Over the serial line: the STX is the frame's reply, the data follows on the line still open.
int LeCMC7Serial(const LinhaTabela& linha, const char* arquivo) {
  const Desfecho desfecho = Troca(linha, linha.tamanho_tx);
  if (desfecho.resultado != kStx) {
    FechaLinhaSerial();
    return desfecho.resultado;
  }
  std::FILE* saida = arquivo != nullptr ? compat::open_file(arquivo, "wb") : nullptr;
  if (saida == nullptr) {
    FechaLinhaSerial();
    return kSemArquivo;
  }
  // A line that fails while the data comes (the printer unplugged) leaves part of the CMC-7 line:
  // that is the line's failure, not a reading.
  const int resultado = std::fputc(kStx, saida) == kStx
                            ? ColetaFluxo(saida, Coleta{kSilencioSerial, false, 0, 0, false, true})
                            : static_cast<int>(kSemArquivo);
  FechaLinhaSerial();
  return FechaArquivoSaida(saida, resultado);
}

}  // namespace

int LeCMC7(const char* arquivo) {
  const Estado& estado = Plenvo();
  if (!estado.inicializada) return kNaoInicializada;
  if (arquivo == nullptr) return kGrandeDemais;  // the line read would have nowhere to go
  const LinhaTabela& linha = Linha(Comando::kLeCMC7);
  FormataCabecaQuadro(linha);
  return estado.modo_fornecedor ? LeCMC7Fornecedor(linha, arquivo) : LeCMC7Serial(linha, arquivo);
}

}  // namespace plenvo
