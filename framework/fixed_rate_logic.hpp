#pragma once
#include <vector>

#include "framework/tracking_var.hpp"

// The delta of the logic step about to run, as published by TFixedRateLogic::SetDelta. In the
// kit's namespace so that a program's own global Delta does not clash with it.
namespace vorpel {
extern float Delta;
}

// Turns the time since the previous frame into a number of fixed-rate logic ticks (fractional),
// smoothing small timer jitter with the average of recent frame times.
//
// Use: Create once, Init to start (and again after a long pause), then once per frame Calc and
// run floor(NumTicks) steps with SetDelta(1.0) and, for a remainder r > 0, one with SetDelta(r).
class TFixedRateLogic : public TTrackingVar {
 public:
  void Init() override;
  // Gives the history its HistorySizeMax entries, all 0.
  virtual void Create();
  virtual void CalcMS();
  virtual void SetThreshold(int ms);
  virtual void Calc();
  virtual void SetDelta(float delta);
  // Sets the rate; MS follows only with CalcMS or Init.
  virtual void SetDefaultFramerate(int rate);
  virtual void HistoryClear();

  int FramerateDefault = 200;
  float Framerate = 200.0f;
  double LastTime = 0;
  double TmpMS = 0;
  double NumTicks = 0;
  double LastNumTicks = 0;
  float MS = 0;
  float DeltaMultiplier = 1.0f;
  float FullDelta = 0;
  int Threshold = 50;
  int JitterCorrection = 1;
  int HistorySize = 1;
  int HistorySizeMax = 50;
  std::vector<int> History;
  int HistoryCounter = 0;
  int First = 0;
  int FirstMax = 5;
  int IgnoreHistoryOnSpeedUp = 1;

 private:
  // Records this frame's time and returns the average of the recorded frames.
  double AddToHistory(double ms);
};
