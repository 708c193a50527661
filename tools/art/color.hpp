#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

// Colours and the small scalar helpers every drawing file uses. All colour values live in
// display space (what the renderer blends in), nominally 0..1.
namespace art {

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }
inline float Smoothstep(float e0, float e1, float v) {
  float t = Clamp01((v - e0) / (e1 - e0));
  return t * t * (3.0f - 2.0f * t);
}

struct Rgb {
  float r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }
inline float MaxOf(Rgb c) { return std::max({c.r, c.g, c.b}); }
inline float Luma(Rgb c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }
inline Rgb Grey(float v) { return {v, v, v}; }

// 0xRRGGBB as written in a paint program.
inline Rgb Hex(std::uint32_t rgb) {
  return {float((rgb >> 16) & 255) / 255.0f, float((rgb >> 8) & 255) / 255.0f,
          float(rgb & 255) / 255.0f};
}

// Pushes a colour away from (k > 1) or towards (k < 1) its own grey.
inline Rgb Saturate(Rgb c, float k) { return Mix(Grey(Luma(c)), c, k); }

// A colour with premultiplied alpha: what a pixel adds, and how much of what lies below it hides.
struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;
};

inline Rgba Paint(Rgb c, float alpha) { return {c.r * alpha, c.g * alpha, c.b * alpha, alpha}; }
inline Rgba operator*(Rgba c, float k) { return {c.r * k, c.g * k, c.b * k, c.a * k}; }
inline Rgba operator+(Rgba a, Rgba b) { return {a.r + b.r, a.g + b.g, a.b + b.b, a.a + b.a}; }

// Source over destination.
inline void Over(Rgba& dst, Rgba src) {
  float k = 1.0f - src.a;
  dst = {src.r + dst.r * k, src.g + dst.g * k, src.b + dst.b * k, src.a + dst.a * k};
}

// Light added on top, as the renderer's additive blend does; coverage does not change.
inline void AddLight(Rgba& dst, Rgba src) {
  dst.r += src.r;
  dst.g += src.g;
  dst.b += src.b;
}

// The straight (not premultiplied) colour of a pixel.
inline Rgb Straight(Rgba c) {
  if (c.a <= 1e-6f) return {};
  return {c.r / c.a, c.g / c.a, c.b / c.a};
}

// A colour ramp through evenly spaced stops, t in 0..1.
template <std::size_t N>
Rgb Ramp(const Rgb (&stops)[N], float t) {
  float p = Clamp01(t) * float(N - 1);
  std::size_t i = std::min(std::size_t(p), N - 2);
  return Mix(stops[i], stops[i + 1], Smoothstep(0.0f, 1.0f, p - float(i)));
}

}  // namespace art
