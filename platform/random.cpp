#include "platform/random.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
constexpr int kModulus = 2147483647;
constexpr int kInitialState = 0x1234;
int g_state = kInitialState;

int NextState() {
  // Schrage's method: 48271 * state mod (2^31 - 1) without 32-bit overflow.
  int hi = g_state / 44488;
  int lo = g_state % 44488;
  int next = 48271 * lo - 3399 * hi;
  if (next < 0) next += kModulus;
  g_state = next;
  return next;
}
}  // namespace

void SeedRnd(int seed) {
  g_state = seed & 0x7FFFFFFF;
  if (g_state == 0 || g_state == kModulus) g_state = kInitialState;
}

int RndSeed() { return g_state; }

double RndReal() {
  int r1 = NextState();
  int r2 = NextState();
  return ((r1 & 0x1FFFFFFC) + (r2 & 0x1FFFFFF8) / 134217728.0) / 536870912.0;
}

double Rnd(double a, double b) { return std::min(a, b) + RndReal() * std::fabs(b - a); }

int Rand(int a, int b) {
  // Widened so that the full int range neither overflows nor converts out of range.
  std::int64_t lo = std::min(a, b);
  std::int64_t span = std::int64_t(std::max(a, b)) - lo + 1;
  return static_cast<int>(lo + static_cast<std::int64_t>(RndReal() * double(span)));
}
