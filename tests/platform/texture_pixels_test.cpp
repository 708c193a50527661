#include "platform/texture_pixels.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "platform/graphics.hpp"
#include "tests/support/graphics_fixture.hpp"

using namespace vorpel::detail;

namespace {

// The packed texel at (x, y) as 0xAARRGGBB.
std::uint32_t Texel(const std::vector<std::uint8_t>& bgra, const PackedLevels& p, int x, int y) {
  const std::uint8_t* t = &bgra[(std::size_t(y) * p.width + x) * 4];
  return std::uint32_t(t[3]) << 24 | std::uint32_t(t[2]) << 16 | std::uint32_t(t[1]) << 8 | t[0];
}

// A quad of w x h pixels at the origin, turned by degrees, showing all of a tw x th picture.
void Quad(float w, float h, float degrees, float tw, float th, float xy[8], float uv[8]) {
  const float c = std::cos(degrees * 3.14159265f / 180), s = std::sin(degrees * 3.14159265f / 180);
  const float corners[8] = {0, 0, w, 0, w, h, 0, h};
  const float texels[8] = {0, 0, tw, 0, tw, th, 0, th};
  for (int i = 0; i < 4; ++i) {
    xy[i * 2] = corners[i * 2] * c - corners[i * 2 + 1] * s;
    xy[i * 2 + 1] = corners[i * 2] * s + corners[i * 2 + 1] * c;
    uv[i * 2] = texels[i * 2];
    uv[i * 2 + 1] = texels[i * 2 + 1];
  }
}

}  // namespace

// Every level sits in the texture with its one-texel border, apart from the others, and holds
// the box average of the level above; the border repeats the level's edge.
TEST(PackedMipLevels, LevelsAreBoxAveragesWithTheirEdgesRepeatedRoundThem) {
  TPixmap picture(6, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) picture.WritePixel(x, y, 0xFF000000u | (x * 40) << 16 | (y * 50));
  const PackedLevels p = PackedLayout(6, 5);
  ASSERT_EQ(p.levels.size(), 3u);  // 6 x 5, 3 x 2, 1 x 1
  EXPECT_EQ(p.levels[1].w, 3);
  EXPECT_EQ(p.levels[1].h, 2);
  for (std::size_t i = 0; i < p.levels.size(); ++i)
    for (std::size_t j = i + 1; j < p.levels.size(); ++j) {
      const LevelRect &a = p.levels[i], &b = p.levels[j];
      const bool apart = a.x + a.w + 1 <= b.x - 1 || b.x + b.w + 1 <= a.x - 1 ||
                         a.y + a.h + 1 <= b.y - 1 || b.y + b.h + 1 <= a.y - 1;
      EXPECT_TRUE(apart) << i << " and " << j;
    }
  for (const LevelRect& r : p.levels) {
    EXPECT_GE(r.x, 1);
    EXPECT_GE(r.y, 1);
    EXPECT_LE(r.x + r.w + 1, p.width);
    EXPECT_LE(r.y + r.h + 1, p.height);
  }
  std::vector<std::uint8_t> packed(std::size_t(p.width) * p.height * 4);
  PackLevels(picture, p, [&](int x, int y, int w, int h, const std::uint8_t* bgra) {
    for (int row = 0; row < h; ++row)
      std::memcpy(&packed[(std::size_t(y + row) * p.width + x) * 4], bgra + std::size_t(row) * w * 4,
                  std::size_t(w) * 4);
  });
  const LevelRect& l0 = p.levels[0];
  const LevelRect& l1 = p.levels[1];
  EXPECT_EQ(Texel(packed, p, l0.x + 5, l0.y + 4), picture.ReadPixel(5, 4));
  EXPECT_EQ(Texel(packed, p, l0.x + 6, l0.y + 5), picture.ReadPixel(5, 4));  // corner border
  EXPECT_EQ(Texel(packed, p, l0.x - 1, l0.y + 2), picture.ReadPixel(0, 2));
  // Level 1's texel (1, 0) averages texels (2..3, 0..1): red (80 + 120) / 2, blue 25.
  EXPECT_EQ(Texel(packed, p, l1.x + 1, l1.y), 0xFF640019u);
  EXPECT_EQ(Texel(packed, p, l1.x + 1, l1.y - 1), 0xFF640019u);
}

TEST(PackedMipLevels, AQuadSamplesTheNearestLevelForItsLargerStepAcrossTheScreen) {
  float xy[8], uv[8];
  auto level = [&](float w, float h, float degrees) {
    Quad(w, h, degrees, 256, 256, xy, uv);
    return QuadLevel(xy, uv, 9);
  };
  EXPECT_EQ(level(512, 512, 0), 0);   // magnified
  EXPECT_EQ(level(200, 200, 0), 0);   // 1.28 texels a pixel: still level 0
  EXPECT_EQ(level(128, 128, 0), 1);
  EXPECT_EQ(level(64, 256, 0), 2);    // the larger step decides
  EXPECT_EQ(level(128, 128, 45), 1);  // turning changes nothing
  EXPECT_EQ(level(1, 1, 0), 8);
  EXPECT_EQ(level(0.01f, 0.01f, 0), 8);  // never past the last level
  EXPECT_EQ(level(0, 10, 0), 0);         // degenerate
}

using PackedMipDrawing = testsupport::GraphicsTest;

// A one-texel checker of black and white: minified to half its size it is grey, as its next
// level is, where sampling only the full-size picture would show its black or white texels.
TEST_F(PackedMipDrawing, AMinifiedQuadShowsItsLevelAndAMagnifiedOneThePicture) {
  auto checker = std::make_shared<TPixmap>(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) checker->WritePixel(x, y, (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u);
  ImagePtr image = ImageFromPixmap(checker, FILTEREDIMAGE | MIPMAPPEDIMAGE);
  SetBlend(SOLIDBLEND);
  ImageDrawRect(image, 0, 0, 32, 32);
  for (int p : {5, 16, 27}) EXPECT_NEAR(Red(Pixel(p, p + 1)), 128, 3) << p;
  ImageDrawRect(image, 40, 0, 64, 64);
  EXPECT_EQ(Pixel(40 + 10, 11), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(40 + 10, 10), 0xFF000000u);
}
