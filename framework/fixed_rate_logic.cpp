#include "framework/fixed_rate_logic.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/clock.hpp"

float vorpel::Delta = 0.0f;

namespace {

// Truncation toward zero that saturates instead of overflowing; NaN gives 0.
int TruncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

}  // namespace

void TFixedRateLogic::Create() { History.assign(std::max(HistorySizeMax, 1), 0); }

void TFixedRateLogic::Init() {
  CalcMS();
  LastTime = MillisecondClock();
  NumTicks = 0;
  LastNumTicks = 1.0;
  SetDelta(1.0f);
  TTrackingVar::Init();
  First = FirstMax;
}

void TFixedRateLogic::CalcMS() {
  const int rate = TruncToInt(Framerate);
  // No rate means no ticks rather than a division by zero.
  MS = rate > 0 ? 1000.0f / static_cast<float>(rate) : std::numeric_limits<float>::infinity();
}

void TFixedRateLogic::SetThreshold(int ms) { Threshold = ms; }

void TFixedRateLogic::Calc() {
  const int now = MillisecondClock();
  if (now < LastTime) {
    NumTicks = LastNumTicks;  // the clock went backwards or wrapped: repeat the last frame
  } else {
    TmpMS = std::max(std::min(now - LastTime, double(Threshold)), 0.0);
    double average = TmpMS;
    if (First > 0) --First;
    else average = AddToHistory(TmpMS);
    if (!JitterCorrection || TmpMS < average - 1 || TmpMS > average + 1) average = TmpMS;
    NumTicks = average / MS;
  }
  LastTime = now;
  LastNumTicks = NumTicks;
  if (NumTicks > maximum) maximum = TruncToInt(NumTicks);
  current = TruncToInt(NumTicks);
}

double TFixedRateLogic::AddToHistory(double ms) {
  if (History.empty()) Create();  // a forgotten Create must not write out of bounds
  const int capacity = std::clamp(HistorySizeMax, 1, static_cast<int>(History.size()));
  HistorySize = std::clamp(HistorySize, 1, capacity);
  if (HistoryCounter < 0 || HistoryCounter >= capacity) HistoryCounter = 0;
  History[HistoryCounter] = TruncToInt(ms);
  long long sum = 0;
  for (int i = 0; i < HistorySize; ++i) sum += History[i];
  const double average = static_cast<double>(sum) / HistorySize;
  ++HistoryCounter;
  if (HistorySize < capacity) ++HistorySize;
  if (HistoryCounter >= HistorySize) HistoryCounter = 0;
  return average;
}

void TFixedRateLogic::SetDelta(float delta) {
  vorpel::Delta = delta * DeltaMultiplier;
  FullDelta = delta;
}

void TFixedRateLogic::SetDefaultFramerate(int rate) {
  FramerateDefault = rate;
  Framerate = static_cast<float>(rate);
}

void TFixedRateLogic::HistoryClear() {
  const int used = std::clamp(HistorySize, 0, static_cast<int>(History.size()));
  std::fill(History.begin(), History.begin() + used, 0);
  HistorySize = 1;
  HistoryCounter = 0;
}
