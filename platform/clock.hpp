#pragma once
#include <functional>

// The system's millisecond counter: a 32-bit count that wraps, read as an int like the
// system call it stands in for. Differences of two readings are taken in unsigned arithmetic.
int MillisecondClock();

// Sleeps for a number of milliseconds (nothing for zero or less).
void SleepMilliseconds(int ms);

// One turn of a wait for the clock's next tick: a nap of a tenth of a millisecond, short of
// any tick a caller waits for but long enough not to keep a core busy. Under a scripted clock
// this moves it on by a millisecond so that such waits end.
void ClockSpin();

// Difference b - a of two clock readings with 32-bit wrap-around, no overflow.
inline int ClockDiff(int later, int earlier) {
  return static_cast<int>(static_cast<unsigned>(later) - static_cast<unsigned>(earlier));
}

// Test seam: a scripted clock. While installed, MillisecondClock returns its value and a sleep
// advances it instead of waiting, so timing code runs deterministically and instantly.
class ScriptedClock {
 public:
  explicit ScriptedClock(int start = 0);
  ~ScriptedClock();
  ScriptedClock(const ScriptedClock&) = delete;
  ScriptedClock& operator=(const ScriptedClock&) = delete;

  void Set(int now) { now_ = now; }
  void Advance(int ms) { now_ = ClockDiff(now_, -ms); }
  int Now() const { return now_; }
  int TotalSlept() const { return slept_; }
  // Called on every clock read (for example to move time on while code busy-waits).
  std::function<void(ScriptedClock&)> on_read;
  // Called after every sleep has advanced the clock (for example to end a wait after a few).
  std::function<void(ScriptedClock&)> on_sleep;

 private:
  friend int MillisecondClock();
  friend void SleepMilliseconds(int);
  friend void ClockSpin();
  int now_;
  int slept_ = 0;
};
