#include "platform/clock.hpp"

#include <chrono>
#include <cstdint>
#include <thread>

namespace {
ScriptedClock* g_scripted = nullptr;
}

ScriptedClock::ScriptedClock(int start) : now_(start) { g_scripted = this; }
ScriptedClock::~ScriptedClock() {
  if (g_scripted == this) g_scripted = nullptr;
}

int MillisecondClock() {
  if (g_scripted) {
    if (g_scripted->on_read) g_scripted->on_read(*g_scripted);
    return g_scripted->now_;
  }
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now().time_since_epoch())
                .count();
  return static_cast<int>(static_cast<std::uint32_t>(ms));
}

void SleepMilliseconds(int ms) {
  if (ms <= 0) return;
  if (g_scripted) {
    g_scripted->Advance(ms);
    g_scripted->slept_ += ms;
    if (g_scripted->on_sleep) g_scripted->on_sleep(*g_scripted);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void ClockSpin() {
  if (g_scripted) {
    g_scripted->Advance(1);
    return;
  }
  std::this_thread::sleep_for(std::chrono::microseconds(100));
}
