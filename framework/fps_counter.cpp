#include "framework/fps_counter.hpp"

#include "platform/clock.hpp"

void TFPSCounter::Init() {
  counter = 0;
  time = MillisecondClock();
  framerate = 0;
  minimum = 999;
  TTrackingVar::Init();
}

void TFPSCounter::Calc() {
  ++counter;
  const int now = MillisecondClock();
  if (ClockDiff(now, time) <= 1001) return;  // the window stays open
  framerate = counter;
  counter = 0;
  time = now;
  if (framerate > maximum) maximum = framerate;
  if (framerate < minimum) minimum = framerate;
  current = framerate;
}

std::string TFPSCounter::GetDisplay() { return Label + ZeroPadded(current, displayLimitChars); }

std::string TFPSCounter::GetDisplayFPS() { return Label + std::to_string(current); }
