#include "app/smooth_frame_rate.hpp"

#include <cmath>
#include <cstdint>

#include "platform/clock.hpp"

namespace {
// The frame period for a target; a zero target (only SetFPS(0) makes one) means no wait.
int Period(int target) { return target != 0 ? 1000 / target - 1 : -1; }

// A rate as the int the target holds. An unbounded or out-of-range measurement (work time 0 over
// a whole window) becomes the largest target, whose period is 0: the limiter stops waiting.
int TargetFromRate(double rate) {
  if (std::isnan(rate)) return 0;
  if (rate >= 2147483647.0) return 2147483647;
  if (rate <= -2147483648.0) return -2147483647 - 1;
  return int(rate);
}
}  // namespace

double TSmoothFrameRate::Now() {
  const int now = MillisecondClock();
  since_reset_ += double(std::uint32_t(ClockDiff(now, last_reading_)));
  last_reading_ = now;
  return since_reset_;
}

void TSmoothFrameRate::Reset() {
  last_reading_ = MillisecondClock();
  since_reset_ = 0;
  LastFrameEnd = Now();
  FrameCount = 0;
  NextMeasureTime = Now() + 2500;
  WorkTime = 0;
  MeasuredFPS = 0;
  WaitTime = 0;
  SetFPS(60);
}

void TSmoothFrameRate::SetFPS(double rate) {
  if (rate == 0) {
    TargetFPS = 0;
    return;
  }
  TargetFPS = TargetFromRate(rate);
  NextFrameTime = ClockDiff(MillisecondClock(), -Period(TargetFPS));
}

void TSmoothFrameRate::Update() {
  FrameCount += 1;
  if (Now() > LastFrameEnd) WorkTime += Now() - LastFrameEnd;
  if (Now() > NextMeasureTime) {
    MeasuredFPS = 1000.0 / (WorkTime / FrameCount);
    FrameCount = 0;
    WorkTime = 0;
    SetFPS(MeasuredFPS + 1);
    NextMeasureTime = Now() + 2500;
  }
  const double wait_start = Now();
  while (ClockDiff(MillisecondClock(), NextFrameTime) <= 0) ClockSpin();
  WaitTime += Now() - wait_start;
  if (TargetFPS != 0) NextFrameTime = ClockDiff(MillisecondClock(), -Period(TargetFPS));
  LastFrameEnd = Now();
}
