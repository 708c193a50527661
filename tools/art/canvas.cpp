#include "tools/art/canvas.hpp"

#include <algorithm>

#include "tools/art/noise.hpp"

namespace art {
namespace {

// How many samples per axis keep a picture drawn at this scale from shimmering.
int SamplesFor(float scale) { return std::clamp(int(std::ceil(1.0f / scale)), 1, 8); }

// The mean of n x n bilinear samples spread over a destination pixel's footprint in src.
Rgba Footprint(const Canvas& src, float sx, float sy, float step, int n, bool tile) {
  if (n == 1) return src.Sample(sx, sy, tile);
  Rgba sum;
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      float ox = ((float(i) + 0.5f) / float(n) - 0.5f) * step;
      float oy = ((float(j) + 0.5f) / float(n) - 0.5f) * step;
      sum = sum + src.Sample(sx + ox, sy + oy, tile);
    }
  return sum * (1.0f / float(n * n));
}

void Lay(Rgba& dst, Rgba src, Blend blend) {
  if (blend == Blend::kAlpha)
    Over(dst, src);
  else
    AddLight(dst, src);
}

// One box pass along a line of n pixels spaced `stride` apart.
void BoxLine(Rgba* line, int n, int stride, int radius, bool tile, std::vector<Rgba>& tmp) {
  tmp.resize(std::size_t(n));
  for (int i = 0; i < n; ++i) tmp[std::size_t(i)] = line[std::size_t(i) * stride];
  auto get = [&](int i) -> Rgba {
    if (tile) return tmp[std::size_t(Canvas::Mod(i, n))];
    return i < 0 || i >= n ? Rgba{} : tmp[std::size_t(i)];
  };
  Rgba sum;
  for (int i = -radius; i <= radius; ++i) sum = sum + get(i);
  float k = 1.0f / float(2 * radius + 1);
  for (int i = 0; i < n; ++i) {
    // The running sum drifts by rounding; light and coverage are never below zero.
    Rgba mean = sum * k;
    line[std::size_t(i) * stride] = {std::max(mean.r, 0.0f), std::max(mean.g, 0.0f),
                                     std::max(mean.b, 0.0f), std::max(mean.a, 0.0f)};
    sum = sum + get(i + radius + 1) + get(i - radius) * -1.0f;
  }
}

// NaN and infinities, which a broken shading formula could leave, become 0 and 255.
std::uint8_t Quantise(float v, float dither) {
  float q = std::floor(v * 255.0f + 0.5f + dither);
  if (!(q > 0.0f)) return 0;
  return q >= 255.0f ? 255 : std::uint8_t(q);
}

}  // namespace

Rgba Canvas::Sample(float x, float y, bool tile) const {
  float fx = x - 0.5f, fy = y - 0.5f;
  int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
  float tx = fx - float(x0), ty = fy - float(y0);
  auto get = [&](int px, int py) -> Rgba {
    if (tile) return wrapped(px, py);
    return Contains(px, py) ? at(px, py) : Rgba{};
  };
  Rgba top = get(x0, y0) * (1 - tx) + get(x0 + 1, y0) * tx;
  Rgba bottom = get(x0, y0 + 1) * (1 - tx) + get(x0 + 1, y0 + 1) * tx;
  return top * (1 - ty) + bottom * ty;
}

