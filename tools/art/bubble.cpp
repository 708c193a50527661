#include "tools/art/bubble.hpp"

#include <cmath>

#include "tools/art/film.hpp"
#include "tools/art/noise.hpp"

namespace art {
namespace {

constexpr float kPi = 3.14159265f;
constexpr float kFilmIndex = 1.33f;
constexpr int kSamples = 4;  // per axis and pixel

struct Vec3 {
  float x = 0, y = 0, z = 0;
};
Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator*(Vec3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 Normalize(Vec3 a) { return a * (1.0f / std::sqrt(Dot(a, a))); }

const FilmColours& Film() {
  static const FilmColours film;
  return film;
}

// A mirrored light: its direction and the axes of the plane its shape is drawn in.
struct Lamp {
  Vec3 dir, x, y;
};

Lamp MakeLamp(float angleDeg, float elevation) {
  float a = angleDeg * kPi / 180.0f;
  Vec3 d = Normalize({std::cos(a) * elevation, std::sin(a) * elevation, 1.0f});
  Vec3 x = Normalize(Cross(Vec3{0, -1, 0}, d));
  return {d, x, Cross(d, x)};
}

// The point of a unit sphere turned about an axis, the more the nearer it lies to the axis:
// the eddies that stir a real bubble's film.
Vec3 Eddy(Vec3 p, Vec3 axis, float strength) {
  float c = Dot(p, axis);
  float angle = strength * std::exp(-3.0f * (1.0f - c));
  float cs = std::cos(angle), sn = std::sin(angle);
  return p * cs + Cross(axis, p) * sn + axis * (c * (1.0f - cs));  // Rodrigues' rotation
}

struct Context {
  const BubbleStyle& style;
  Lamp key, fill;
  Vec3 eddyA, eddyB;
};

Vec3 RandomAxis(std::uint32_t seed, int which) {
  float z = HashUnit(seed, 900, std::uint32_t(which)) * 2.0f - 1.0f;
  float a = HashUnit(seed, 901, std::uint32_t(which)) * 2.0f * kPi;
  float r = std::sqrt(1.0f - z * z);
  return {r * std::cos(a), r * std::sin(a), z};
}

// Film thickness in nanometres at a point of the sphere (y points down the screen).
float Thickness(const Context& c, Vec3 p) {
  const BubbleStyle& s = c.style;
  Vec3 q = Eddy(Eddy(p, c.eddyA, s.twist), c.eddyB, -0.7f * s.twist) * s.swirlScale;
  std::uint32_t seed = s.seed * 7919u;
  Vec3 w{Fbm3(q.x, q.y, q.z, 2, seed + 1), Fbm3(q.x + 5.2f, q.y + 1.3f, q.z, 2, seed + 2),
         Fbm3(q.x, q.y + 9.1f, q.z + 2.8f, 2, seed + 3)};
  q = q + w * s.warp;
  float marble = Fbm3(q.x, q.y, q.z, 3, seed + 4, 0.4f);
  float d = s.thickness * (1.0f + s.drain * p.y) + s.swirl * marble;
  d += s.strata * std::sin(p.y * 9.0f + marble * 2.5f);
  return std::max(d, 0.0f);
}

// Signed distance of the mirrored light's shape in its own plane (units of its size).
float LampShape(Highlight h, float a, float b) {
  switch (h) {
    case Highlight::kWindow: {
      float frame = SdRoundBox(a, b, 0, 0, 0.34f, 0.28f, 0.05f);
      return std::max(frame, 0.028f - std::min(std::abs(a), std::abs(b)));
    }
    case Highlight::kRound:
      return std::hypot(a, b) - 0.26f;
    case Highlight::kSoftbox:
      return SdRoundBox(a, b, 0, 0, 0.46f, 0.26f, 0.2f);
    case Highlight::kCrescent:
      return std::max(std::hypot(a, b) - 0.42f, 0.36f - std::hypot(a - 0.05f, b - 0.16f));
    case Highlight::kTwinDots:
      return std::min(std::hypot(a + 0.08f, b - 0.05f) - 0.2f,
                      std::hypot(a - 0.26f, b + 0.22f) - 0.08f);
    case Highlight::kArch: {
      float body =
          std::min(SdRoundBox(a, b, 0, 0.1f, 0.22f, 0.2f, 0.02f), std::hypot(a, b + 0.1f) - 0.22f);
      return std::max(body, 0.024f - std::abs(a));
    }
    case Highlight::kStrip: {
      float ca = 0.94f, sa = 0.34f;
      return SdRoundBox(a * ca - b * sa, a * sa + b * ca, 0, 0, 0.62f, 0.08f, 0.08f);
    }
    case Highlight::kStar: {  // a glint: a bright core and four tapering rays
      float ax = std::abs(a), ay = std::abs(b);
      float core = std::hypot(a, b) - 0.1f;
      float across = std::max(ay - 0.05f * (1.0f - ax / 0.45f), ax - 0.45f);
      float down = std::max(ax - 0.05f * (1.0f - ay / 0.45f), ay - 0.45f);
      float rays = std::min(across, down);
      return std::min(core, rays);
    }
  }
  return 1;
}

// How much of the lamp a reflected ray sees (0..1), with a faint halo round it.
float SeeLamp(const Lamp& lamp, Highlight shape, float size, Vec3 r, float softness) {
  float facing = Dot(r, lamp.dir);
  if (facing <= 0.05f) return 0;
  float a = Dot(r, lamp.x) / facing / size, b = Dot(r, lamp.y) / facing / size;
  float d = LampShape(shape, a, b);
  return Smoothstep(softness, -softness, d) + 0.18f * std::exp(-std::max(d, 0.0f) * 7.0f);
}

// The surroundings seen along a reflected ray: bright above, dim below, dimmer behind the
// viewer (which the middle of the bubble mirrors), so the face stays clear and the rim glows.
Rgb Surroundings(const BubbleStyle& s, Vec3 r) {
  Rgb c = Mix(s.ground, s.sky, Smoothstep(-0.45f, 0.55f, -r.y));
  return c * Lerp(1.0f, 0.35f, Smoothstep(0.2f, 1.0f, r.z));
}

Rgb FilmAt(const BubbleStyle& s, float thickness, float cosT) {
  return Saturate(Film().At(2.0f * kFilmIndex * thickness * cosT), s.saturation);
}

// Light and opacity of one sample at (u, v) of the unit disc, given the film thickness at the
// front and the back face there.
Rgba ShadeSample(const Context& c, float u, float v, float front, float back) {
  const BubbleStyle& s = c.style;
  float r2 = u * u + v * v;
  if (r2 >= 1.0f) return {};
  float nz = std::sqrt(1.0f - r2);
  float cosT = std::sqrt(1.0f - r2 / (kFilmIndex * kFilmIndex));
  float fres = s.reflect + (1.0f - s.reflect) * std::pow(1.0f - nz, s.rimPower);
  Rgb filmF = FilmAt(s, front, cosT), filmB = FilmAt(s, back, cosT);

  Vec3 rf{2 * nz * u, 2 * nz * v, 2 * nz * nz - 1};
  Vec3 rb{-rf.x, -rf.y, rf.z};  // the far face is a concave mirror: the view turns over
  Rgb white = Grey(1.0f);
  Rgb light = Surroundings(s, rf) * filmF * fres;
  float size = s.lightSize;
  light = light + Mix(filmF, white, 0.65f) * (1.6f * SeeLamp(c.key, s.highlight, size, rf, 0.03f));
  light = light +
          Mix(filmF, white, 0.3f) * (0.35f * SeeLamp(c.fill, Highlight::kSoftbox, 1.4f, rf, 0.3f));
  Rgb far = Surroundings(s, rb) * filmB * fres;
  far =
      far + Mix(filmB, white, 0.75f) * (s.secondary * SeeLamp(c.key, s.highlight, size, rb, 0.25f));
  light = light + far * (1.0f - fres);

  float edge = Smoothstep(0.9f, 0.995f, std::sqrt(r2));
  light = light + Mix(filmF, white, 0.45f) * (0.45f * edge);
  float hide = 0.6f * (fres + fres * (1.0f - fres)) + 0.3f * edge;
  float alpha = Clamp01(std::max(hide, MaxOf(light)));
  return {std::min(light.r, alpha), std::min(light.g, alpha), std::min(light.b, alpha), alpha};
}

// One pixel: the film is smooth at pixel size, so its thickness is found once at the pixel's
// centre; the shape and the mirrored lights are sampled finely for clean edges.
Rgba ShadePixel(const Context& c, float cx, float cy, float radius, int x, int y) {
  float u0 = (float(x) + 0.5f - cx) / radius, v0 = (float(y) + 0.5f - cy) / radius;
  float r = std::hypot(u0, v0);
  if (r > 1.0f + 1.5f / radius) return {};
  float k = r > 0.995f ? 0.995f / r : 1.0f;
  float nz = std::sqrt(std::max(0.0f, 1.0f - (u0 * k) * (u0 * k) - (v0 * k) * (v0 * k)));
  float front = Thickness(c, {u0 * k, v0 * k, nz});
  float back = Thickness(c, {u0 * k, v0 * k, -nz});
  Rgba sum;
  for (int j = 0; j < kSamples; ++j)
    for (int i = 0; i < kSamples; ++i) {
      float u = (float(x) + (float(i) + 0.5f) / kSamples - cx) / radius;
      float v = (float(y) + (float(j) + 0.5f) / kSamples - cy) / radius;
      sum = sum + ShadeSample(c, u, v, front, back);
    }
  return sum * (1.0f / float(kSamples * kSamples));
}

}  // namespace

Canvas DrawBubble(int width, int height, const BubbleStyle& style) {
  Canvas out(width, height);
  float radius = float(std::min(width, height) - 2) * 0.5f;
  float cx = float(width) * 0.5f, cy = float(height) * 0.5f;
  Context c{style, MakeLamp(style.lightAngle, 0.95f), MakeLamp(style.lightAngle + 180.0f, 3.0f),
            RandomAxis(style.seed, 0), RandomAxis(style.seed, 1)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.at(x, y) = ShadePixel(c, cx, cy, radius, x, y);
  return out;
}

}  // namespace art
