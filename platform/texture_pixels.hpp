#pragma once
// The texels the renderer uploads: pixmaps in the byte order a software rasteriser draws
// fastest, and mip-mapped pictures with their levels side by side in one single-level texture,
// so a quad can be sampled from the one level that fits it (a plain bilinear lookup) instead of
// choosing and blending two levels for every pixel. Internal to the platform layer.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/pixmap.hpp"

namespace vorpel::detail {

// Receives texels for the rectangle (x, y, w, h) of a texture, rows packed, in BGRA order.
using TexelBlock = std::function<void(int x, int y, int w, int h, const std::uint8_t* bgra)>;

// A pixmap's texels in blocks of rows, so that no copy of the whole picture is held at once.
void BgraBlocks(const TPixmap& rgba, const TexelBlock& put);

struct LevelRect {
  int x = 0, y = 0, w = 0, h = 0;
};

// Level 0 at the top left, the smaller levels in a column to its right, each level with a
// border of one texel copied from its edge, so that bilinear sampling at a level's edge reads
// that edge as clamping would.
struct PackedLevels {
  int width = 0, height = 0;
  std::vector<LevelRect> levels;  // level 0 first, down to 1 x 1
};

PackedLevels PackedLayout(int width, int height);
// The packed texture's texels, level by level (level 0 in blocks of rows), each level with its
// border; each level is the 2 x 2 box average of the one above it (the last row or column
// repeated where that one is odd). Texels outside the levels and their borders are not given.
void PackLevels(const TPixmap& rgba, const PackedLevels& layout, const TexelBlock& put);

// The level a quad samples, as the nearest-level rule of mip-mapping picks it: from how many
// texels one pixel step covers along the screen's axes (the larger of the two), constant over
// an affine quad. xy: the corners in pixels; uv: their texel positions in level 0. Quads that
// are magnified, degenerate or not finite sample level 0.
int QuadLevel(const float xy[8], const float uv[8], int level_count);

// Texture coordinates (0-1 across level 0) moved to the same place in level `level`.
void LevelUV(const PackedLevels& layout, int level, const float uv[8], float out[8]);

}  // namespace vorpel::detail
