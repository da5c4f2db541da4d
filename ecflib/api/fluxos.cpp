// Operations that go on after their frame: the X/Z report's status poll, and the readings that
// stream into a file (ecf_LeECF, ecf_Quorbal).
#include <cstdio>
#include <cstring>

#include "estado.h"
#include "fornecedor.h"
#include "log/arquivo_texto.h"
#include "operacoes.h"
#include "quadro.h"
#include "tempo.h"
#include "troca.h"

namespace plenvo {
namespace {

constexpr int kTrecho = kTamanhoResposta - 1;  // room for one chunk of streamed data
constexpr int kTimeoutTrechoSerial = 10;
constexpr int kPausaSemDados = 50;  // ms between two looks at a quiet line
constexpr unsigned char kEtx = 0x03;

struct Coleta {
  int silencio;              // seconds without data that end the stream
  bool para_no_etx;
  int timeout_fornecedor;    // ProcessFiscalCmd's time-out for each chunk
  int flag_fornecedor;
};

// One chunk into the reply buffer: its size, or -1 for a vendor communication failure.
int RecebeTrecho(const Coleta& coleta) {
  Estado& estado = Plenvo();
  char texto[96];
  if (estado.modo_fornecedor) {
    SULVANIR_ProcessFiscalCmd_fn* const processa = ProcessFiscalCmd(estado.fornecedor);
    if (processa == nullptr) return -1;
    int lidos = kTrecho;
    const int retorno = processa(nullptr, 0, reinterpret_cast<char*>(estado.resposta), &lidos,
                                 coleta.timeout_fornecedor, coleta.flag_fornecedor);
    if (lidos < 0 || retorno == SULVANIR_NADA_RECEBIDO || FalhaDeComunicacao(retorno))
      lidos = 0;
    if (lidos > kTrecho) lidos = kTrecho;
    if (lidos > 0) {
      RegistraSeAtivo("RX", estado.resposta, static_cast<std::size_t>(lidos));
    } else {
      std::snprintf(texto, sizeof texto, "Nada recebido em 1 segundo: ProcessFiscalCmd = %d, bytes lidos = %d",
                    retorno, lidos);
      RegistraSeAtivo("RX", texto, 0);
    }
    return FalhaDeComunicacao(retorno) ? -1 : lidos;
  }
  if (!estado.linha.TemDados(kFilaRecepcao)) return 0;
  int lidos = 0;
  estado.linha.Recebe(estado.resposta, kTrecho, &lidos, kTimeoutTrechoSerial);
  estado.linha.UltimoErro();  // a chunk shorter than the room is the normal case
  if (lidos > 0) {
    RegistraSeAtivo("RX", estado.resposta, static_cast<std::size_t>(lidos));
  } else {
    std::snprintf(texto, sizeof texto, "Nada recebido em 1 segundo: lidos = %d", lidos);
    RegistraSeAtivo("RX", texto, 0);
  }
  return lidos;
}

// Appends the printer's further data to the file until the stream ends; 33, or 9 on a vendor
// communication failure.
int ColetaFluxo(std::FILE* arquivo, const Coleta& coleta) {
  long long ultimo = SegundosAgora();
  for (;;) {
    const int lidos = RecebeTrecho(coleta);
    if (lidos < 0) return RegistraErroDll(kErroTransmissao);
    if (lidos > 0) {
      EscreveModoTexto(arquivo, Plenvo().resposta, static_cast<std::size_t>(lidos));
      ultimo = SegundosAgora();
      if (coleta.para_no_etx && std::memchr(Plenvo().resposta, kEtx, static_cast<std::size_t>(lidos)) != nullptr)
        return kSucesso;
      continue;
    }
    if (SegundosAgora() - ultimo > coleta.silencio) return kSucesso;
    Dorme(kPausaSemDados);
  }
}

// The common end of the streaming operations once their frame went out.
int GravaFluxo(const Desfecho& desfecho, const char* nome_arquivo, bool grava_resposta, const Coleta& coleta) {
  if (!desfecho.transmitido) {
    FechaLinhaSerial();
    return desfecho.resultado;
  }
  std::FILE* arquivo = CriaArquivoTexto(nome_arquivo);
  if (arquivo == nullptr) {
    FechaLinhaSerial();
    return kSemArquivo;
  }
  if (grava_resposta) EscreveModoTexto(arquivo, Plenvo().resposta, static_cast<std::size_t>(desfecho.recebidos));
  const int resultado = ColetaFluxo(arquivo, coleta);
  FechaLinhaSerial();
  std::fclose(arquivo);
  return resultado;
}

void EsperaAte(long long marco, int segundos) {
  while (SegundosAgora() - marco <= segundos) Dorme(100);
}

}  // namespace

int RelatorioXZ(const char* modo) {
  constexpr int kConsultas = 100;
  constexpr int kPrimeiraEspera = 15;
  constexpr int kEsperaSeguinte = 3;
  const int resultado = ExecutaComando(Comando::kRelatorioXZ, {modo});
  if (resultado != kSucesso || modo[0] != '1') return resultado;
  long long marco = SegundosAgora();
  for (int consulta = 0; consulta < kConsultas; ++consulta) {
    if (ExecutaComando(Comando::kEstadoImpressora, {}) != kRespostaIncompleta) break;
    EsperaAte(marco, consulta == 0 ? kPrimeiraEspera : kEsperaSeguinte);
    marco = SegundosAgora();
  }
  return resultado;
}

int LeECF(const char* modo, const char* inicio, const char* fim, const char* tipo, const char* arquivo) {
  constexpr int kLimitePadrao = 600;
  Estado& estado = Plenvo();
  if (!estado.inicializada) return kNaoInicializada;
  const LinhaTabela& linha = Linha(Comando::kLeECF);
  const char* argumentos[] = {modo, inicio, fim, tipo};
  if (const int recusa = FormataQuadro(linha, argumentos, 4)) return recusa;
  const int limite = estado.proximo_timeout != 0 ? estado.proximo_timeout : kLimitePadrao;
  const Desfecho desfecho = Troca(linha, linha.tamanho_tx);
  if (modo[0] < '4' || modo[0] > '7') {
    FechaLinhaSerial();
    return desfecho.resultado;
  }
  return GravaFluxo(desfecho, arquivo, true, Coleta{limite, true, 20, 1});
}

int Quorbal(const char* comando, const char* arquivo) {
  constexpr int kTextoMaximo = kTamanhoResposta - 8;
  Estado& estado = Plenvo();
  if (!estado.inicializada) return kNaoInicializada;
  if (comando == nullptr) return kGrandeDemais;
  const std::size_t tamanho = std::strlen(comando);
  if (tamanho > static_cast<std::size_t>(kTextoMaximo)) return kGrandeDemais;
  const LinhaTabela& linha = Linha(Comando::kQuorbal);
  FormataCabecaQuadro(linha);
  char comprimento[5];
  std::snprintf(comprimento, sizeof comprimento, "%04d", static_cast<int>(tamanho));
  std::memcpy(estado.quadro + 4, comprimento, 4);
  std::memcpy(estado.quadro + 8, comando, tamanho);
  const Desfecho desfecho = Troca(linha, static_cast<int>(tamanho) + 8);
  const bool registro = desfecho.recebidos > 0 && estado.resposta[0] == '{';
  return GravaFluxo(desfecho, arquivo, registro, Coleta{1, false, 1, 0});
}

}  // namespace plenvo
