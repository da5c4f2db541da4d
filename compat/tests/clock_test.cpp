#include <gtest/gtest.h>

#include "compat/clock.h"

namespace {

TEST(Clock, InjectedClockAnswersUntilRemoved) {
  compat::LocalTime fixed;
  fixed.year = 2004;
  fixed.month = 2;
  fixed.day = 29;
  fixed.hour = 23;
  fixed.minute = 59;
  fixed.second = 58;
  fixed.millisecond = 7;
  fixed.weekday = 0;
  compat::set_clock([fixed] { return fixed; });
  const compat::LocalTime injected = compat::local_now();
  compat::set_clock({});
  EXPECT_EQ(injected.year, 2004);
  EXPECT_EQ(injected.day, 29);
  EXPECT_EQ(injected.millisecond, 7);

  const compat::LocalTime now = compat::local_now();
  EXPECT_GE(now.year, 2024);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.millisecond, 0);
  EXPECT_LE(now.millisecond, 999);
  EXPECT_EQ(now.weekday, compat::weekday_of(now.year, now.month, now.day));
}

TEST(Clock, WeekdayOfKnownDates) {
  EXPECT_EQ(compat::weekday_of(2000, 1, 1), 6);    // Saturday
  EXPECT_EQ(compat::weekday_of(2024, 2, 29), 4);   // Thursday, leap day
  EXPECT_EQ(compat::weekday_of(1900, 3, 1), 4);    // 1900 was no leap year
  EXPECT_EQ(compat::weekday_of(2023, 12, 31), 0);  // Sunday
  EXPECT_EQ(compat::weekday_of(1999, 12, 31), 5);
  EXPECT_EQ(compat::weekday_of(2100, 3, 1), 1);
  EXPECT_EQ(compat::weekday_of(1582, 10, 15), 5);  // first Gregorian day
  EXPECT_EQ(compat::weekday_of(2024, 13, 1), -1);
  EXPECT_EQ(compat::weekday_of(2024, 0, 1), -1);
}

TEST(Clock, DaysFromCivilAndBack) {
  EXPECT_EQ(compat::days_from_civil(1970, 1, 1), 0);
  EXPECT_EQ(compat::days_from_civil(2003, 3, 1) - compat::days_from_civil(2003, 2, 28), 1);
  EXPECT_EQ(compat::days_from_civil(2004, 3, 1) - compat::days_from_civil(2004, 2, 28), 2);
  EXPECT_EQ(compat::days_from_civil(1969, 12, 31), -1);
  EXPECT_EQ(compat::days_from_civil(2000, 3, 1), 11017);
  for (long long d = compat::days_from_civil(1899, 12, 25); d < compat::days_from_civil(2101, 1, 5); d += 13) {
    int y = 0, m = 0, day = 0;
    compat::civil_from_days(d, y, m, day);
    EXPECT_EQ(compat::days_from_civil(y, m, day), d);
    EXPECT_GE(m, 1);
    EXPECT_LE(m, 12);
    EXPECT_GE(day, 1);
    EXPECT_LE(day, 31);
  }
}

}  // namespace
