#pragma once
#include "framework/tracking_var.hpp"

// A stopwatch for a stretch of code: Start, then Calc leaves the elapsed milliseconds in
// `current` and the largest so far, clamped to displayLimit, in `maximum`.
class TDebugVar : public TTrackingVar {
 public:
  virtual void Start();
  virtual void Calc();
};
