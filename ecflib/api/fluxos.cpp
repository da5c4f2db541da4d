// Operations that go on after their frame: the X/Z report's status poll, and the readings that
// stream into a file (ecf_LeECF, ecf_Quorbal).
#include <cstdio>
#include <cstring>

#include "coleta.h"
#include "estado.h"
#include "log/arquivo_texto.h"
#include "operacoes.h"
#include "quadro.h"
#include "tempo.h"
#include "troca.h"

namespace plenvo {
namespace {

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
  const bool gravada =
      !grava_resposta || EscreveModoTexto(arquivo, Plenvo().resposta, static_cast<std::size_t>(desfecho.recebidos));
  const int resultado = gravada ? ColetaFluxo(arquivo, coleta) : static_cast<int>(kSemArquivo);
  FechaLinhaSerial();
  return FechaArquivoSaida(arquivo, resultado);
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
  // A reading into a file needs the file's name before the printer starts printing it to the host.
  const bool para_arquivo = modo[0] >= '4' && modo[0] <= '7';
  if (para_arquivo && arquivo == nullptr) return kGrandeDemais;
  const int limite = estado.proximo_timeout != 0 ? estado.proximo_timeout : kLimitePadrao;
  const Desfecho desfecho = Troca(linha, linha.tamanho_tx);
  if (!para_arquivo) {
    FechaLinhaSerial();
    return desfecho.resultado;
  }
  return GravaFluxo(desfecho, arquivo, true, Coleta{limite, true, 20, 1, false, false});
}

int Quorbal(const char* comando, const char* arquivo) {
  constexpr int kTextoMaximo = kTamanhoResposta - 8;
  Estado& estado = Plenvo();
  if (!estado.inicializada) return kNaoInicializada;
  if (comando == nullptr || arquivo == nullptr) return kGrandeDemais;
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
  return GravaFluxo(desfecho, arquivo, registro, Coleta{1, false, 1, 0, true, false});
}

}  // namespace plenvo
