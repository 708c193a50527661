#pragma once
#include <cstdint>

#include "tools/art/canvas.hpp"
#include "tools/art/noise.hpp"

// The tiled background pictures. Every set has a colour theme shared by its two pairs: a back
// layer (opaque) and a front layer (partly clear) that drifts over it at twice the speed.
namespace art {

inline constexpr int kTileSize = 256;

enum class BackPattern { kClouds, kDepths, kSilk, kStars, kMarble, kMarbling, kBokeh, kFrost };
// clang-format off
enum class FrontPattern {
  kCaustics, kRays, kMotes, kBokeh, kVeils, kAurora, kSparkles, kRings, kWisps
};
// clang-format on

struct Theme {
  Rgb deep, mid, light, accent, glow;  // darkest to brightest, an accent and a light colour
  BackPattern back[2];                 // layers b and d
  FrontPattern front[2];               // layers a and c
};

Theme ThemeFor(int set);

// Layer 'a', 'b', 'c' or 'd' of bubble set 1..10, kTileSize square.
Canvas MakeTile(int set, char layer);

Canvas MakeBack(BackPattern p, const Theme& t, std::uint32_t seed);
Canvas MakeFront(FrontPattern p, const Theme& t, std::uint32_t seed);

// Take out of a tile the light and dark patches (LevelBack) or the denser and clearer
// stretches (LevelFront) larger than about sigma pixels; finer texture stays as it is.
void LevelBack(Canvas& c, float sigma);
void LevelFront(Canvas& c, float sigma);
// Patches this large and larger are what the eye finds the tiling by.
inline constexpr float kLevelSigma = 16;

// Where the i-th of n small shapes goes: one to each cell of a grid before any cell gets a
// second, so they spread over the tile instead of clumping somewhere in every copy.
struct Spot {
  float x, y;
};
Spot Scatter(Rng& rng, int i, int n);

// Paints every pixel of a new tile from paint(u, v), u and v in [0, 1) across it.
template <class PaintFn>
Canvas ShadeTile(PaintFn paint) {
  Canvas c(kTileSize, kTileSize);
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x)
      c.at(x, y) = paint((float(x) + 0.5f) / kTileSize, (float(y) + 0.5f) / kTileSize);
  return c;
}

}  // namespace art
