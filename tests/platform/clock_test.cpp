#include <gtest/gtest.h>

#include <climits>

#include "platform/clock.hpp"

TEST(Clock, ScriptedClockAnswersAndSleepsAdvanceIt) {
  ScriptedClock clock(1000);
  EXPECT_EQ(MillisecondClock(), 1000);
  SleepMilliseconds(9);
  EXPECT_EQ(MillisecondClock(), 1009);
  EXPECT_EQ(clock.TotalSlept(), 9);
  SleepMilliseconds(-4);
  EXPECT_EQ(MillisecondClock(), 1009);
}

TEST(Clock, DifferencesSurviveTheWrap) {
  EXPECT_EQ(ClockDiff(INT_MIN + 5, INT_MAX - 4), 10);
  EXPECT_EQ(ClockDiff(100, 40), 60);
  EXPECT_EQ(ClockDiff(40, 100), -60);
  ScriptedClock clock(INT_MAX);
  clock.Advance(2);
  EXPECT_EQ(MillisecondClock(), INT_MIN + 1);
}

TEST(Clock, RealClockMovesForward) {
  int a = MillisecondClock();
  SleepMilliseconds(5);
  EXPECT_GE(ClockDiff(MillisecondClock(), a), 4);
}
