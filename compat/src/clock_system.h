// The operating system's local time; clock.cpp decides whether it or an injected clock answers.
#pragma once
#include "compat/clock.h"

namespace compat::detail {

LocalTime system_local_time();

}  // namespace compat::detail
