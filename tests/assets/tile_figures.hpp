#pragma once
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/pixmap.hpp"

// How loud a background's repeat is: the luminance of a front tile laid over a back tile as
// the renderer blends them, and its spread before and after a wrapped blur at the scale of a
// blob, which leaves only the large light and dark patches that mark each copy of the tile.
namespace tilefigures {

struct Grey {
  int width = 0, height = 0;
  std::vector<float> v;
  float& at(int x, int y) { return v[std::size_t(y * width + x)]; }
  float at(int x, int y) const { return v[std::size_t(y * width + x)]; }
};

inline float Channel(std::uint32_t p, int shift) { return float((p >> shift) & 255); }

// Luma (levels out of 255) of the front layer's straight alpha over the opaque back layer,
// the front shifted by (dx, dy) pixels as the two layers drift apart; both wrap round.
inline Grey Composite(const TPixmap& back, const TPixmap& front, int dx, int dy) {
  Grey g{back.width, back.height, std::vector<float>(std::size_t(back.width * back.height))};
  for (int y = 0; y < back.height; ++y)
    for (int x = 0; x < back.width; ++x) {
      std::uint32_t b = back.ReadPixel(x, y);
      std::uint32_t f = front.ReadPixel((x + dx) % front.width, (y + dy) % front.height);
      float a = Channel(f, 24) / 255.0f, rgb[3];
      for (int c = 0; c < 3; ++c)
        rgb[c] = Channel(b, 16 - 8 * c) * (1 - a) + Channel(f, 16 - 8 * c) * a;
      g.at(x, y) = 0.2126f * rgb[0] + 0.7152f * rgb[1] + 0.0722f * rgb[2];
    }
  return g;
}

// A Gaussian blur that wraps round both edges, as the tiling does.
inline Grey WrappedBlur(const Grey& in, float sigma) {
  int r = int(std::ceil(sigma * 3));
  std::vector<float> k(std::size_t(2 * r + 1));
  float sum = 0;
  for (int i = -r; i <= r; ++i)
    sum += k[std::size_t(i + r)] = std::exp(-0.5f * float(i * i) / (sigma * sigma));
  for (float& w : k) w /= sum;
  auto pass = [&](const Grey& src, bool across) {
    Grey out = src;
    for (int y = 0; y < src.height; ++y)
      for (int x = 0; x < src.width; ++x) {
        float s = 0;
        for (int i = -r; i <= r; ++i) {
          int sx = across ? ((x + i) % src.width + src.width) % src.width : x;
          int sy = across ? y : ((y + i) % src.height + src.height) % src.height;
          s += k[std::size_t(i + r)] * src.at(sx, sy);
        }
        out.at(x, y) = s;
      }
    return out;
  };
  return pass(pass(in, true), false);
}

inline float Deviation(const Grey& g) {
  double sum = 0, sq = 0;
  for (float v : g.v) sum += v, sq += double(v) * v;
  double n = double(g.v.size()), mean = sum / n;
  return float(std::sqrt(std::max(0.0, sq / n - mean * mean)));
}

struct Figures {
  float texture = 0;  // spread of the composite itself
  float blobs = 0;    // spread left after the blob-scale blur
};

inline constexpr float kBlobSigma = 24;

// Means of square blocks: what a blur this wide keeps is left unchanged, at a sixteenth of
// the work.
inline Grey Shrink(const Grey& in, int block) {
  Grey out{in.width / block, in.height / block, {}};
  out.v.assign(std::size_t(out.width * out.height), 0.0f);
  for (int y = 0; y < out.height * block; ++y)
    for (int x = 0; x < out.width * block; ++x)
      out.at(x / block, y / block) += in.at(x, y) / float(block * block);
  return out;
}

inline Figures Measure(const TPixmap& back, const TPixmap& front, int dx = 0, int dy = 0) {
  Grey g = Composite(back, front, dx, dy);
  const int block = 4;
  return {Deviation(g), Deviation(WrappedBlur(Shrink(g, block), kBlobSigma / block))};
}

}  // namespace tilefigures
