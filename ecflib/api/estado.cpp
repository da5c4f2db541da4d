#include "estado.h"

namespace plenvo {
namespace {
Estado estado;  // static storage: the serial line closes when the library is unloaded
}  // namespace

Estado& Plenvo() { return estado; }

}  // namespace plenvo
