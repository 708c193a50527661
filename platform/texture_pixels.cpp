#include "platform/texture_pixels.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vorpel::detail {

namespace {

// Rows of a picture taken at a time: small next to any texture worth keeping on the GPU.
constexpr int kBlockRows = 32;

// May work in place.
void SwapRedBlue(const std::uint8_t* rgba, std::uint8_t* bgra, int pixels) {
  for (int i = 0; i < pixels * 4; i += 4) {
    const std::uint8_t r = rgba[i], g = rgba[i + 1], b = rgba[i + 2], a = rgba[i + 3];
    bgra[i] = b;
    bgra[i + 1] = g;
    bgra[i + 2] = r;
    bgra[i + 3] = a;
  }
}

}  // namespace

void BgraBlocks(const TPixmap& rgba, const TexelBlock& put) {
  std::vector<std::uint8_t> block(std::size_t(rgba.width) * 4 * kBlockRows);
  for (int y0 = 0; y0 < rgba.height; y0 += kBlockRows) {
    const int rows = std::min(kBlockRows, rgba.height - y0);
    for (int y = 0; y < rows; ++y)
      SwapRedBlue(rgba.Row(y0 + y), &block[std::size_t(y) * rgba.width * 4], rgba.width);
    put(0, y0, rgba.width, rows, block.data());
  }
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

// The level below one of aw x ah texels whose rows row(y) gives: each texel the rounded mean
// of a 2 x 2 block, the last row or column repeated where the level above is odd. Channels are
// averaged alike, so the order of the bytes passes through.
template <typename RowOf>
std::vector<std::uint8_t> HalfLevel(RowOf row, int aw, int ah, int w, int h) {
  std::vector<std::uint8_t> out(std::size_t(w) * std::size_t(h) * 4);
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* r0 = row(std::min(2 * y, ah - 1));
    const std::uint8_t* r1 = row(std::min(2 * y + 1, ah - 1));
    for (int x = 0; x < w; ++x) {
      const std::size_t x0 = std::size_t(std::min(2 * x, aw - 1)) * 4;
      const std::size_t x1 = std::size_t(std::min(2 * x + 1, aw - 1)) * 4;
      std::uint8_t* o = &out[(std::size_t(y) * w + x) * 4];
      for (int k = 0; k < 4; ++k)
        o[k] = std::uint8_t((r0[x0 + k] + r0[x1 + k] + r1[x0 + k] + r1[x1 + k] + 2) / 4);
    }
  }
  return out;
}

// Rows first .. first + rows - 1 of a level with a texel of border round it (rows -1 and h
// are border rows), as one block; row(y) gives the level's rows, y in 0 .. h - 1.
template <typename RowOf>
void PutBordered(const LevelRect& r, int first, int rows, RowOf row,
                 std::vector<std::uint8_t>& block, const TexelBlock& put) {
  const std::size_t stride = std::size_t(r.w + 2) * 4;
  block.resize(stride * std::size_t(rows));
  for (int i = 0; i < rows; ++i) {
    const std::uint8_t* src = row(std::clamp(first + i, 0, r.h - 1));
    std::uint8_t* out = &block[stride * std::size_t(i)];
    std::memcpy(out, src, 4);
    std::memcpy(out + 4, src, std::size_t(r.w) * 4);
    std::memcpy(out + stride - 4, src + std::size_t(r.w - 1) * 4, 4);
  }
  put(r.x - 1, r.y + first, r.w + 2, rows, block.data());
}

}  // namespace

void PackLevels(const TPixmap& rgba, const PackedLevels& layout, const TexelBlock& put) {
  if (layout.levels.empty()) return;
  std::vector<std::uint8_t> block, swapped(std::size_t(rgba.width) * 4), level;
  const LevelRect& top = layout.levels[0];
  auto pixmap_row = [&](int y) {
    SwapRedBlue(rgba.Row(y), swapped.data(), rgba.width);
    return swapped.data();
  };
  for (int first = -1; first <= top.h; first += kBlockRows)
    PutBordered(top, first, std::min(kBlockRows, top.h + 1 - first), pixmap_row, block, put);
  for (std::size_t i = 1; i < layout.levels.size(); ++i) {
    const LevelRect &r = layout.levels[i], &above = layout.levels[i - 1];
    if (i == 1) {
      level = HalfLevel([&](int y) { return rgba.Row(y); }, above.w, above.h, r.w, r.h);
      SwapRedBlue(level.data(), level.data(), r.w * r.h);
    } else {
      const std::vector<std::uint8_t> prior = std::move(level);
      level = HalfLevel([&](int y) { return &prior[std::size_t(y) * above.w * 4]; }, above.w,
                        above.h, r.w, r.h);
    }
    PutBordered(r, -1, r.h + 2, [&](int y) { return &level[std::size_t(y) * r.w * 4]; }, block,
                put);
  }
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

}  // namespace vorpel::detail
