// LinhaSerial over the Windows communications API.
#include <windows.h>

#include "linha_serial.h"

namespace plenvo {
namespace {

HANDLE Porta(std::intptr_t manipulador) { return reinterpret_cast<HANDLE>(manipulador); }

}  // namespace

int LinhaSerial::AbreNativo(const char* dispositivo, unsigned long baud) {
  HANDLE porta = CreateFileA(dispositivo, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (porta == INVALID_HANDLE_VALUE) return kLinhaErroAbertura;
  DCB modo{};
  modo.DCBlength = sizeof modo;
  if (!GetCommState(porta, &modo)) {
    // A handle of no known type is a name that leads nowhere (Wine opens a COM port mapped to a
    // missing path): the port cannot be opened. Anything else (a file, say) is no serial line.
    const bool sem_dispositivo = GetFileType(porta) == FILE_TYPE_UNKNOWN;
    CloseHandle(porta);
    return sem_dispositivo ? kLinhaErroAbertura : kLinhaErroConfiguracao;
  }
  modo.BaudRate = baud;
  modo.ByteSize = 8;
  modo.Parity = NOPARITY;
  modo.StopBits = ONESTOPBIT;
  modo.fParity = FALSE;
  modo.fOutxCtsFlow = TRUE;
  // The frames are binary and paced by clear-to-send only: what another program may have left on
  // the port (XON/XOFF, dropping NULs, replacing bytes in error, waiting on DSR) would drop, change
  // or hold bytes of them, as the raw mode of the POSIX line rules out there.
  modo.fBinary = TRUE;
  modo.fOutX = FALSE;
  modo.fInX = FALSE;
  modo.fNull = FALSE;
  modo.fErrorChar = FALSE;
  modo.fOutxDsrFlow = FALSE;
  modo.fDsrSensitivity = FALSE;
  if (!SetCommState(porta, &modo)) {
    CloseHandle(porta);
    return kLinhaErroConfiguracao;
  }
  COMMTIMEOUTS tempos{};
  tempos.ReadIntervalTimeout = 100;
  tempos.ReadTotalTimeoutMultiplier = 100;
  tempos.ReadTotalTimeoutConstant = 10000;
  tempos.WriteTotalTimeoutMultiplier = 0;
  tempos.WriteTotalTimeoutConstant = 0;
  SetCommTimeouts(porta, &tempos);
  manipulador_ = reinterpret_cast<std::intptr_t>(porta);
  return kLinhaOk;
}

void LinhaSerial::FechaNativo() { CloseHandle(Porta(manipulador_)); }

bool LinhaSerial::PurgaNativa(bool recepcao, bool transmissao) {
  if (recepcao && !PurgeComm(Porta(manipulador_), PURGE_RXCLEAR)) return false;
  if (transmissao && !PurgeComm(Porta(manipulador_), PURGE_TXCLEAR)) return false;
  return true;
}

bool LinhaSerial::ConsultaFilas(unsigned* recepcao, unsigned* transmissao, bool* cts_retido) {
  DWORD erros = 0;
  COMSTAT estado{};
  if (!ClearCommError(Porta(manipulador_), &erros, &estado)) return false;
  *recepcao = estado.cbInQue;
  *transmissao = estado.cbOutQue;
  *cts_retido = estado.fCtsHold != 0;
  return true;
}

bool LinhaSerial::AjustaCts(bool usa_cts) {
  DCB modo{};
  modo.DCBlength = sizeof modo;
  if (!GetCommState(Porta(manipulador_), &modo)) return false;
  modo.fOutxCtsFlow = usa_cts ? TRUE : FALSE;
  return SetCommState(Porta(manipulador_), &modo) != 0;
}

bool LinhaSerial::EscreveNativo(const void* bytes, int quantidade, int* escritos) {
  DWORD feitos = 0;
  const BOOL ok = WriteFile(Porta(manipulador_), bytes, static_cast<DWORD>(quantidade), &feitos, nullptr);
  *escritos = static_cast<int>(feitos);
  if (!ok) RegistraErrosDeLinha(0);
  return ok != 0;
}

int LinhaSerial::EsperaBytes(void* destino, int quantidade, int espera_ms) {
  // A read the peer's hang-up cuts short does not fail, nor does one that was waiting when it came:
  // it waits out its time and returns what it has. Only the queues, which can no longer be asked,
  // tell that the device is gone. So the wait goes in short slices with a look at the queues after
  // each empty one, and a hang-up ends it within a slice, however long the wait.
  constexpr long long kFatiaMs = 50;
  const long long limite = AgoraMs() + espera_ms;
  while (true) {
    const long long resta = limite - AgoraMs();
    if (resta <= 0) return 0;
    // Bytes already there are taken at once; else the first that comes, or none within the slice.
    COMMTIMEOUTS tempos{};
    tempos.ReadIntervalTimeout = MAXDWORD;
    tempos.ReadTotalTimeoutMultiplier = MAXDWORD;
    tempos.ReadTotalTimeoutConstant = static_cast<DWORD>(resta < kFatiaMs ? resta : kFatiaMs);
    DWORD chegaram = 0;
    if (!SetCommTimeouts(Porta(manipulador_), &tempos) ||
        !ReadFile(Porta(manipulador_), destino, static_cast<DWORD>(quantidade), &chegaram, nullptr)) {
      RegistraErrosDeLinha(0);
      return -1;
    }
    if (chegaram > 0) return static_cast<int>(chegaram);
    unsigned recepcao = 0, transmissao = 0;
    bool retido = false;
    if (!ConsultaFilas(&recepcao, &transmissao, &retido)) {
      RegistraErrosDeLinha(0);
      return -1;
    }
  }
}

void LinhaSerial::RegistraErrosDeLinha(int) {
  DWORD erros = 0;
  COMSTAT estado{};
  if (ClearCommError(Porta(manipulador_), &erros, &estado))
    erros_linha_ = erros;
  else
    erros_linha_ |= kErroDispositivo;  // its queues cannot be asked: the device is gone
}

}  // namespace plenvo
