// Skies and seamless patterns for the backgrounds and the tiler.
#include <cmath>
#include <functional>

#include "examples/kit_tour/sheets.hpp"
#include "tools/art/noise.hpp"
#include "tools/art/tour/tour_pictures.hpp"

namespace tour {
namespace {

using art::Canvas;
using art::Hex;
using art::Rgb;
using art::Rgba;

constexpr float kTwoPi = 6.2831853f;

// Paints a rectangle of the picture from (u, v) in [0, 1) across it.
void ShadeRect(Canvas& c, Rect r, const std::function<Rgba(float, float)>& paint) {
  for (int y = 0; y < r.h; ++y)
    for (int x = 0; x < r.w; ++x)
      c.at(r.x + x, r.y + y) =
          paint((float(x) + 0.5f) / float(r.w), (float(y) + 0.5f) / float(r.h));
}

Rgba Opaque(Rgb c) { return art::Paint(c, 1.0f); }

Rgba Sky(float u, float v) {
  const Rgb ramp[] = {Hex(0x070a24), Hex(0x1b1650), Hex(0x3d2168), Hex(0x6a2f6e)};
  Rgb base = art::Ramp(ramp, v);
  float cloud = art::WarpedTile(u, v, 5, 3, 5, 0.6f) * 0.5f + 0.5f;
  float glow = art::Smoothstep(0.45f, 0.85f, cloud) * (0.35f + 0.4f * v);
  Rgb nebula = art::Mix(Hex(0x2fb4c8), Hex(0xe05aa8), art::Clamp01(u * 1.2f - 0.1f));
  return Opaque(base + nebula * glow * 0.55f);
}

// Stars of three sizes placed with wrap-around, so the picture tiles.
void Stars(Canvas& c) {
  Canvas stars(kStars.w, kStars.h);
  art::Rng rng(2024);
  const Rgb tints[] = {Hex(0xffffff), Hex(0xbcd4ff), Hex(0xfff0c0)};
  for (int i = 0; i < 190; ++i) {
    float x = rng.Range(0, 256), y = rng.Range(0, 256);
    float size = rng.Unit() < 0.85f ? rng.Range(0.5f, 1.1f) : rng.Range(1.4f, 2.4f);
    Rgb tint = tints[rng.Int(0, 2)];
    float bright = rng.Range(0.5f, 1.0f);
    art::Shade(
        stars, art::Around(x, y, size * 4, size * 4),
        [&](float px, float py) {
          float d = std::hypot(px - x, py - y);
          float reach = size * 4.0f;  // the halo fades out before the painted box ends
          float a = (std::exp(-d * d / (size * size)) + 0.25f * std::exp(-d / (size * 2.5f))) *
                    art::Smoothstep(reach, reach * 0.6f, d);
          return art::Paint(tint, art::Clamp01(a * bright));
        },
        true);
  }
  art::Place(c, stars, kStars.x, kStars.y);
}

Rgba Clouds(float u, float v) {
  float n = art::WarpedTile(u, v, 77, 3, 5, 0.8f) * 0.5f + 0.5f;
  return art::Paint(Hex(0xffffff), art::Smoothstep(0.5f, 0.85f, n) * 0.85f);
}

// Four by four bevelled tiles in two colours with a diamond inlay.
Rgba Floor(float u, float v) {
  float x = u * 4.0f, y = v * 4.0f, fx = x - std::floor(x), fy = y - std::floor(y);
  bool odd = (int(x) + int(y)) % 2 != 0;
  Rgb face = odd ? Hex(0x2f8f8a) : Hex(0xe9dfc7);
  float edge = std::min(std::min(fx, 1 - fx), std::min(fy, 1 - fy));
  float inlay = std::abs(fx - 0.5f) + std::abs(fy - 0.5f);
  if (edge < 0.04f) return Opaque(Hex(0x22303a));
  if (edge < 0.12f) return Opaque(fx + fy < 1.0f ? face * 1.18f : face * 0.72f);
  if (inlay < 0.22f) return Opaque(odd ? Hex(0xf4c04e) : Hex(0xc2473a));
  float n = art::FbmTile(u, v, 8, 3, 4) * 0.06f;
  return Opaque(face * (1.0f + n));
}

// Overlapping fish scales: of the scales over a point, the lowest row lies on top.
Rgba Scales(float u, float v) {
  const int n = 4;  // scales across; rows are half a scale apart
  const float r = 0.62f / n, dy = 0.5f / n;
  float top = -1e9f, shade = 0.0f;
  for (int row = -2; row <= 2 * n + 1; ++row)
    for (int col = -1; col <= n; ++col) {
      float cx = (float(col) + float(row & 1) * 0.5f) / n, cy = float(row) * dy;
      float d = std::hypot(u - cx, v - cy);
      if (d < r && cy > top) {
        top = cy;
        shade = d / r;
      }
    }
  Rgb inner = Hex(0xf3a64a), rim = Hex(0x9c3c2c);
  return Opaque(shade > 0.9f ? Hex(0x4a1c18) : art::Mix(inner, rim, shade * shade));
}

// A glowing grid on clear, for light blending.
Rgba Grid(float u, float v) {
  auto line = [](float t) {
    float d = std::abs(t * 4.0f - std::round(t * 4.0f));
    return std::exp(-d * d * 900.0f) + 0.35f * std::exp(-d * d * 60.0f);
  };
  float a = art::Clamp01(line(u) + line(v));
  return art::Paint(
      art::Mix(Hex(0x29d6ff), Hex(0xff4fd8), 0.5f + 0.5f * std::sin(kTwoPi * (u + v))), a);
}

// Bands woven over and under each other.
Rgba Weave(float u, float v) {
  float x = u * 4.0f, y = v * 4.0f;
  int cx = int(x), cy = int(y);
  float fx = x - float(cx), fy = y - float(cy);
  bool horizontal_on_top = (cx + cy) % 2 == 0;
  float across = std::abs(fy - 0.5f), down = std::abs(fx - 0.5f);
  bool in_h = across < 0.38f, in_v = down < 0.38f;
  Rgb h = Hex(0x3a66c4) * (1.1f - across), vcol = Hex(0xd9c26a) * (1.1f - down);
  if (in_h && in_v) return Opaque(horizontal_on_top ? h : vcol);
  if (in_h) return Opaque(h * 0.85f);
  if (in_v) return Opaque(vcol * 0.85f);
  return Opaque(Hex(0x18142a));
}

}  // namespace

Canvas DrawBackdrops() {
  Canvas c(512, 512);
  ShadeRect(c, kSky, Sky);
  Stars(c);
  ShadeRect(c, kClouds, Clouds);
  ShadeRect(c, kFloor, Floor);
  ShadeRect(c, kScales, Scales);
  ShadeRect(c, kGrid, Grid);
  ShadeRect(c, kWeave, Weave);
  return c;
}

}  // namespace tour
