#include "tools/art/noise.hpp"

#include <cmath>

namespace art {
namespace {

std::uint32_t Mix32(std::uint32_t h) {
  h ^= h >> 16;
  h *= 0x7feb352dU;
  h ^= h >> 15;
  h *= 0x846ca68bU;
  h ^= h >> 16;
  return h;
}

int Wrap(int v, int n) { return ((v % n) + n) % n; }

float Fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

// Sixteen evenly spread unit directions; fewer directions show as a grid in the noise.
struct Gradients {
  float x[16], y[16];
  Gradients() {
    for (int i = 0; i < 16; ++i) {
      double a = (double(i) + 0.5) * 3.14159265358979323846 / 8.0;
      x[i] = float(std::cos(a));
      y[i] = float(std::sin(a));
    }
  }
};
const Gradients kGrad;

// One round of mixing is plenty for picking a lattice gradient, and noise is most of the
// generator's time.
std::uint32_t LatticeHash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  return Mix32(x * 0x8da6b343U ^ y * 0xd8163841U ^ seed * 0xcb1ab31fU);
}

// gx and gy are already wrapped into the period.
float Corner(int gx, int gy, std::uint32_t seed, float dx, float dy) {
  std::uint32_t h = LatticeHash(std::uint32_t(gx), std::uint32_t(gy), seed) & 15;
  return kGrad.x[h] * dx + kGrad.y[h] * dy;
}

// Dot product with one of the twelve edge directions of a cube.
float Corner3(int gx, int gy, int gz, std::uint32_t seed, float dx, float dy, float dz) {
  switch (
      LatticeHash(std::uint32_t(gx), std::uint32_t(gy) ^ (std::uint32_t(gz) * 0x9e3779b1U), seed) %
      12) {
    case 0:
      return dx + dy;
    case 1:
      return -dx + dy;
    case 2:
      return dx - dy;
    case 3:
      return -dx - dy;
    case 4:
      return dx + dz;
    case 5:
      return -dx + dz;
    case 6:
      return dx - dz;
    case 7:
      return -dx - dz;
    case 8:
      return dy + dz;
    case 9:
      return -dy + dz;
    case 10:
      return dy - dz;
    default:
      return -dy - dz;
  }
}

}  // namespace

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
  std::uint32_t h = Mix32(a + 0x9e3779b9U);
  h = Mix32(h ^ (b + 0x85ebca6bU));
  h = Mix32(h ^ (c + 0xc2b2ae35U));
  return Mix32(h ^ (d + 0x27d4eb2fU));
}

std::uint64_t Rng::Next() {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

float Perlin(float x, float y, int period, std::uint32_t seed) {
  int ix = int(std::floor(x)), iy = int(std::floor(y));
  float fx = x - float(ix), fy = y - float(iy);
  int x0 = Wrap(ix, period), y0 = Wrap(iy, period);
  int x1 = x0 + 1 == period ? 0 : x0 + 1, y1 = y0 + 1 == period ? 0 : y0 + 1;
  float n00 = Corner(x0, y0, seed, fx, fy);
  float n10 = Corner(x1, y0, seed, fx - 1, fy);
  float n01 = Corner(x0, y1, seed, fx, fy - 1);
  float n11 = Corner(x1, y1, seed, fx - 1, fy - 1);
  float u = Fade(fx), v = Fade(fy);
  float top = n00 + (n10 - n00) * u, bottom = n01 + (n11 - n01) * u;
  return 1.41f * (top + (bottom - top) * v);
}

float FbmTile(float u, float v, int period, int octaves, std::uint32_t seed, float gain) {
  float sum = 0, amp = 1, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum +=
        amp * Perlin(u * float(period), v * float(period), period, seed + std::uint32_t(o) * 101);
    norm += amp;
    amp *= gain;
    period *= 2;
  }
  return sum / norm;
}

float WarpedTile(float u, float v, std::uint32_t seed, int period, int octaves, float warp) {
  float wu = FbmTile(u, v, 2, 3, seed + 11), wv = FbmTile(u, v, 2, 3, seed + 12);
  return FbmTile(u + warp * wu, v + warp * wv, period, octaves, seed);
}

Cells WorleyTile(float u, float v, int n, std::uint32_t seed, float jitter) {
  float x = u * float(n), y = v * float(n);
  int cx = int(std::floor(x)), cy = int(std::floor(y));
  Cells out{1e9f, 1e9f, 0};
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      int gx = cx + i, gy = cy + j;
      std::uint32_t id = std::uint32_t(Wrap(gy, n) * n + Wrap(gx, n));
      float px = float(gx) + 0.5f + jitter * (HashUnit(id, seed, 1) - 0.5f);
      float py = float(gy) + 0.5f + jitter * (HashUnit(id, seed, 2) - 0.5f);
      float d = std::hypot(px - x, py - y);
      if (d < out.f1) {
        out.f2 = out.f1;
        out.f1 = d;
        out.id = id;
      } else if (d < out.f2) {
        out.f2 = d;
      }
    }
  return out;
}

float Perlin3(float x, float y, float z, std::uint32_t seed) {
  int ix = int(std::floor(x)), iy = int(std::floor(y)), iz = int(std::floor(z));
  float fx = x - float(ix), fy = y - float(iy), fz = z - float(iz);
  float u = Fade(fx), v = Fade(fy), w = Fade(fz);
  float layer[2];
  for (int k = 0; k < 2; ++k) {
    float dz = fz - float(k);
    float n00 = Corner3(ix, iy, iz + k, seed, fx, fy, dz);
    float n10 = Corner3(ix + 1, iy, iz + k, seed, fx - 1, fy, dz);
    float n01 = Corner3(ix, iy + 1, iz + k, seed, fx, fy - 1, dz);
    float n11 = Corner3(ix + 1, iy + 1, iz + k, seed, fx - 1, fy - 1, dz);
    float top = n00 + (n10 - n00) * u, bottom = n01 + (n11 - n01) * u;
    layer[k] = top + (bottom - top) * v;
  }
  return layer[0] + (layer[1] - layer[0]) * w;
}

float Fbm3(float x, float y, float z, int octaves, std::uint32_t seed, float gain) {
  float sum = 0, amp = 1, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * Perlin3(x, y, z, seed + std::uint32_t(o) * 131);
    norm += amp;
    amp *= gain;
    x *= 2.03f;
    y *= 2.03f;
    z *= 2.03f;
  }
  return sum / norm;
}

}  // namespace art
