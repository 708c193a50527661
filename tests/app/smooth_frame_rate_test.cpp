#include <gtest/gtest.h>

#include <cmath>

#include "app/smooth_frame_rate.hpp"
#include "platform/clock.hpp"

namespace {
// Under a scripted clock time moves only by the work a test adds and by the limiter's busy wait.
using WaitingClock = ScriptedClock;

// Frames of a fixed amount of work until the limiter has measured once.
void RunUntilMeasured(ScriptedClock& clock, int work_ms) {
  for (int frame = 0; frame < 1000 && TSmoothFrameRate::MeasuredFPS == 0; ++frame) {
    clock.Advance(work_ms);
    TSmoothFrameRate::Update();
  }
}
}  // namespace

TEST(SmoothFrameRate, FirstFrameAfterResetWaitsUntilFifteenMillisecondsHavePassed) {
  WaitingClock clock(1000);
  TSmoothFrameRate::Reset();
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 60);
  EXPECT_EQ(TSmoothFrameRate::NextFrameTime, 1015);
  TSmoothFrameRate::Update();
  EXPECT_EQ(clock.Now(), 1016);
}

TEST(SmoothFrameRate, MeasurementAimsOneFrameAboveWhatTheWorkAllows) {
  WaitingClock clock(5000);
  TSmoothFrameRate::Reset();
  RunUntilMeasured(clock, 10);
  EXPECT_DOUBLE_EQ(TSmoothFrameRate::MeasuredFPS, 100.0);
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 101);
  // Period 1000 div 101 - 1 = 8 ms: a frame of 10 ms of work is never held back.
  int before = clock.Now();
  clock.Advance(10);
  TSmoothFrameRate::Update();
  EXPECT_EQ(clock.Now(), before + 10);
}

TEST(SmoothFrameRate, RatesTruncateAndZeroLeavesTheSlot) {
  ScriptedClock clock(0);
  TSmoothFrameRate::Reset();
  TSmoothFrameRate::SetFPS(60.9);
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 60);
  EXPECT_EQ(TSmoothFrameRate::NextFrameTime, 15);
  TSmoothFrameRate::SetFPS(0);
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 0);
  EXPECT_EQ(TSmoothFrameRate::NextFrameTime, 15);
  clock.Set(100);
  TSmoothFrameRate::Update();  // a zero target must not divide by zero
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 0);
}

TEST(SmoothFrameRate, ZeroWorkTimeGivesAnUnboundedRateAndNoWait) {
  WaitingClock clock(0);
  TSmoothFrameRate::Reset();
  // Each frame's wait ends exactly where the next update starts: no work time is measured.
  RunUntilMeasured(clock, 0);
  EXPECT_TRUE(std::isinf(TSmoothFrameRate::MeasuredFPS));
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 2147483647);
  int before = clock.Now();
  TSmoothFrameRate::Update();
  EXPECT_EQ(clock.Now(), before);
}

TEST(SmoothFrameRate, TimesStayExactAfterWeeksOfUptime) {
  WaitingClock clock(2000000000);  // about 23 days since boot: a float would step by 128 ms
  TSmoothFrameRate::Reset();
  RunUntilMeasured(clock, 3);
  EXPECT_DOUBLE_EQ(TSmoothFrameRate::MeasuredFPS, 1000.0 / 3.0);
}

TEST(SmoothFrameRate, KeepsMeasuringAfterTheClockWrapsSinceReset) {
  WaitingClock clock(0);
  TSmoothFrameRate::Reset();
  for (int i = 0; i < 3; ++i) {  // three stalls: 4.5e9 ms, past the 32-bit clock's wrap
    clock.Advance(1500000000);
    TSmoothFrameRate::Update();
  }
  const int start = clock.Now();
  while (ClockDiff(clock.Now(), start) < 6000) {  // two windows of 10 ms frames
    clock.Advance(10);
    TSmoothFrameRate::Update();
  }
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 101);
}
