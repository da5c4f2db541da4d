// Local date and time with milliseconds; one source for the whole program, replaceable in tests.
#pragma once
#include <functional>

namespace compat {

struct LocalTime {
  int year = 0;         // four digits
  int month = 0;        // 1..12
  int day = 0;          // 1..31
  int hour = 0;         // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;  // 0..999
  int weekday = 0;      // 0 = Sunday .. 6 = Saturday
};

LocalTime local_now();

// Replaces the clock (tests); an empty function restores the system clock.
void set_clock(std::function<LocalTime()> clock);

// Weekday of a Gregorian calendar date (0 = Sunday); -1 for a month outside 1..12.
int weekday_of(int year, int month, int day);

// Days between 01/01/1970 and a Gregorian calendar date (negative before it), and back.
long long days_from_civil(int year, int month, int day);
void civil_from_days(long long days, int& year, int& month, int& day);

}  // namespace compat
