#include <time.h>

#include "clock_system.h"

namespace compat::detail {

LocalTime system_local_time() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm parts{};
  localtime_r(&now.tv_sec, &parts);
  LocalTime t;
  t.year = parts.tm_year + 1900;
  t.month = parts.tm_mon + 1;
  t.day = parts.tm_mday;
  t.hour = parts.tm_hour;
  t.minute = parts.tm_min;
  t.second = parts.tm_sec;
  t.millisecond = static_cast<int>(now.tv_nsec / 1000000);
  t.weekday = parts.tm_wday;
  return t;
}

}  // namespace compat::detail
