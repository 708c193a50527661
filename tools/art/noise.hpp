#pragma once
#include <cstdint>

// Seeded randomness for the pictures: a hash, a small generator, and gradient and cellular
// noise. The 2D kinds repeat with a whole-number period so tiles join without a seam.
namespace art {

std::uint32_t Hash(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0, std::uint32_t d = 0);
// A hash as a float in [0, 1).
inline float HashUnit(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0,
                      std::uint32_t d = 0) {
  return float(Hash(a, b, c, d) >> 8) * (1.0f / 16777216.0f);
}

// A splitmix64 generator: the same seed always draws the same numbers on every machine.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  float Unit() { return float(Next() >> 40) * (1.0f / 16777216.0f); }
  float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
  int Int(int lo, int hi) { return lo + int(Next() % std::uint64_t(hi - lo + 1)); }

 private:
  std::uint64_t state_;
};

// Gradient noise in about [-1, 1] on a lattice that repeats every `period` cells.
float Perlin(float x, float y, int period, std::uint32_t seed);
// Fractal sum over the unit square (u, v in tile units, one tile = 1), repeating at 1: the
// first octave has `period` cells, each next one twice as many at `gain` times the weight.
float FbmTile(float u, float v, int period, int octaves, std::uint32_t seed, float gain = 0.5f);

// Fractal noise over the unit square whose coordinates are themselves pushed around by noise:
// flowing, smoky shapes; repeats at 1 like FbmTile.
float WarpedTile(float u, float v, std::uint32_t seed, int period, int octaves, float warp);

// Distances to the nearest and second nearest of one jittered point per cell, in cell units,
// on an n x n grid over the unit square that wraps round.
struct Cells {
  float f1 = 0, f2 = 0;
  std::uint32_t id = 0;  // which point is nearest
};
Cells WorleyTile(float u, float v, int n, std::uint32_t seed, float jitter = 0.9f);

// Gradient noise in space (not repeating), about [-1, 1], and its fractal sum.
float Perlin3(float x, float y, float z, std::uint32_t seed);
float Fbm3(float x, float y, float z, int octaves, std::uint32_t seed, float gain = 0.5f);

}  // namespace art
