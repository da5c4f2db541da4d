#include "aplicacao.h"

#include <clocale>

namespace tarnel::gui {

void NumerosComPonto() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace tarnel::gui
