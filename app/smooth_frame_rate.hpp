#pragma once

// Holds the main loop to an even frame spacing. It measures, every 2500 ms, how many frames per
// second the work between updates allows and aims one frame per second above that, so the wait
// evens out the spacing without lowering the rate the machine can reach. Class-level state only.
//
// The fractional times count milliseconds since the last Reset in doubles: clock values
// themselves grow too large for a float to hold to the millisecond after a few hours, and the
// 32-bit clock wraps after 49.7 days, which a count kept in the clock's own width would too.
class TSmoothFrameRate {
 public:
  static void Reset();
  static void SetFPS(double rate);
  // Once per main-loop pass, after the frame was drawn and flipped. Busy-waits for the slot.
  static void Update();

  static inline int TargetFPS = 60;
  static inline int NextFrameTime = 0;  // a clock value
  static inline double FrameCount = 0;
  static inline double LastFrameEnd = 0;
  static inline double WorkTime = 0;
  static inline double NextMeasureTime = 0;
  static inline double MeasuredFPS = 0;
  static inline double WaitTime = 0;  // ms spent busy-waiting since Reset, for the run statistics

 private:
  static double Now();  // milliseconds since Reset, however long ago
  static inline int last_reading_ = 0;
  static inline double since_reset_ = 0;
};
