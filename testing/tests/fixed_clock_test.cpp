#include "test_support/fixed_clock.h"

#include <gtest/gtest.h>

namespace {

using test_support::FixedClock;
using test_support::moment;

TEST(FixedClock, HoldsTheMomentUntilItGoes) {
  const compat::LocalTime t = moment(2024, 1, 15, 8, 30, 5, 7);
  EXPECT_EQ(t.weekday, 1);  // a Monday
  EXPECT_EQ(t.hour * 10000 + t.minute * 100 + t.second, 83005);
  EXPECT_EQ(t.millisecond, 7);
  {
    FixedClock clock(t);
    EXPECT_EQ(compat::local_now().day, 15);
    EXPECT_EQ(compat::local_now().millisecond, 7);
    clock.set(moment(1999, 12, 31));
    EXPECT_EQ(compat::local_now().year, 1999);
    EXPECT_EQ(compat::local_now().weekday, 5);
    EXPECT_EQ(compat::local_now().hour, 0);
  }
  // The system clock again: today, not a fixed past year.
  EXPECT_GE(compat::local_now().year, 2024);
}

}  // namespace
