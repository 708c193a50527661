#include "tools/art/effects.hpp"

#include <cmath>

#include "tools/art/canvas.hpp"
#include "tools/art/noise.hpp"

namespace art {
namespace {

constexpr float kPi = 3.14159265f;

// Paints a cell from its opacity alpha(dx, dy), measured from the cell's centre.
template <class AlphaFn>
void Cell(Canvas& c, int x, int y, int w, int h, AlphaFn alpha) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      float dx = float(i) + 0.5f - float(w) * 0.5f, dy = float(j) + 0.5f - float(h) * 0.5f;
      c.at(x + i, y + j) = Paint(Grey(1), Clamp01(alpha(dx, dy)));
    }
}

// Fades a shape out before it reaches the cell's edge, so no square ever shows.
float Edge(float d, float radius) { return 1.0f - Smoothstep(radius * 0.8f, radius, d); }

float SoftGlow(float dx, float dy) {
  float d = std::hypot(dx, dy);
  return (std::exp(-d * d / 90.0f) * 0.6f +
          std::pow(std::max(0.0f, 1.0f - d / 31.0f), 2.0f) * 0.5f) *
         Edge(d, 31.5f);
}

float Ring(float dx, float dy) {
  float d = std::hypot(dx, dy);
  return (std::exp(-(d - 17) * (d - 17) / 3.0f) + 0.25f * std::exp(-(d - 17) * (d - 17) / 30.0f)) *
         Edge(d, 23.5f);
}

float Flare(float dx, float dy) {
  float d = std::hypot(dx, dy), ax = std::abs(dx), ay = std::abs(dy);
  float cross = std::exp(-ay * ay / 1.2f) * std::exp(-ax / 7.0f) +
                std::exp(-ax * ax / 1.2f) * std::exp(-ay / 7.0f);
  float u = (ax + ay) * 0.7071f, v = std::abs(ax - ay) * 0.7071f;
  float diagonal = 0.4f * std::exp(-v * v / 0.8f) * std::exp(-u / 4.0f);
  return (cross + diagonal + std::exp(-d * d / 10.0f)) * Edge(d, 23.5f);
}

float Puff(float dx, float dy) {
  float d = std::hypot(dx, dy);
  float n = FbmTile((dx + 24) / 48.0f, (dy + 24) / 48.0f, 3, 4, 41);
  return Smoothstep(20.0f, 6.0f, d + 8.0f * n) * (0.55f + 0.45f * n) * Edge(d, 23.5f);
}

float Spark(float dx, float dy) {
  float d = std::hypot(dx, dy);
  return Coverage(d - 1.8f) * 0.9f + 0.5f * std::exp(-d * d / 2.5f) * Edge(d, 4.0f);
}

// A streak along +x: a bright head on the right and a tail fading to the left.
float Streak(float dx, float dy) {
  float t = (dx + 10.0f) / 20.0f;
  return Smoothstep(0.0f, 0.85f, t) * Smoothstep(0.98f, 0.85f, t) * (dy == 0.0f ? 1.0f : 0.35f);
}

// Sixteen little fragments of different shapes.
float Fragment(int kind, float dx, float dy) {
  float d = std::hypot(dx, dy), ax = std::abs(dx), ay = std::abs(dy);
  float edge = Edge(d, 7.8f);
  float a = std::atan2(dy, dx);
  switch (kind % 8) {
    case 0:
      return Coverage(d - 3.0f) * edge;  // dot
    case 1:
      return (Coverage(std::abs(d - 4.5f) - 0.9f) + 0.2f * Coverage(d - 4.5f)) *
             edge;  // tiny bubble
    case 2:
      return Coverage((ax + ay) - 5.5f) * edge;  // diamond
    case 3:
      return (std::exp(-ay * ay) * std::exp(-ax / 2.5f) +
              std::exp(-ax * ax) * std::exp(-ay / 2.5f)) *
             edge;  // glint
    case 4:
      return std::exp(-d * d / 8.0f) * edge;  // soft blob
    case 5:
      return Coverage(d - (4.0f + 1.6f * std::cos(5.0f * a))) * edge;  // star
    case 6:
      return Coverage(SdSegment(dx, dy, -5, 3, 5, -2, 1.2f)) * edge;  // shard
    default:
      return Coverage(std::max(ax, ay) - 3.0f) * 0.85f * edge;  // chip
  }
}

// A six-armed snow flake with a soft glow.
float Flake(float dx, float dy) {
  float d = std::hypot(dx, dy);
  float arms = 0;
  for (int k = 0; k < 6; ++k) {
    float a = float(k) * kPi / 3.0f, ca = std::cos(a), sa = std::sin(a);
    float along = dx * ca + dy * sa, across = -dx * sa + dy * ca;
    if (along < 0) continue;
    float side = std::abs(std::abs(across) - (along - 8.0f) * 0.6f);
    float twig = along > 7 && along < 12
                     ? Coverage(side - 0.6f) * (std::abs(across) < 4 ? 1.0f : 0.0f)
                     : 0.0f;
    arms =
        std::max({arms, Coverage(std::abs(across) - 0.8f) * Smoothstep(14.5f, 12.5f, along), twig});
  }
  return std::max(arms, 0.35f * std::exp(-d * d / 20.0f)) * Edge(d, 15.5f);
}

}  // namespace

TPixmap MakeEffects() {
  Canvas c(kEffectsSize, kEffectsSize);
  Cell(c, 0, 0, 64, 64, SoftGlow);
  Cell(c, 64, 0, 48, 48, Ring);
  Cell(c, 112, 0, 48, 48, Flare);
  Cell(c, 160, 0, 48, 48, Puff);
  Cell(c, 214, 0, 8, 8, Spark);
  Cell(c, 70, 50, 20, 3, Streak);
  for (int k = 0; k < 16; ++k)
    // The second eight are smaller, turned copies of the first.
    Cell(c, k * 16, 70, 16, 16, [k](float dx, float dy) {
      return k < 8 ? Fragment(k, dx, dy) : Fragment(k, dy * 1.35f, -dx * 1.35f);
    });
  Cell(c, 0, 160, 32, 32, Flake);
  TPixmap out = ToPixmap(c, PF_RGBA8888, false);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.Row(y)[x * 4] = out.Row(y)[x * 4 + 1] = out.Row(y)[x * 4 + 2] = 255;
  return out;
}

}  // namespace art
