#pragma once
#include <climits>
#include <cmath>

// Real to integer, truncating toward zero like every conversion of the kit. Values beyond the
// int range saturate and NaN gives 0, so garbage in a field can never reach undefined behaviour.
inline int TruncToInt(double v) {
  if (!(v == v)) return 0;
  if (v >= 2147483647.0) return INT_MAX;
  if (v <= -2147483648.0) return INT_MIN;
  return static_cast<int>(v);
}
