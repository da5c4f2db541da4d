// compat's clock held at chosen moments while the object lives; the system clock comes back when it
// goes, also when a test stops at a failed assertion.
#pragma once
#include "compat/clock.h"

namespace test_support {

// A moment given by its fields, with its weekday.
inline compat::LocalTime moment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                                int millisecond = 0) {
  compat::LocalTime t;
  t.year = year;
  t.month = month;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  t.millisecond = millisecond;
  t.weekday = compat::weekday_of(year, month, day);
  return t;
}

class FixedClock {
 public:
  explicit FixedClock(const compat::LocalTime& t) { set(t); }
  ~FixedClock() { compat::set_clock({}); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

  void set(const compat::LocalTime& t) {
    compat::set_clock([t] { return t; });
  }
};

}  // namespace test_support
