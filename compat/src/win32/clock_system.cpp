#include <windows.h>

#include "clock_system.h"

namespace compat::detail {

LocalTime system_local_time() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  LocalTime t;
  t.year = now.wYear;
  t.month = now.wMonth;
  t.day = now.wDay;
  t.hour = now.wHour;
  t.minute = now.wMinute;
  t.second = now.wSecond;
  t.millisecond = now.wMilliseconds;
  t.weekday = now.wDayOfWeek;
  return t;
}

}  // namespace compat::detail
