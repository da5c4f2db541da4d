// LinhaSerial: Plenvo's own serial line to the printer. Open the port (8N1, hardware clear-to-send
// flow control), purge, write with or without the clear-to-send check, read a fixed count within a
// time-out, and report the last failure as a status with its text. Every operation returns true on
// success; on failure it records the status and returns false. One implementation per operating
// system (linha_serial_posix.cpp, linha_serial_win32.cpp) behind the same class; the algorithm is
// shared (linha_serial.cpp).
#pragma once
#include <cstdint>

namespace plenvo {

// Line-error flags, with the values of the Windows comm API so that both systems speak alike.
enum ErroLinha : std::uint32_t {
  kErroRecepcaoCheia = 0x0001,   // receive queue overflow
  kErroOverrun = 0x0002,
  kErroParidade = 0x0004,
  kErroFraming = 0x0008,
  kErroBreak = 0x0010,
  kErroTransmissaoCheia = 0x0100,  // transmit queue full
  kErroDispositivo = 0x0400,       // device I/O error
};

// Cumulative line-error counters of a serial driver; flags are derived from their growth.
struct ContadoresLinha {
  long framing = 0;
  long overrun = 0;
  long paridade = 0;
  long breaks = 0;
  long recepcao_cheia = 0;
};

// Statuses (UltimoErro).
enum StatusLinha : int {
  kLinhaOk = 0,
  kLinhaNaoInicializada = 1,
  kLinhaJaInicializada = 2,
  kLinhaErroAbertura = 3,
  kLinhaErroConfiguracao = 4,
  kLinhaErroFlush = 5,
  kLinhaBufferPequeno = 6,
  kLinhaTimeoutCts = 7,
  kLinhaTransmissaoPendente = 8,
  kLinhaErroTransmissao = 9,
  kLinhaRecepcaoIncompleta = 10,
  kLinhaErroRecepcao = 11,
  kLinhaFraming = 12,
  kLinhaOverrun = 13,
  kLinhaBreak = 14,
  kLinhaErroDispositivo = 15,
  kLinhaOverflowRecepcao = 16,
  kLinhaParidade = 17,
  kLinhaTransmissaoCheia = 18,
};

// Queues selected by Purga and TemDados.
enum FilaLinha : int { kAmbasFilas = 0, kFilaRecepcao = 1, kFilaTransmissao = 2 };

class LinhaSerial {
 public:
  LinhaSerial() = default;
  ~LinhaSerial();  // closes a port still open
  LinhaSerial(const LinhaSerial&) = delete;
  LinhaSerial& operator=(const LinhaSerial&) = delete;

  // Off Windows the name goes through CaminhoDoDispositivo ("COM1" -> $PLENVO_COM1 or /dev/ttyS0).
  bool Abre(const char* dispositivo, unsigned long baud, int limite_recepcao, int limite_transmissao);
  bool Fecha();
  bool Purga(int fila);
  // kAmbasFilas: both queues hold bytes. False with status 11 and the device flag (15 once read)
  // when the queues cannot be asked: the device is gone.
  bool TemDados(int fila);
  bool CtsLivre();          // transmission is not held waiting for clear-to-send
  bool Envia(const void* bytes, int quantidade, int* escritos, bool usa_cts);
  bool Recebe(void* destino, int quantidade, int* lidos, int timeout_segundos);
  // The last status (line-error flags turned into statuses 12 to 18 first), its text copied into
  // texto (at most 40 bytes with the NUL) when given; then status and flags are cleared.
  int UltimoErro(char* texto = nullptr);

  bool Aberta() const { return manipulador_ != kSemPorta; }

  static const char* TextoDoStatus(int status);
  // Status from line-error flags: each match replaces the previous one, in the order break, device,
  // framing, overrun, receive overflow, parity, transmit full.
  static int StatusDosErros(std::uint32_t erros, int status);
  static std::uint32_t ErrosDosContadores(const ContadoresLinha& antes, const ContadoresLinha& depois);

 private:
  static constexpr std::intptr_t kSemPorta = -1;

  bool Falha(int status);
  void Reinicia();
  // Reads with the comm time-outs: it ends when the total time (per byte requested plus a constant)
  // runs out or, once a byte has come, when more than the interval passes before the next one.
  // False when the line fails; lidos holds what came before.
  bool LeNoPrazo(void* destino, int quantidade, int* lidos);
  static long long AgoraMs();  // a steady clock

  // Per operating system. Each returns false on failure; EsperaBytes/Escreve record line errors.
  int AbreNativo(const char* dispositivo, unsigned long baud);  // a status, 0 on success
  void FechaNativo();
  bool PurgaNativa(bool recepcao, bool transmissao);
  bool ConsultaFilas(unsigned* recepcao, unsigned* transmissao, bool* cts_retido);
  bool AjustaCts(bool usa_cts);
  bool EscreveNativo(const void* bytes, int quantidade, int* escritos);
  // Waits at most espera_ms (above 0) for received bytes and takes those there, up to quantidade:
  // how many, 0 when none came in time, -1 when the line failed or its device is gone.
  int EsperaBytes(void* destino, int quantidade, int espera_ms);
  void RegistraErrosDeLinha(int erro_sistema);

  std::intptr_t manipulador_ = kSemPorta;  // file descriptor, or HANDLE on Windows
  bool usa_cts_ = false;                   // clear-to-send output flow control currently on
  int intervalo_leitura_ms_ = 0;           // largest gap between two received bytes
  int leitura_por_byte_ms_ = 0;            // total read time-out: per byte requested...
  long long leitura_total_ms_ = 0;         // ...plus this constant
  std::uint32_t erros_linha_ = 0;
  int status_ = kLinhaOk;
  int limite_recepcao_ = 0;
  int limite_transmissao_ = 0;
  ContadoresLinha contadores_{};  // counters at the last look, where the driver keeps them
};

}  // namespace plenvo
