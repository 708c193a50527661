// The picture generator's building blocks: repeating noise, compositing as the renderer does
// it, quantising, the film colours, the atlas and the text.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <stdexcept>

#include "platform/resources.hpp"
#include "tools/art/atlas.hpp"
#include "tools/art/bubble.hpp"
#include "tools/art/canvas.hpp"
#include "tools/art/film.hpp"
#include "tools/art/noise.hpp"
#include "tools/art/scene.hpp"
#include "tools/art/text.hpp"

namespace {

using namespace art;

TEST(TileNoise, RepeatsWithAPeriodOfOneTileInBothDirections) {
  Rng rng(3);
  for (int i = 0; i < 200; ++i) {
    float u = rng.Range(-1, 1), v = rng.Range(-1, 1);
    float f = FbmTile(u, v, 3, 5, 9);
    EXPECT_NEAR(f, FbmTile(u + 1, v, 3, 5, 9), 1e-4f);
    EXPECT_NEAR(f, FbmTile(u, v - 1, 3, 5, 9), 1e-4f);
    float w = WarpedTile(u, v, 4, 2, 4, 0.6f);
    EXPECT_NEAR(w, WarpedTile(u - 1, v + 1, 4, 2, 4, 0.6f), 1e-4f);
    Cells a = WorleyTile(u, v, 5, 7), b = WorleyTile(u + 1, v + 1, 5, 7);
    EXPECT_NEAR(a.f1, b.f1, 1e-4f);
    EXPECT_NEAR(a.f2, b.f2, 1e-4f);
    EXPECT_EQ(a.id, b.id);
  }
}

TEST(TileNoise, VariesAndStaysInRangeAndDependsOnTheSeed) {
  float lo = 1, hi = -1, seedDiff = 0;
  for (int i = 0; i < 1000; ++i) {
    float u = float(i % 40) / 40.0f, v = float(i / 40) / 25.0f;
    float n = Perlin(u * 8, v * 8, 8, 1);
    lo = std::min(lo, n), hi = std::max(hi, n);
    seedDiff += std::abs(n - Perlin(u * 8, v * 8, 8, 2));
    float n3 = Fbm3(u * 3, v * 3, 0.5f, 4, 1);
    ASSERT_LE(std::abs(n3), 1.5f);
  }
  EXPECT_GE(lo, -1.5f);
  EXPECT_LE(hi, 1.5f);
  EXPECT_GT(hi - lo, 0.8f);
  EXPECT_GT(seedDiff, 50.0f);
}

TEST(TileNoise, GeneratorIsRepeatableAndCoversItsRange) {
  Rng a(42), b(42);
  int seen[6] = {};
  for (int i = 0; i < 600; ++i) {
    int x = a.Int(1, 6);
    ASSERT_EQ(x, b.Int(1, 6));
    ASSERT_GE(x, 1);
    ASSERT_LE(x, 6);
    ++seen[x - 1];
  }
  for (int n : seen) EXPECT_GT(n, 50);
}

TEST(Compositing, AlphaOverAndLightBlendLikeTheRenderer) {
  Rgba dst = Paint(Grey(0.5f), 1);
  Over(dst, Paint(Rgb{1, 0, 0}, 0.25f));
  EXPECT_NEAR(dst.r, 0.25f + 0.5f * 0.75f, 1e-6f);
  EXPECT_NEAR(dst.g, 0.5f * 0.75f, 1e-6f);
  EXPECT_NEAR(dst.a, 1.0f, 1e-6f);
  AddLight(dst, Paint(Grey(1), 0.1f));
  EXPECT_NEAR(dst.g, 0.375f + 0.1f, 1e-6f);
  EXPECT_NEAR(dst.a, 1.0f, 1e-6f);
}

TEST(Compositing, SpriteAboveFullAlphaAddsALightPass) {
  Canvas src(4, 4);
  src.Fill(Paint(Grey(0.8f), 0.5f));
  Canvas once(8, 8), brighter(8, 8);
  once.Fill(Paint(Grey(0.2f), 1));
  brighter.Fill(Paint(Grey(0.2f), 1));
  DrawSprite(once, src, 4, 4, 1, 1.0f);
  DrawSprite(brighter, src, 4, 4, 1, 1.25f);
  // 0.2 * 0.5 + 0.8 * 0.5, then 0.25 of the picture's light added on top.
  EXPECT_NEAR(once.at(4, 4).r, 0.5f, 1e-5f);
  EXPECT_NEAR(brighter.at(4, 4).r, 0.5f + 0.25f * 0.8f * 0.5f, 1e-5f);
  EXPECT_NEAR(brighter.at(0, 0).r, 0.2f, 1e-6f) << "outside the sprite nothing changes";
}

TEST(Compositing, TiledBlurWrapsRoundAndKeepsTheLight) {
  Canvas tile(32, 32), flat(32, 32);
  tile.at(0, 0) = flat.at(0, 0) = Paint(Grey(1), 1);
  Blur(tile, 2, true);
  Blur(flat, 2, false);
  EXPECT_GT(tile.at(31, 31).a, 0.0f);
  EXPECT_EQ(flat.at(31, 31).a, 0.0f);
  EXPECT_NEAR(tile.at(31, 0).a, tile.at(1, 0).a, 1e-6f) << "symmetric across the edge";
  float total = 0;
  for (const Rgba& p : tile.pixels()) total += p.a;
  EXPECT_NEAR(total, 1.0f, 1e-3f);
}

TEST(Compositing, ShapesAreAntialiasedAtTheirEdge) {
  EXPECT_EQ(Coverage(-2), 1.0f);
  EXPECT_EQ(Coverage(2), 0.0f);
  EXPECT_NEAR(Coverage(0), 0.5f, 1e-6f);
  EXPECT_NEAR(SdCircle(13, 10, 10, 10, 2), 1.0f, 1e-6f);
  EXPECT_NEAR(SdRoundBox(10, 10, 10, 10, 4, 3, 1), -3.0f, 1e-6f);
  EXPECT_NEAR(SdSegment(5, 3, 0, 0, 10, 0, 1), 2.0f, 1e-6f);
}

TEST(Quantising, StraightAlphaRoundsAndLeavesClearPixelsBlack) {
  Canvas c(3, 1);
  c.at(0, 0) = Paint(Rgb{1, 0.5f, 0}, 0.5f);
  c.at(1, 0) = Rgba{std::nanf(""), 2.0f, -1.0f, 1.0f};
  TPixmap p = ToPixmap(c, PF_RGBA8888, false);
  EXPECT_EQ(p.ReadPixel(0, 0), 0x80FF8000u);
  EXPECT_EQ(p.ReadPixel(1, 0), 0xFF00FF00u) << "NaN and out-of-range values are clamped";
  EXPECT_EQ(p.ReadPixel(2, 0), 0u);
  Canvas back = FromPixmap(p);
  EXPECT_NEAR(back.at(0, 0).r, 128.0f / 255.0f, 1e-6f) << "read back premultiplied";
}

TEST(FilmColours, VanishingFilmIsDarkAndThickFilmIsNearlyWhite) {
  FilmColours film;
  Rgb none = film.At(0);
  EXPECT_LT(MaxOf(none), 0.05f);
  Rgb mean;
  for (int p = 3000; p < 3900; p += 3) mean = mean + film.At(float(p)) * (1.0f / 300.0f);
  EXPECT_NEAR(mean.r, 1.0f, 0.12f);
  EXPECT_NEAR(mean.g, 1.0f, 0.12f);
  EXPECT_NEAR(mean.b, 1.0f, 0.12f);
  Rgb second = film.At(1100);  // second-order colours are strong
  EXPECT_GT(MaxOf(second) - std::min({second.r, second.g, second.b}), 0.3f);
  EXPECT_EQ(MaxOf(film.At(1e9f)), MaxOf(film.At(4000))) << "clamped, not read past the table";
}

TEST(AtlasLayout, DefinitionTextFollowsTheTable) {
  std::string text = PackText();
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  std::vector<std::string> lines = SplitSourceLines(bytes);
  ASSERT_EQ(lines.size(), 2 + 2 * AtlasTable().size());
  EXPECT_EQ(lines[1], std::to_string(AtlasTable().size()));
  EXPECT_EQ(lines[2], "background,1");
  EXPECT_EQ(lines[3], "0,332,700,420");
  EXPECT_EQ(FindEntry("slider").width, 79);
  EXPECT_THROW(FindEntry("nothing"), std::out_of_range);
}

TEST(AtlasLayout, RectanglesFitAndDoNotOverlap) {
  const auto& t = AtlasTable();
  for (std::size_t i = 0; i < t.size(); ++i) {
    EXPECT_GE(t[i].x, 0);
    EXPECT_LE(t[i].x + t[i].width, kAtlasSize) << t[i].name;
    EXPECT_LE(t[i].y + t[i].height, kAtlasSize) << t[i].name;
    for (std::size_t j = i + 1; j < t.size(); ++j) {
      bool apart = t[i].x + t[i].width <= t[j].x || t[j].x + t[j].width <= t[i].x ||
                   t[i].y + t[i].height <= t[j].y || t[j].y + t[j].height <= t[i].y;
      EXPECT_TRUE(apart) << t[i].name << " overlaps " << t[j].name;
    }
  }
}

TEST(AtlasLayout, ClearPixelsBorrowNearbyColourOnlyInsideTheirRectangle) {
  std::map<std::string, Canvas> pictures;
  for (const AtlasEntry& e : AtlasTable()) {
    Canvas c(e.width, e.height);
    c.at(e.width / 2, e.height / 2) = Paint(Rgb{1, 0, 0}, 1);
    pictures[e.name] = c;
  }
  TPixmap atlas = ComposeAtlas(pictures);
  const AtlasEntry& e = FindEntry("slider");
  EXPECT_EQ(atlas.ReadPixel(e.x + e.width / 2, e.y + e.height / 2), 0xFFFF0000u);
  EXPECT_EQ(atlas.ReadPixel(e.x + e.width / 2 + 1, e.y + e.height / 2), 0x00FF0000u)
      << "clear but red";
  EXPECT_EQ(atlas.ReadPixel(e.x, e.y), 0u) << "too far from any colour";
  EXPECT_EQ(atlas.ReadPixel(1000, 1000), 0u);
}

TEST(Bubbles, SameStyleDrawsTheSameBubbleAndCornersStayClear) {
  BubbleStyle s = BubbleStyleFor(4);
  Canvas a = DrawBubble(40, 38, s), b = DrawBubble(40, 38, s);
  for (std::size_t i = 0; i < a.pixels().size(); ++i) ASSERT_EQ(a.pixels()[i].a, b.pixels()[i].a);
  EXPECT_EQ(a.at(0, 0).a, 0.0f);
  EXPECT_EQ(a.at(39, 37).a, 0.0f);
  EXPECT_GT(a.at(20, 1).a, 0.3f) << "the rim touches the top, one pixel in";
  Canvas other = DrawBubble(40, 38, BubbleStyleFor(5));
  float diff = 0;
  for (std::size_t i = 0; i < a.pixels().size(); ++i)
    diff += std::abs(a.pixels()[i].r - other.pixels()[i].r);
  EXPECT_GT(diff, 10.0f);
}

TEST(Text, RendersInkThatGrowsWithTheText) {
  TextMask short_ = RenderText(FontFace::kSansBold, "Vo", 20);
  TextMask long_ = RenderText(FontFace::kSansBold, "Vorpel!", 20);
  EXPECT_GT(long_.width, short_.width * 2);
  EXPECT_EQ(long_.height, short_.height);
  float ink = 0;
  for (float c : long_.cover) ink += c;
  EXPECT_GT(ink, 50.0f);
  float firstColumn = 0;
  for (int y = 0; y < long_.height; ++y) firstColumn += long_.At(0, y);
  EXPECT_GT(firstColumn, 0.0f) << "trimmed to the first inked column";
  EXPECT_EQ(long_.At(-1, 0), 0.0f);
}

}  // namespace
