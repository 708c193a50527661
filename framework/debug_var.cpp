#include "framework/debug_var.hpp"

#include "platform/clock.hpp"

void TDebugVar::Start() { current = MillisecondClock(); }

void TDebugVar::Calc() {
  current = ClockDiff(MillisecondClock(), current);  // right across the clock's wrap, too
  if (current > maximum) maximum = current;
  if (maximum > displayLimit) maximum = displayLimit;
}
