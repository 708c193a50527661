#pragma once
#include <string>

// A labelled integer that remembers its largest value and can show itself as text; the root
// of the timing kit's counters.
class TTrackingVar {
 public:
  TTrackingVar() = default;
  virtual ~TTrackingVar() = default;

  virtual void Init();
  // Draws GetDisplay() at (x, y) with the current drawing state.
  virtual void Display(int x, int y);
  // Label, then current and maximum zero-padded to displayLimitChars, as in "Ticks   003/012".
  virtual std::string GetDisplay();

  int current = 0;
  int maximum = 0;
  int displayLimit = 999;
  int displayLimitChars = 3;
  std::string Label;
};

// Decimal text of value, zero-padded on the left to width characters; never cut.
std::string ZeroPadded(int value, int width);
