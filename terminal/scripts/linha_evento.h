// Event lines of the command file: "; " + time stamp + " - " + event text.
#pragma once
#include <string>

#include "compat/clock.h"

namespace tarnel {

std::string ComporLinhaEvento(const compat::LocalTime& momento, const std::string& evento);

}  // namespace tarnel