float SdRoundBox(float x, float y, float cx, float cy, float hw, float hh, float radius) {
  float qx = std::abs(x - cx) - hw + radius, qy = std::abs(y - cy) - hh + radius;
  float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float SdSegment(float x, float y, float ax, float ay, float bx, float by, float halfWidth) {
  float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
  float len2 = dx * dx + dy * dy;
  float t = len2 > 0 ? Clamp01((px * dx + py * dy) / len2) : 0.0f;
  return std::hypot(px - dx * t, py - dy * t) - halfWidth;
}

void DrawPicture(Canvas& dst, const Canvas& src, float cx, float cy, float scale, float alpha,
                 Blend blend) {
  if (scale <= 0) return;
  float hw = float(src.width()) * scale * 0.5f, hh = float(src.height()) * scale * 0.5f;
  Box box = Around(cx, cy, hw, hh);
  int n = SamplesFor(scale);
  for (int y = std::max(box.y0, 0); y < std::min(box.y1, dst.height()); ++y)
    for (int x = std::max(box.x0, 0); x < std::min(box.x1, dst.width()); ++x) {
      float sx = (float(x) + 0.5f - cx) / scale + float(src.width()) * 0.5f;
      float sy = (float(y) + 0.5f - cy) / scale + float(src.height()) * 0.5f;
      Lay(dst.at(x, y), Footprint(src, sx, sy, 1.0f / scale, n, false) * alpha, blend);
    }
}

void DrawTiled(Canvas& dst, const Canvas& src, float ox, float oy, float scale, Blend blend) {
  int n = SamplesFor(scale);
  for (int y = 0; y < dst.height(); ++y)
    for (int x = 0; x < dst.width(); ++x) {
      float sx = (float(x) + 0.5f - ox) / scale, sy = (float(y) + 0.5f - oy) / scale;
      Lay(dst.at(x, y), Footprint(src, sx, sy, 1.0f / scale, n, true), blend);
    }
}

void Place(Canvas& dst, const Canvas& src, int x, int y) {
  for (int j = 0; j < src.height(); ++j)
    for (int i = 0; i < src.width(); ++i)
      if (dst.Contains(x + i, y + j)) Over(dst.at(x + i, y + j), src.at(i, j));
}

void Blur(Canvas& c, float radius, bool tile) {
  if (radius <= 0 || c.width() == 0) return;
  // Three passes of width w give a variance of (w * w - 1) / 4.
  int box = std::max(1, int(std::lround((std::sqrt(4.0f * radius * radius + 1.0f) - 1.0f) * 0.5f)));
  std::vector<Rgba> tmp;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < c.height(); ++y) BoxLine(&c.at(0, y), c.width(), 1, box, tile, tmp);
    for (int x = 0; x < c.width(); ++x) BoxLine(&c.at(x, 0), c.height(), c.width(), box, tile, tmp);
  }
}

void Fade(Canvas& c, float k) {
  for (Rgba& p : c.pixels()) p = p * k;
}

Canvas Softened(Canvas c, float blur, float alpha) {
  Blur(c, blur, false);
  if (alpha != 1.0f) Fade(c, alpha);
  return c;
}

Canvas Downsample(const Canvas& c, int factor) {
  Canvas out(c.width() / factor, c.height() / factor);
  float k = 1.0f / float(factor * factor);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      Rgba sum;
      for (int j = 0; j < factor; ++j)
        for (int i = 0; i < factor; ++i) sum = sum + c.at(x * factor + i, y * factor + j);
      out.at(x, y) = sum * k;
    }
  return out;
}

TPixmap ToPixmap(const Canvas& c, int format, bool dither) {
  TPixmap out(c.width(), c.height(), format);
  for (int y = 0; y < c.height(); ++y) {
    std::uint8_t* row = out.Row(y);
    for (int x = 0; x < c.width(); ++x) {
      const Rgba& p = c.at(x, y);
      float d = dither ? HashUnit(std::uint32_t(x), std::uint32_t(y), 77) - 0.5f : 0.0f;
      std::uint8_t* q = row + std::size_t(x) * out.BytesPerPixel();
      if (format == PF_RGB888) {
        q[0] = Quantise(p.r, d), q[1] = Quantise(p.g, d), q[2] = Quantise(p.b, d);
        continue;
      }
      std::uint8_t a = Quantise(p.a, d);
      if (p.a <= 0.0f || a == 0) continue;
      Rgb s = Straight(p);
      q[0] = Quantise(s.r, d), q[1] = Quantise(s.g, d), q[2] = Quantise(s.b, d), q[3] = a;
    }
  }
  return out;
}

Canvas FromPixmap(const TPixmap& p) {
  Canvas out(p.width, p.height);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      std::uint32_t v = p.ReadPixel(x, y);
      float a = float(v >> 24) / 255.0f;
      Rgb c{float((v >> 16) & 255) / 255.0f, float((v >> 8) & 255) / 255.0f,
            float(v & 255) / 255.0f};
      out.at(x, y) = Paint(c, a);
    }
  return out;
}

}  // namespace art
