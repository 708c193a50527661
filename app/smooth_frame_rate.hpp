#pragma once

// Holds the main loop to an even frame spacing. It measures, every 2500 ms, how many frames per
// second the work between updates allows and aims one frame per second above that, so the wait
// evens out the spacing without lowering the rate the machine can reach; but never above the
// display's refresh rate, where a buffer swap that does not wait for the display would make
// frames no one sees. The wait sleeps and polls the clock only for about its last millisecond.
// Class-level state only.
//
// Times count milliseconds since the last Reset in doubles: clock values themselves grow too
// large for a float to hold to the millisecond after a few hours, and the 32-bit clock wraps
// after 49.7 days, which a count kept in the clock's own width would too.
class TSmoothFrameRate {
 public:
  // Starts a measurement window aiming at 60 frames per second, and reads the display's rate.
  static void Reset();
  static void SetFPS(double rate);
  // Once per main-loop pass, after the frame was drawn and flipped. Waits for the frame's slot.
  static void Update();

  static inline int TargetFPS = 60;
  static inline int CeilingFPS = 60;        // the display's refresh rate; 60 when unknown
  static inline double NextFrameTime = 0;   // when the next frame may begin
  static inline double FrameCount = 0;
  static inline double LastFrameEnd = 0;
  static inline double WorkTime = 0;
  static inline double NextMeasureTime = 0;
  static inline double MeasuredFPS = 0;
  static inline double WaitTime = 0;  // ms spent waiting since Reset, for the run statistics

 private:
  static double Now();  // milliseconds since Reset, however long ago
  static void WaitForSlot();
  static inline int last_reading_ = 0;
  static inline double since_reset_ = 0;
};
