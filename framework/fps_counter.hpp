#pragma once
#include <string>

#include "framework/tracking_var.hpp"

// Counts drawn frames in windows of just over a second; `current` holds the count of the last
// closed window (raw, not scaled to one second).
class TFPSCounter : public TTrackingVar {
 public:
  void Init() override;
  // Label and current zero-padded (this is what Display draws); GetDisplayFPS leaves the
  // number unpadded.
  std::string GetDisplay() override;
  // Once per drawn frame.
  virtual void Calc();
  virtual std::string GetDisplayFPS();

  int counter = 0;
  int time = 0;
  int framerate = 0;
  int minimum = 999;
};
