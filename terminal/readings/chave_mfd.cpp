#include "readings/chave_mfd.h"

namespace tarnel {

Gost28147::Chave ChaveMFD() {
  return {0x4D46442D, 0x4B56542D, 0x56617264, 0x65784949, 0x28147089, 0x5A9C3E71, 0xB4E2170D, 0x93C6F58A};
}

}  // namespace tarnel
