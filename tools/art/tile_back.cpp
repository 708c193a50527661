// Back layers: opaque, calm, rich in colour; everything repeats across the tile's edges.
#include <cmath>

#include "tools/art/noise.hpp"
#include "tools/art/tiles.hpp"

namespace art {
namespace {

constexpr float kTau = 6.2831853f;

Rgb CloudColour(const Theme& t, float u, float v, std::uint32_t seed) {
  float n = WarpedTile(u, v, seed, 6, 5, 0.6f);
  const Rgb stops[] = {t.deep, t.mid, Mix(t.mid, t.accent, 0.5f), Mix(t.accent, t.light, 0.35f)};
  return Ramp(stops, 0.42f + 1.25f * n);
}

Canvas Clouds(const Theme& t, std::uint32_t seed) {
  return ShadeTile([&](float u, float v) { return Paint(CloudColour(t, u, v, seed), 1); });
}

// Dim water lit by soft, uneven shafts from above.
Canvas Depths(const Theme& t, std::uint32_t seed) {
  return ShadeTile([&](float u, float v) {
    float n = WarpedTile(u, v, seed, 4, 4, 0.3f);
    Rgb c = Mix(t.deep, t.mid, Clamp01(0.35f + 0.8f * n));
    float sway = 0.25f * FbmTile(u, v, 2, 3, seed + 5);
    float shafts = 0;
    const int waves[] = {2, 3, 5};
    for (int i = 0; i < 3; ++i) {
      float reach = Smoothstep(-0.3f, 0.5f, FbmTile(u, v, 2, 2, seed + 20 + std::uint32_t(i)));
      shafts +=
          reach *
          std::pow(0.5f + 0.5f * std::cos(kTau * (float(waves[i]) * u + sway) + float(i) * 1.7f),
                   4.0f);
    }
    c = c + Mix(t.accent, t.glow, 0.3f) * (0.09f * shafts);
    return Paint(c, 1);
  });
}

// Height of softly folded cloth: waves of several directions, each bent by noise.
float ClothHeight(float u, float v, std::uint32_t seed) {
  const int kx[] = {2, 4, -3}, ky[] = {3, 1, 4};
  const float amp[] = {1.0f, 0.55f, 0.35f};
  float h = 0;
  for (int i = 0; i < 3; ++i) {
    float bend = 2.2f * FbmTile(u, v, 2, 2, seed + std::uint32_t(i) * 17);
    h += amp[i] * std::sin(kTau * (float(kx[i]) * u + float(ky[i]) * v) + bend);
  }
  return h;
}

// Satin lit from the upper left: shade from the slope of the folds, a sheen on the crests.
Canvas Silk(const Theme& t, std::uint32_t seed) {
  const float e = 1.0f / kTileSize;
  return ShadeTile([&](float u, float v) {
    float h = ClothHeight(u, v, seed);
    float dx = (ClothHeight(u + e, v, seed) - ClothHeight(u - e, v, seed)) * 0.5f;
    float dy = (ClothHeight(u, v + e, seed) - ClothHeight(u, v - e, seed)) * 0.5f;
    float nx = -dx * 18.0f, ny = -dy * 18.0f;  // slope per pixel, exaggerated into a normal
    float inv = 1.0f / std::sqrt(nx * nx + ny * ny + 1.0f);
    float light = Clamp01((-0.5f * nx - 0.6f * ny + 0.62f) * inv);
    float sheen = std::pow(light, 12.0f);
    const Rgb stops[] = {t.deep, t.mid, Mix(t.mid, t.accent, 0.6f)};
    Rgb c =
        Ramp(stops, 0.15f + 0.7f * light + 0.08f * h) + Mix(t.light, t.glow, 0.5f) * (0.3f * sheen);
    return Paint(c, 1);
  });
}

// Dark sky with a faint coloured haze and a scatter of stars.
Canvas Stars(const Theme& t, std::uint32_t seed) {
  Canvas c = ShadeTile([&](float u, float v) {
    float haze = Smoothstep(-0.1f, 0.6f, WarpedTile(u, v, seed, 4, 5, 0.6f));
    Rgb base = Mix(t.deep * 0.7f, t.deep, 0.5f + 0.5f * FbmTile(u, v, 4, 3, seed + 3));
    return Paint(Mix(base, Mix(t.mid, t.accent, 0.4f), 0.55f * haze), 1);
  });
  Rng rng(seed);
  for (int i = 0; i < 110; ++i) {
    auto [x, y] = Scatter(rng, i, 110);
    float bright = std::pow(rng.Unit(), 3.0f) * 0.85f + 0.15f;
    float size = 0.5f + 1.1f * bright;
    Rgb col = Mix(t.glow, Grey(1), rng.Unit());
    Shade(
        c, Around(x, y, size * 4, size * 4),
        [&](float px, float py) {
          float d = std::hypot(px - x, py - y);
          float a = bright * (Coverage(d - size * 0.5f) * 0.9f +
                              0.35f * std::exp(-d * d / (size * size * 2.5f)));
          return Paint(col, Clamp01(a));
        },
        true);
  }
  return c;
}

// Polished stone with soft pale veins.
Canvas Marble(const Theme& t, std::uint32_t seed) {
  return ShadeTile([&](float u, float v) {
    float n = WarpedTile(u, v, seed, 3, 4, 0.4f);
    float s = std::abs(std::sin(kTau * (u + v) + 6.0f * n));
    float veins = 0.4f * std::exp(-s * 3.0f) + 0.3f * std::exp(-s * 12.0f);
    float fine = std::exp(
        -14.0f * std::abs(std::sin(kTau * (2 * u - v) + 5.0f * FbmTile(u, v, 3, 3, seed + 9))));
    const Rgb stops[] = {t.deep, t.mid, Mix(t.mid, t.accent, 0.5f)};
    Rgb c = Ramp(stops, 0.5f + 0.8f * FbmTile(u, v, 4, 4, seed + 4));
    c = Mix(c, Mix(t.light, t.glow, 0.3f), 0.55f * veins + 0.06f * fine);
    return Paint(c, 1);
  });
}

// Marbled paper: bands of colour combed into swirls by the flow of the bath they float on.
Canvas Marbling(const Theme& t, std::uint32_t seed) {
  return ShadeTile([&](float u, float v) {
    float n = WarpedTile(u, v, seed, 3, 4, 0.6f);
    float band = 0.5f + 0.5f * std::sin(kTau * 1.6f * n + kTau * v);
    const Rgb stops[] = {t.deep, t.mid, Mix(t.mid, t.accent, 0.7f), Mix(t.accent, t.light, 0.4f)};
    Rgb c = Ramp(stops, 0.2f + 0.4f * band + 0.2f * n);
    return Paint(c, 1);
  });
}

// Out-of-focus lights over a dim haze.
Canvas Bokeh(const Theme& t, std::uint32_t seed) {
  Canvas c =
      ShadeTile([&](float u, float v) { return Paint(CloudColour(t, u, v, seed) * 0.6f, 1); });
  Rng rng(seed);
  const Rgb lights[] = {t.accent, t.light, t.glow, t.mid};
  for (int i = 0; i < 42; ++i) {
    auto [x, y] = Scatter(rng, i, 42);
    float r = rng.Range(6, 30);
    float a = rng.Range(0.06f, 0.2f);
    Rgb col = lights[rng.Int(0, 3)];
    Shade(
        c, Around(x, y, r, r),
        [&](float px, float py) {
          float d = std::hypot(px - x, py - y) - r;
          float body = Coverage(d) * (0.7f + 0.3f * Smoothstep(-r, 0.0f, d)) +
                       0.4f * std::exp(-d * d * 0.5f) * Coverage(d - 1);
          return Paint(col, a * body);
        },
        true);
  }
  Blur(c, 1.2f, true);
  return c;
}

// Frosted ice: cold haze, faint crystal facets and fine feathers of rime.
Canvas Frost(const Theme& t, std::uint32_t seed) {
  return ShadeTile([&](float u, float v) {
    Rgb c = CloudColour(t, u, v, seed);
    float wu = u + 0.04f * FbmTile(u, v, 3, 3, seed + 1),
          wv = v + 0.04f * FbmTile(u, v, 3, 3, seed + 2);
    Cells facets = WorleyTile(wu, wv, 4, seed);
    c = c * (0.92f + 0.16f * HashUnit(facets.id, seed));
    float seam = std::exp(-(facets.f2 - facets.f1) * 30.0f);
    float rime = std::pow(
        std::max(0.0f, 1.0f - 2.2f * std::abs(WarpedTile(u, v, seed + 7, 4, 4, 0.3f))), 10.0f);
    return Paint(c + t.light * (0.12f * seam + 0.18f * rime), 1);
  });
}

Canvas Pattern(BackPattern p, const Theme& t, std::uint32_t seed) {
  switch (p) {
    case BackPattern::kClouds:
      return Clouds(t, seed);
    case BackPattern::kDepths:
      return Depths(t, seed);
    case BackPattern::kSilk:
      return Silk(t, seed);
    case BackPattern::kStars:
      return Stars(t, seed);
    case BackPattern::kMarble:
      return Marble(t, seed);
    case BackPattern::kMarbling:
      return Marbling(t, seed);
    case BackPattern::kBokeh:
      return Bokeh(t, seed);
    case BackPattern::kFrost:
      return Frost(t, seed);
  }
  return Clouds(t, seed);
}

}  // namespace

Canvas MakeBack(BackPattern p, const Theme& t, std::uint32_t seed) {
  Canvas c = Pattern(p, t, seed);
  LevelBack(c, kLevelSigma);
  return c;
}

}  // namespace art
