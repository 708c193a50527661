#include "platform/texture_pixels.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace detail {

std::vector<std::uint8_t> BgraPixels(const TPixmap& rgba) {
  const std::size_t row = std::size_t(rgba.width) * 4;
  std::vector<std::uint8_t> out(row * std::size_t(rgba.height));
  for (int y = 0; y < rgba.height; ++y) {
    const std::uint8_t* src = rgba.Row(y);
    std::uint8_t* dst = out.data() + row * std::size_t(y);
    for (std::size_t i = 0; i < row; i += 4) {
      dst[i] = src[i + 2];
      dst[i + 1] = src[i + 1];
      dst[i + 2] = src[i];
      dst[i + 3] = src[i + 3];
    }
  }
  return out;
}

PackedLevels PackedLayout(int width, int height) {
  PackedLevels p;
  if (width <= 0 || height <= 0) return p;
  p.levels.push_back({1, 1, width, height});
  const int column_x = width + 3;
  int column_w = 0, y = 1;
  for (int w = width, h = height; w > 1 || h > 1;) {
    w = std::max(w / 2, 1);
    h = std::max(h / 2, 1);
    p.levels.push_back({column_x, y, w, h});
    column_w = std::max(column_w, w);
    y += h + 2;
  }
  p.width = column_w > 0 ? column_x + column_w + 1 : width + 2;
  p.height = std::max(height + 2, y - 1);
  return p;
}

namespace {

// One level down: each texel the rounded mean of a 2 x 2 block of the level above.
std::vector<std::uint8_t> HalfLevel(const std::vector<std::uint8_t>& above, int aw, int ah,
                                    int w, int h) {
  std::vector<std::uint8_t> out(std::size_t(w) * std::size_t(h) * 4);
  for (int y = 0; y < h; ++y) {
    const int y0 = std::min(2 * y, ah - 1), y1 = std::min(2 * y + 1, ah - 1);
    for (int x = 0; x < w; ++x) {
      const int x0 = std::min(2 * x, aw - 1), x1 = std::min(2 * x + 1, aw - 1);
      const std::uint8_t* a = &above[(std::size_t(y0) * aw + x0) * 4];
      const std::uint8_t* b = &above[(std::size_t(y0) * aw + x1) * 4];
      const std::uint8_t* c = &above[(std::size_t(y1) * aw + x0) * 4];
      const std::uint8_t* d = &above[(std::size_t(y1) * aw + x1) * 4];
      std::uint8_t* o = &out[(std::size_t(y) * w + x) * 4];
      for (int k = 0; k < 4; ++k) o[k] = std::uint8_t((a[k] + b[k] + c[k] + d[k] + 2) / 4);
    }
  }
  return out;
}

// Copies a level into its place and repeats its edge texels into the border round it.
void Place(std::vector<std::uint8_t>& packed, int packed_w, const LevelRect& r,
           const std::vector<std::uint8_t>& level) {
  auto at = [&](int x, int y) { return &packed[(std::size_t(y) * packed_w + x) * 4]; };
  for (int y = -1; y <= r.h; ++y) {
    const int sy = std::clamp(y, 0, r.h - 1);
    const std::uint8_t* src = &level[std::size_t(sy) * r.w * 4];
    std::memcpy(at(r.x, r.y + y), src, std::size_t(r.w) * 4);
    std::memcpy(at(r.x - 1, r.y + y), src, 4);
    std::memcpy(at(r.x + r.w, r.y + y), src + std::size_t(r.w - 1) * 4, 4);
  }
}

}  // namespace

std::vector<std::uint8_t> PackLevels(const TPixmap& rgba, const PackedLevels& layout) {
  std::vector<std::uint8_t> packed(std::size_t(layout.width) * layout.height * 4, 0);
  if (layout.levels.empty()) return packed;
  std::vector<std::uint8_t> level = BgraPixels(rgba);
  int w = rgba.width, h = rgba.height;
  for (std::size_t i = 0; i < layout.levels.size(); ++i) {
    const LevelRect& r = layout.levels[i];
    if (i > 0) {
      level = HalfLevel(level, w, h, r.w, r.h);
      w = r.w;
      h = r.h;
    }
    Place(packed, layout.width, r, level);
  }
  return packed;
}

int QuadLevel(const float xy[8], const float uv[8], int level_count) {
  // The quad's two edges from its first corner, on the screen (a, b) and in texels (s, t).
  const double ax = xy[2] - xy[0], ay = xy[3] - xy[1], bx = xy[6] - xy[0], by = xy[7] - xy[1];
  const double sx = uv[2] - uv[0], sy = uv[3] - uv[1], tx = uv[6] - uv[0], ty = uv[7] - uv[1];
  const double det = ax * by - ay * bx;
  if (!(std::abs(det) > 1e-9)) return 0;
  // Texels per pixel step along the screen's x and y: the edges' map inverted.
  const double dx_u = (sx * by - tx * ay) / det, dx_v = (sy * by - ty * ay) / det;
  const double dy_u = (tx * ax - sx * bx) / det, dy_v = (ty * ax - sy * bx) / det;
  const double rho2 = std::max(dx_u * dx_u + dx_v * dx_v, dy_u * dy_u + dy_v * dy_v);
  if (!(rho2 > 1.0) || !std::isfinite(rho2)) return 0;
  const double lod = 0.5 * std::log2(rho2);
  const int level = lod <= 0.5 ? 0 : int(std::ceil(lod + 0.5)) - 1;
  return std::min(level, level_count - 1);
}

void LevelUV(const PackedLevels& layout, int level, const float uv[8], float out[8]) {
  const LevelRect& r = layout.levels[std::size_t(level)];
  for (int i = 0; i < 4; ++i) {
    out[i * 2] = (float(r.x) + uv[i * 2] * float(r.w)) / float(layout.width);
    out[i * 2 + 1] = (float(r.y) + uv[i * 2 + 1] * float(r.h)) / float(layout.height);
  }
}

}  // namespace detail
