#include "app/smooth_frame_rate.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/clock.hpp"
#include "platform/graphics.hpp"

namespace {
// A rate as the int the target holds. An unbounded or out-of-range measurement (work time 0 over
// a whole window) becomes the largest target: the ceiling then holds it.
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
  const int refresh = GraphicsRefreshRate();
  CeilingFPS = refresh > 0 ? refresh : 60;
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
  TargetFPS = std::min(TargetFromRate(rate), CeilingFPS);
  if (TargetFPS > 0) NextFrameTime = Now() + 1000.0 / TargetFPS;
}

void TSmoothFrameRate::WaitForSlot() {
  const double start = Now();
  for (double left; (left = NextFrameTime - Now()) > 0;) {
    if (left >= 1) SleepMilliseconds(int(left));
    else ClockSpin();  // the last millisecond in short naps: a whole one could overshoot it
  }
  WaitTime += Now() - start;
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
  if (TargetFPS > 0) {
    WaitForSlot();
    // On time, the next slot follows this one, so the frames keep the target's rate exactly;
    // late, it follows now.
    const double now = Now();
    NextFrameTime = (now - NextFrameTime >= 1 ? now : NextFrameTime) + 1000.0 / TargetFPS;
  }
  LastFrameEnd = Now();
}
