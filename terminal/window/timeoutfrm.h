// TfrmTimeout, the command timeout dialog: the spin field takes TimeoutComando when shown, OK stores
// it back, Cancel leaves TimeoutComando as it was.
#pragma once
#include <cstdint>

#include "window/mainfrm.h"

namespace tarnel {

class TfrmTimeout {
 public:
  static constexpr std::int32_t kMinimo = 0;
  static constexpr std::int32_t kMaximo = 9999;

  const char* Caption() const { return "Definição de Timeout"; }

  std::int32_t ebTimeout = 0;  // seconds, as the spin field holds them

  void FormShow(const TfrmMain& frm) { ebTimeout = frm.TimeoutComando; }
  // The spin field keeps its value within its range.
  void ebTimeoutChange(std::int32_t valor) { ebTimeout = valor < kMinimo ? kMinimo : valor > kMaximo ? kMaximo : valor; }
  void btOKClick(TfrmMain& frm) const { frm.TimeoutComando = ebTimeout; }
  void btCancelarClick() const {}
};

}  // namespace tarnel
