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

TEST(SmoothFrameRate, FirstFrameAfterResetWaitsASixtiethOfASecond) {
  WaitingClock clock(1000);
  TSmoothFrameRate::Reset();
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 60);
  EXPECT_NEAR(TSmoothFrameRate::NextFrameTime, 1000.0 / 60, 1e-9);
  TSmoothFrameRate::Update();
  EXPECT_EQ(clock.Now(), 1017);
}

TEST(SmoothFrameRate, MeasurementAimsOneFrameAboveWhatTheWorkAllows) {
  WaitingClock clock(5000);
  TSmoothFrameRate::Reset();
  TSmoothFrameRate::CeilingFPS = 240;
  RunUntilMeasured(clock, 10);
  EXPECT_DOUBLE_EQ(TSmoothFrameRate::MeasuredFPS, 100.0);
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 101);
  // A slot every 9.9 ms: a frame of 10 ms of work is never held back.
  int before = clock.Now();
  clock.Advance(10);
  TSmoothFrameRate::Update();
  EXPECT_EQ(clock.Now(), before + 10);
}

TEST(SmoothFrameRate, RatesTruncateAndZeroLeavesTheSlot) {
  ScriptedClock clock(0);
  TSmoothFrameRate::Reset();
  TSmoothFrameRate::SetFPS(50.9);
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 50);
  EXPECT_DOUBLE_EQ(TSmoothFrameRate::NextFrameTime, 20);
  TSmoothFrameRate::SetFPS(0);
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 0);
  EXPECT_DOUBLE_EQ(TSmoothFrameRate::NextFrameTime, 20);
  clock.Set(100);
  TSmoothFrameRate::Update();  // a zero target must not divide by zero
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 0);
}

// Frames that take no time at all: an unbounded measured rate, held to the display's.
TEST(SmoothFrameRate, NoMoreFramesThanTheDisplayShowsAndTheWaitSleeps) {
  WaitingClock clock(0);
  TSmoothFrameRate::Reset();
  TSmoothFrameRate::CeilingFPS = 75;
  RunUntilMeasured(clock, 0);
  EXPECT_TRUE(std::isinf(TSmoothFrameRate::MeasuredFPS));
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, 75);
  const int start = clock.Now(), slept = clock.TotalSlept();
  const double waited = TSmoothFrameRate::WaitTime;
  int frames = 0;
  for (; ClockDiff(clock.Now(), start) < 10000; ++frames) {
    clock.Advance(frames % 3);  // 0 to 2 ms of work
    TSmoothFrameRate::Update();
  }
  EXPECT_NEAR(frames, 750, 2);
  const double polled = TSmoothFrameRate::WaitTime - waited - (clock.TotalSlept() - slept);
  EXPECT_LE(polled, frames) << "at most about a millisecond of polling per frame";
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
  EXPECT_EQ(TSmoothFrameRate::TargetFPS, TSmoothFrameRate::CeilingFPS);
}
