// Front layers: light laid over the back layer, mostly clear so the back shows through;
// shapes near an edge are drawn again across it so the tile joins without a seam.
#include <cmath>

#include "tools/art/noise.hpp"
#include "tools/art/tiles.hpp"

namespace art {
namespace {

constexpr float kTau = 6.2831853f;

// Light focused by a rippling surface: a net of bright curved threads.
Canvas Caustics(const Theme& t, std::uint32_t seed) {
  return ShadeTile([&](float u, float v) {
    float wu = u + 0.07f * FbmTile(u, v, 2, 3, seed + 1),
          wv = v + 0.07f * FbmTile(u, v, 2, 3, seed + 2);
    Cells a = WorleyTile(wu, wv, 5, seed), b = WorleyTile(wu + 0.31f, wv + 0.17f, 4, seed + 3);
    float net = std::exp(-(a.f2 - a.f1) * 13.0f) + 0.6f * std::exp(-(b.f2 - b.f1) * 10.0f);
    float patch = Smoothstep(-0.35f, 0.45f, FbmTile(u, v, 4, 3, seed + 4));
    float k = Clamp01(0.55f * net * net * (0.3f + 0.7f * patch));
    return Paint(Mix(t.glow, Grey(1), 0.5f * k), 0.75f * k);
  });
}

// A few broad shafts of light slanting down, brighter in some places than others.
Canvas Rays(const Theme& t, std::uint32_t seed) {
  const int kx[] = {2, 3, 5}, ky[] = {-1, -1, -2};
  const float weight[] = {1.0f, 0.8f, 0.5f};
  return ShadeTile([&](float u, float v) {
    float sum = 0;
    for (int i = 0; i < 3; ++i) {
      float wobble = 1.2f * FbmTile(u, v, 2, 2, seed + std::uint32_t(i) * 7);
      float phase = kTau * (float(kx[i]) * u + float(ky[i]) * v) + wobble + float(i) * 2.1f;
      float along = Smoothstep(-0.35f, 0.45f, FbmTile(u, v, 2, 3, seed + 40 + std::uint32_t(i)));
      sum += weight[i] * along * std::pow(0.5f + 0.5f * std::cos(phase), 4.0f);
    }
    return Paint(Mix(t.glow, Grey(1), 0.3f), 0.38f * Clamp01(sum));
  });
}

// A round soft light centred at (x, y), drawn round the tile's edges.
void Glow(Canvas& c, float x, float y, float r, Rgb col, float core, float halo) {
  Shade(
      c, Around(x, y, r * 4, r * 4),
      [&](float px, float py) {
        float d = std::hypot(px - x, py - y);
        return Paint(col,
                     Clamp01(core * Coverage(d - r) + halo * std::exp(-d * d / (r * r * 3.0f))));
      },
      true);
}

// Drifting specks of dust or pollen catching the light.
Canvas Motes(const Theme& t, std::uint32_t seed) {
  Canvas c(kTileSize, kTileSize);
  Rng rng(seed);
  for (int i = 0; i < 90; ++i) {
    Spot at = Scatter(rng, i, 90);
    float r = 0.4f + 1.6f * std::pow(rng.Unit(), 2.0f);
    Rgb col = Mix(t.glow, Grey(1), rng.Unit());
    float core = rng.Range(0.35f, 0.85f);
    Glow(c, at.x, at.y, r, col, core, rng.Range(0.15f, 0.4f));
  }
  for (int i = 0; i < 10; ++i) {
    Spot at = Scatter(rng, i, 10);
    Glow(c, at.x, at.y, rng.Range(4, 9), t.glow, 0.05f, 0.1f);
  }
  return c;
}

// Large out-of-focus discs of light.
Canvas Bokeh(const Theme& t, std::uint32_t seed) {
  Canvas c(kTileSize, kTileSize);
  Rng rng(seed);
  const Rgb lights[] = {t.glow, t.light, t.accent};
  for (int i = 0; i < 26; ++i) {
    auto [x, y] = Scatter(rng, i, 26);
    float r = rng.Range(5, 24);
    float a = rng.Range(0.07f, 0.22f);
    Rgb col = Mix(lights[rng.Int(0, 2)], Grey(1), 0.2f);
    Shade(
        c, Around(x, y, r, r),
        [&](float px, float py) {
          float d = std::hypot(px - x, py - y) - r;
          return Paint(
              col, a * (Coverage(d) * 0.75f + 0.6f * std::exp(-d * d * 0.6f) * Coverage(d - 1.0f)));
        },
        true);
  }
  Blur(c, 0.8f, true);
  return c;
}

// Slow drifting veils of coloured mist.
Canvas Veils(const Theme& t, std::uint32_t seed) {
  return ShadeTile([&](float u, float v) {
    float n = WarpedTile(u, v, seed, 4, 5, 0.5f);
    float k = Smoothstep(-0.05f, 0.45f, n);
    return Paint(Mix(t.light, t.glow, Smoothstep(0.2f, 0.6f, n)), 0.32f * k);
  });
}

// Ribbons of polar light hanging in curtains: a bright lower hem fading upwards into colour.
Canvas Aurora(const Theme& t, std::uint32_t seed) {
  return ShadeTile([&](float u, float v) {
    Rgba out;
    for (int ribbon = 0; ribbon < 2; ++ribbon) {
      std::uint32_t s = seed + std::uint32_t(ribbon) * 50;
      float across = 0.3f + 0.4f * float(ribbon);  // a fixed row of the noise for this ribbon
      // The hem wanders by noise more than it swings: a regular swing repeats as a wave.
      float hem = 0.35f + 0.5f * float(ribbon) +
                  0.025f * std::sin(kTau * float(2 + ribbon) * u + float(ribbon) * 2.0f) +
                  0.13f * FbmTile(u, across, 4, 3, s);
      float dv = v - hem;
      dv -= std::floor(dv + 0.5f);  // the nearest repeat of the ribbon
      float shape = dv < 0 ? std::exp(dv * 6.0f) : std::exp(-dv * dv * 2500.0f);
      float bent = u + 0.02f * FbmTile(u, v, 3, 2, s + 7);
      float rays = 0.3f + 0.7f * Smoothstep(-0.3f, 0.6f, FbmTile(bent, across, 12, 2, s + 3));
      float along = 0.4f + 0.6f * Smoothstep(-0.4f, 0.4f, FbmTile(u, v, 2, 2, s + 5));
      float k = Clamp01(shape * rays * along);
      Rgb col = Mix(Mix(t.glow, Grey(1), 0.35f), t.glow, Smoothstep(0.0f, 0.03f, -dv));
      Over(out, Paint(Mix(col, t.accent, Smoothstep(0.03f, 0.25f, -dv)), 0.7f * k));
    }
    return out;
  });
}

// Four-pointed glints and tiny stars.
Canvas Sparkles(const Theme& t, std::uint32_t seed) {
  Canvas c(kTileSize, kTileSize);
  Rng rng(seed);
  for (int i = 0; i < 80; ++i) {
    Spot at = Scatter(rng, i, 80);
    float r = rng.Range(0.4f, 0.9f);
    Glow(c, at.x, at.y, r, Mix(t.glow, Grey(1), 0.6f), rng.Range(0.3f, 0.8f), 0.2f);
  }
  for (int i = 0; i < 16; ++i) {
    auto [x, y] = Scatter(rng, i, 16);
    float len = rng.Range(5, 14);
    float a = rng.Range(0.45f, 0.9f);
    Shade(
        c, Around(x, y, len, len),
        [&](float px, float py) {
          float dx = std::abs(px - x), dy = std::abs(py - y);
          float arms = std::exp(-dx / (len * 0.25f)) * std::exp(-dy * dy * 1.2f) +
                       std::exp(-dy / (len * 0.25f)) * std::exp(-dx * dx * 1.2f);
          float core = std::exp(-(dx * dx + dy * dy) / 3.0f);
          return Paint(Mix(t.glow, Grey(1), 0.7f), a * Clamp01(arms * 0.8f + core));
        },
        true);
  }
  return c;
}

// Tiny far-off bubbles: faint rings with a glint.
Canvas Rings(const Theme& t, std::uint32_t seed) {
  Canvas c(kTileSize, kTileSize);
  Rng rng(seed);
  for (int i = 0; i < 22; ++i) {
    auto [x, y] = Scatter(rng, i, 22);
    float r = 2.5f + 10.0f * std::pow(rng.Unit(), 2.0f);
    float a = rng.Range(0.15f, 0.45f);
    Shade(
        c, Around(x, y, r + 2, r + 2),
        [&](float px, float py) {
          float d = std::hypot(px - x, py - y);
          float ring = std::exp(-(d - r) * (d - r) * 1.4f) * (0.6f + 0.4f * Smoothstep(0.0f, r, d));
          float glint =
              std::exp(-(std::pow(px - x + r * 0.4f, 2.0f) + std::pow(py - y + r * 0.4f, 2.0f)) /
                       (r * 0.08f + 0.6f));
          float fill = 0.05f * Coverage(d - r);
          return Paint(Mix(t.glow, Grey(1), glint), a * Clamp01(ring + glint + fill));
        },
        true);
  }
  return c;
}

// Thin luminous threads of gas.
Canvas Wisps(const Theme& t, std::uint32_t seed) {
  return ShadeTile([&](float u, float v) {
    float n = WarpedTile(u, v, seed, 4, 5, 0.7f);
    float ridge = std::pow(std::max(0.0f, 1.0f - std::abs(n) * 1.6f), 7.0f);
    float body = Smoothstep(-0.2f, 0.5f, FbmTile(u, v, 4, 3, seed + 8));
    float k = Clamp01(ridge) * (0.3f + 0.7f * body);
    return Paint(Mix(t.accent, t.glow, k), 0.42f * k);
  });
}

Canvas Pattern(FrontPattern p, const Theme& t, std::uint32_t seed) {
  switch (p) {
    case FrontPattern::kCaustics:
      return Caustics(t, seed);
    case FrontPattern::kRays:
      return Rays(t, seed);
    case FrontPattern::kMotes:
      return Motes(t, seed);
    case FrontPattern::kBokeh:
      return Bokeh(t, seed);
    case FrontPattern::kVeils:
      return Veils(t, seed);
    case FrontPattern::kAurora:
      return Aurora(t, seed);
    case FrontPattern::kSparkles:
      return Sparkles(t, seed);
    case FrontPattern::kRings:
      return Rings(t, seed);
    case FrontPattern::kWisps:
      return Wisps(t, seed);
  }
  return Motes(t, seed);
}

// Patterns of scattered small shapes are spread out as they are drawn; levelling would only
// dim the shapes that happen to lie close together.
bool Scattered(FrontPattern p) {
  using F = FrontPattern;
  return p == F::kMotes || p == F::kBokeh || p == F::kSparkles || p == F::kRings;
}

}  // namespace

Canvas MakeFront(FrontPattern p, const Theme& t, std::uint32_t seed) {
  Canvas c = Pattern(p, t, seed);
  if (!Scattered(p)) LevelFront(c, kLevelSigma);
  return c;
}

}  // namespace art
