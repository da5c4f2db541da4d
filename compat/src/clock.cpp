#include "compat/clock.h"

#include <mutex>
#include <utility>

#include "clock_system.h"

namespace compat {
namespace {

std::mutex clock_mutex;
std::function<LocalTime()> injected_clock;

}  // namespace

LocalTime local_now() {
  std::function<LocalTime()> clock;
  {
    std::lock_guard<std::mutex> lock(clock_mutex);
    clock = injected_clock;
  }
  return clock ? clock() : detail::system_local_time();
}

void set_clock(std::function<LocalTime()> clock) {
  std::lock_guard<std::mutex> lock(clock_mutex);
  injected_clock = std::move(clock);
}

int weekday_of(int year, int month, int day) {
  // Gregorian calendar; January and February count as months 13 and 14 of the year before.
  static const int offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 1 || month > 12) return -1;
  if (month < 3) year -= 1;
  const long y = year;
  const long sum = y + y / 4 - y / 100 + y / 400 + offsets[month - 1] + day;
  return static_cast<int>(((sum % 7) + 7) % 7);
}

}  // namespace compat
