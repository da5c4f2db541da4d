// Plenvo's module-wide state: one instance per process, used by one caller at a time.
#pragma once
#include "compat/module.h"
#include "serial/linha_serial.h"

namespace plenvo {

constexpr int kTamanhoDispositivo = 30;  // 29 characters and the NUL
constexpr int kTamanhoQuadro = 4104;
constexpr int kTamanhoResposta = 4096;   // so no frame exceeds 4096 bytes
constexpr int kLimiteLinha = 4106;       // serial transmit and receive limits
constexpr unsigned long kBaud = 9600;

struct Estado {
  bool inicializada = false;
  bool log_ativo = false;
  int proximo_timeout = 0;  // seconds; 0 = none
  compat::ModuleHandle fornecedor = nullptr;
  char dispositivo[kTamanhoDispositivo] = {};
  bool modo_fornecedor = false;
  LinhaSerial linha;
  unsigned char quadro[kTamanhoQuadro] = {};
  unsigned char resposta[kTamanhoResposta] = {};
};

Estado& Plenvo();

}  // namespace plenvo
