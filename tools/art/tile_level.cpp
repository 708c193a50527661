// A tile repeats every 410 pixels on a 1280 x 800 screen, so a patch of light or shade as
// large as a quarter of it, or a clump of small shapes, marks every copy. Levelling takes such
// patches out and keeps the finer texture and the colours; scattering spreads the shapes.
#include <algorithm>
#include <cmath>

#include "tools/art/tiles.hpp"

namespace art {
namespace {

// The local mean of one value per pixel, wrapped round the tile's edges, and its overall mean.
template <class ValueFn>
Canvas LocalMean(const Canvas& c, float sigma, ValueFn value, float* mean) {
  Canvas m(c.width(), c.height());
  double sum = 0;
  for (std::size_t i = 0; i < c.pixels().size(); ++i) {
    float v = value(c.pixels()[i]);
    m.pixels()[i] = {v, v, v, 1};
    sum += v;
  }
  *mean = float(sum / double(c.pixels().size()));
  Blur(m, sigma, true);
  return m;
}

// How much to scale a pixel whose neighbourhood has `local` where the tile has `mean`: never
// so much that a nearly empty corner is blown up into a glare.
float Gain(float mean, float local) {
  return std::clamp(mean / std::max(local, 1e-4f), 0.4f, 2.5f);
}

}  // namespace

void LevelBack(Canvas& c, float sigma) {
  float mean = 0;
  Canvas local = LocalMean(
      c, sigma,
      [](Rgba p) {
        return Luma({p.r, p.g, p.b});
      },
      &mean);
  for (std::size_t i = 0; i < c.pixels().size(); ++i) {
    Rgba& p = c.pixels()[i];
    float k = Gain(mean, local.pixels()[i].r);
    p = {p.r * k, p.g * k, p.b * k, p.a};
  }
}

void LevelFront(Canvas& c, float sigma) {
  float mean = 0;
  Canvas local = LocalMean(
      c, sigma, [](Rgba p) { return p.a; }, &mean);
  for (std::size_t i = 0; i < c.pixels().size(); ++i) {
    Rgba& p = c.pixels()[i];
    float k = Gain(mean, local.pixels()[i].r);
    if (p.a * k > 1) k = 1 / p.a;
    p = p * k;
  }
}

Spot Scatter(Rng& rng, int i, int n) {
  int side = std::max(1, int(std::sqrt(float(n))));
  int cell = i % (side * side);
  float size = float(kTileSize) / float(side);
  float x = (float(cell % side) + rng.Unit()) * size;
  return {x, (float(cell / side) + rng.Unit()) * size};
}

}  // namespace art
