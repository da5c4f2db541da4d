// The serial line's algorithm, common to every operating system.
#include "linha_serial.h"

#include <chrono>
#include <climits>
#include <cstring>

namespace plenvo {
namespace {

constexpr int kTamanhoTexto = 40;

constexpr const char* kTextos[] = {
    "",
    "Serial nao inicializada",
    "Serial ja inicializada",
    "Erro na Abertura",
    "Problemas na Configuracao",
    "Erro no Flush",
    "Buffer muito pequeno para comunicacao",
    "Timeout de CTS",
    "Transmissao pendente",
    "Erro na Transmissao",
    "Erro desconhecido",
    "Erro na Recepcao",
    "Erro de framing",
    "Erro de overrun",
    "Break detectado na comunicacao",
    "Erro no device durante a comunicacao",
    "Overflow no buffer de recepcao serial",
    "Erro de paridade",
    "Buffer de transmissao serial esta cheio",
};

}  // namespace

LinhaSerial::~LinhaSerial() {
  if (Aberta()) FechaNativo();
}

const char* LinhaSerial::TextoDoStatus(int status) {
  if (status < 0 || status >= static_cast<int>(sizeof kTextos / sizeof kTextos[0])) return "Erro desconhecido";
  return kTextos[status];
}

int LinhaSerial::StatusDosErros(std::uint32_t erros, int status) {
  struct Par {
    std::uint32_t erro;
    int status;
  };
  static constexpr Par kOrdem[] = {
      {kErroBreak, kLinhaBreak},           {kErroDispositivo, kLinhaErroDispositivo},
      {kErroFraming, kLinhaFraming},       {kErroOverrun, kLinhaOverrun},
      {kErroRecepcaoCheia, kLinhaOverflowRecepcao}, {kErroParidade, kLinhaParidade},
      {kErroTransmissaoCheia, kLinhaTransmissaoCheia},
  };
  for (const Par& par : kOrdem)
    if ((erros & par.erro) != 0) status = par.status;
  return status;
}

std::uint32_t LinhaSerial::ErrosDosContadores(const ContadoresLinha& antes, const ContadoresLinha& depois) {
  std::uint32_t erros = 0;
  if (depois.framing > antes.framing) erros |= kErroFraming;
  if (depois.overrun > antes.overrun) erros |= kErroOverrun;
  if (depois.paridade > antes.paridade) erros |= kErroParidade;
  if (depois.breaks > antes.breaks) erros |= kErroBreak;
  if (depois.recepcao_cheia > antes.recepcao_cheia) erros |= kErroRecepcaoCheia;
  return erros;
}

long long LinhaSerial::AgoraMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool LinhaSerial::LeNoPrazo(void* destino, int quantidade, int* lidos) {
  auto* alvo = static_cast<unsigned char*>(destino);
  const long long limite = AgoraMs() + static_cast<long long>(leitura_por_byte_ms_) * quantidade + leitura_total_ms_;
  int chegaram = 0;
  while (chegaram < quantidade) {
    const long long resta = limite - AgoraMs();
    if (resta <= 0) break;
    long long espera = chegaram == 0 ? resta : (resta < intervalo_leitura_ms_ ? resta : intervalo_leitura_ms_);
    if (espera > INT_MAX) espera = INT_MAX;  // a wait beyond is taken in several turns
    const int n = EsperaBytes(alvo + chegaram, quantidade - chegaram, static_cast<int>(espera));
    if (n < 0) {
      *lidos = chegaram;
      return false;
    }
    if (n == 0 && chegaram > 0) break;  // the gap between two bytes ran out
    chegaram += n;
  }
  *lidos = chegaram;
  return true;
}

bool LinhaSerial::Falha(int status) {
  status_ = status;
  return false;
}

void LinhaSerial::Reinicia() {
  manipulador_ = kSemPorta;
  usa_cts_ = false;
  intervalo_leitura_ms_ = leitura_por_byte_ms_ = leitura_total_ms_ = 0;
  erros_linha_ = 0;
  status_ = kLinhaOk;
  limite_recepcao_ = limite_transmissao_ = 0;
  contadores_ = ContadoresLinha{};
}

bool LinhaSerial::Abre(const char* dispositivo, unsigned long baud, int limite_recepcao, int limite_transmissao) {
  if (Aberta()) return Falha(kLinhaJaInicializada);
  if (dispositivo == nullptr) return Falha(kLinhaErroAbertura);
  const int status = AbreNativo(dispositivo, baud);
  if (status != kLinhaOk) return Falha(status);
  usa_cts_ = true;  // AbreNativo switches clear-to-send flow control on
  intervalo_leitura_ms_ = 100;
  leitura_por_byte_ms_ = 100;
  leitura_total_ms_ = 10000;
  limite_recepcao_ = limite_recepcao;
  limite_transmissao_ = limite_transmissao;
  return true;
}

bool LinhaSerial::Fecha() {
  if (!Aberta()) return Falha(kLinhaNaoInicializada);
  FechaNativo();
  Reinicia();
  return true;
}

bool LinhaSerial::Purga(int fila) {
  if (!Aberta()) return Falha(kLinhaNaoInicializada);
  if (!PurgaNativa(fila == kAmbasFilas || fila == kFilaRecepcao, fila == kAmbasFilas || fila == kFilaTransmissao))
    return Falha(kLinhaErroFlush);
  return true;
}

bool LinhaSerial::TemDados(int fila) {
  if (!Aberta()) return Falha(kLinhaNaoInicializada);
  unsigned recepcao = 0, transmissao = 0;
  bool retido = false;
  if (!ConsultaFilas(&recepcao, &transmissao, &retido)) {
    // A port whose queues cannot be asked has lost its device (unplugged, or the peer hung up):
    // said now, so that a caller waiting for input does not wait out its whole limit.
    erros_linha_ |= kErroDispositivo;
    return Falha(kLinhaErroRecepcao);
  }
  switch (fila) {
    case kFilaRecepcao: return recepcao > 0;
    case kFilaTransmissao: return transmissao > 0;
    default: return recepcao > 0 && transmissao > 0;
  }
}

bool LinhaSerial::CtsLivre() {
  if (!Aberta()) return Falha(kLinhaNaoInicializada);
  unsigned recepcao = 0, transmissao = 0;
  bool retido = false;
  if (!ConsultaFilas(&recepcao, &transmissao, &retido)) return true;
  return !retido;
}

bool LinhaSerial::Envia(const void* bytes, int quantidade, int* escritos, bool usa_cts) {
  if (escritos != nullptr) *escritos = 0;
  if (!Aberta()) return Falha(kLinhaNaoInicializada);
  unsigned recepcao = 0, transmissao = 0;
  bool retido = false;
  // A failed look is not a verdict here: the write below says what the line can do.
  if (ConsultaFilas(&recepcao, &transmissao, &retido) && transmissao > 0) return Falha(kLinhaTransmissaoPendente);
  // A negative count is no size the line can take (the platform's write would read it as huge).
  if (quantidade < 0 || quantidade > limite_transmissao_) return Falha(kLinhaBufferPequeno);
  if (usa_cts != usa_cts_) {
    if (!AjustaCts(usa_cts)) return Falha(kLinhaErroConfiguracao);
    usa_cts_ = usa_cts;
  }
  if (usa_cts && !CtsLivre()) return Falha(kLinhaTimeoutCts);
  int feitos = 0;
  const bool ok = EscreveNativo(bytes, quantidade, &feitos);
  if (escritos != nullptr) *escritos = feitos;
  return ok ? true : Falha(kLinhaErroTransmissao);
}

bool LinhaSerial::Recebe(void* destino, int quantidade, int* lidos, int timeout_segundos) {
  if (lidos != nullptr) *lidos = 0;
  if (!Aberta()) return Falha(kLinhaNaoInicializada);
  if (quantidade < 0 || quantidade > limite_recepcao_) return Falha(kLinhaBufferPequeno);
  leitura_total_ms_ = (timeout_segundos > 0 ? static_cast<long long>(timeout_segundos) : 0) * 1000;
  int chegaram = 0;
  const bool ok = LeNoPrazo(destino, quantidade, &chegaram);
  if (lidos != nullptr) *lidos = chegaram;
  if (!ok) return Falha(kLinhaErroRecepcao);
  if (chegaram == 0 && !CtsLivre()) return Falha(kLinhaTimeoutCts);
  return chegaram >= quantidade ? true : Falha(kLinhaRecepcaoIncompleta);
}

int LinhaSerial::UltimoErro(char* texto) {
  if (erros_linha_ != 0) {
    status_ = StatusDosErros(erros_linha_, status_);
    erros_linha_ = 0;
  }
  if (texto != nullptr) {
    std::strncpy(texto, TextoDoStatus(status_), kTamanhoTexto - 1);
    texto[kTamanhoTexto - 1] = '\0';
  }
  const int status = status_;
  status_ = kLinhaOk;
  return status;
}

}  // namespace plenvo
