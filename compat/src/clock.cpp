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

long long days_from_civil(int year, int month, int day) {
  // Years counted from March, so that the leap day ends the year; eras of 400 years.
  const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long year_of_era = y - era * 400;
  const long long day_of_year = (153LL * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

void civil_from_days(long long days, int& year, int& month, int& day) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long day_of_era = days - era * 146097;
  const long long year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long long day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long long mp = (5 * day_of_year + 2) / 153;
  day = static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace compat
