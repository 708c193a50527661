// The background tiles: seamless in both directions, front layers partly clear, and each set
// with a look of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "tests/assets/pictures.hpp"
#include "tests/assets/tile_figures.hpp"

namespace {

using pictures::Load;
using pictures::Shown;

// Mean change of the shown colour and alpha between column x and column x + 1 (wrapping),
// or between rows when across is false.
float Step(const TPixmap& p, int i, bool columns) {
  int n = columns ? p.width : p.height, m = columns ? p.height : p.width;
  int j = (i + 1) % n;
  float sum = 0;
  for (int k = 0; k < m; ++k)
    for (int c = 0; c < 4; ++c)
      sum += columns ? std::abs(Shown(p, j, k, c) - Shown(p, i, k, c))
                     : std::abs(Shown(p, k, j, c) - Shown(p, k, i, c));
  return sum / float(m);
}

// True when the step across the wrap edge is no larger than the steps between neighbouring
// columns (rows) inside the tile usually are, there or anywhere: a seam is a jump that nothing
// near it or elsewhere in the tile matches.
bool JoinsSeamlessly(const TPixmap& p, bool columns, std::string* why) {
  int n = columns ? p.width : p.height;
  std::vector<float> inside;
  for (int i = 0; i < n - 1; ++i) inside.push_back(Step(p, i, columns));
  float nearby = 0;
  for (int k = 0; k < 4; ++k)
    nearby = std::max({nearby, inside[std::size_t(k)], inside[inside.size() - 1 - std::size_t(k)]});
  std::sort(inside.begin(), inside.end());
  float typical = std::max(inside[inside.size() * 9 / 10], nearby);
  float wrap = Step(p, n - 1, columns);
  *why = "wrap step " + std::to_string(wrap) + ", typical " + std::to_string(typical);
  return wrap <= typical * 1.25f + 0.5f;
}

std::string Tile(int set, char layer) { return std::to_string(set) + layer + ".png"; }

TEST(BackgroundTiles, EveryTileJoinsItselfWithoutASeam) {
  for (int set = 1; set <= 10; ++set)
    for (char layer : {'a', 'b', 'c', 'd'}) {
      SCOPED_TRACE(Tile(set, layer));
      PixmapPtr p = Load(Tile(set, layer));
      ASSERT_TRUE(p);
      std::string why;
      EXPECT_TRUE(JoinsSeamlessly(*p, true, &why)) << "left and right: " << why;
      EXPECT_TRUE(JoinsSeamlessly(*p, false, &why)) << "top and bottom: " << why;
    }
}

TEST(BackgroundTiles, TheSeamCheckNoticesATileThatDoesNotRepeat) {
  TPixmap ramp(64, 64, PF_RGB888);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      ramp.WritePixel(x, y, 0xFF000000u | std::uint32_t(x * 3) << 16 | std::uint32_t(y * 2));
  std::string why;
  EXPECT_FALSE(JoinsSeamlessly(ramp, true, &why));
  EXPECT_FALSE(JoinsSeamlessly(ramp, false, &why));
}

TEST(BackgroundTiles, FrontLayersLetTheBackShowThrough) {
  for (int set = 1; set <= 10; ++set)
    for (char layer : {'a', 'c'}) {
      SCOPED_TRACE(Tile(set, layer));
      PixmapPtr p = Load(Tile(set, layer));
      ASSERT_TRUE(p);
      int clearish = 0, lit = 0;
      for (int y = 0; y < p->height; ++y)
        for (int x = 0; x < p->width; ++x) {
          int a = pictures::Alpha(*p, x, y);
          clearish += a < 100;
          lit += a > 40;
        }
      int all = p->width * p->height;
      EXPECT_GT(clearish, all / 2);
      EXPECT_GT(lit, all / 200);
    }
}

// Mean shown colour of a picture.
std::array<float, 3> MeanColour(const TPixmap& p) {
  std::array<float, 3> m{};
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      for (int c = 0; c < 3; ++c) m[std::size_t(c)] += Shown(p, x, y, c);
  for (float& v : m) v /= float(p.width * p.height);
  return m;
}

TEST(BackgroundTiles, SetsLookDifferentAndBothPairsOfASetShareItsColours) {
  std::vector<std::array<float, 3>> b, d;
  for (int set = 1; set <= 10; ++set) {
    PixmapPtr pb = Load(Tile(set, 'b')), pd = Load(Tile(set, 'd'));
    ASSERT_TRUE(pb && pd);
    b.push_back(MeanColour(*pb));
    d.push_back(MeanColour(*pd));
  }
  auto distance = [](const std::array<float, 3>& x, const std::array<float, 3>& y) {
    return std::hypot(x[0] - y[0], x[1] - y[1], x[2] - y[2]);
  };
  for (std::size_t i = 0; i < b.size(); ++i) {
    float own = distance(b[i], d[i]);
    float nearestOther = 1e9f;
    for (std::size_t j = 0; j < b.size(); ++j)
      if (j != i) nearestOther = std::min(nearestOther, distance(b[i], b[j]));
    EXPECT_GT(nearestOther, 6.0f) << "set " << i + 1 << " looks like another set";
    EXPECT_LT(own, 80.0f) << "set " << i + 1 << " pairs do not share a theme";
  }
}

// Where the front tile may sit over the back one as the layers drift at their two speeds.
constexpr int kDrifts[][2] = {{0, 0}, {128, 0}, {0, 128}, {128, 128}, {64, 192}, {200, 40}};

// Every pair, wherever its layers drift to: rich close up, and no light or dark patch large
// enough to mark each copy of the tile on the screen.
TEST(BackgroundTiles, EveryPairIsRichButItsRepeatHasNoLandmark) {
  std::string table = "set pair  texture  blobs: aligned, worst drift\n";
  for (int set = 1; set <= 10; ++set)
    for (auto pair : {std::pair{'a', 'b'}, std::pair{'c', 'd'}}) {
      SCOPED_TRACE(Tile(set, pair.first) + " over " + Tile(set, pair.second));
      PixmapPtr front = Load(Tile(set, pair.first)), back = Load(Tile(set, pair.second));
      ASSERT_TRUE(front && back);
      float texture = 1e9f, blobs = 0, aligned = 0;
      for (auto d : kDrifts) {
        tilefigures::Figures f = tilefigures::Measure(*back, *front, d[0], d[1]);
        texture = std::min(texture, f.texture);
        blobs = std::max(blobs, f.blobs);
        if (d[0] == 0 && d[1] == 0) aligned = f.blobs;
      }
      EXPECT_GE(texture, 10.0f);
      EXPECT_LE(blobs, 4.0f);
      char line[64];
      std::snprintf(line, sizeof line, "%3d %c/%c %8.1f %8.1f %6.1f\n", set, pair.first,
                    pair.second, double(texture), double(aligned), double(blobs));
      table += line;
    }
  std::printf("%s", table.c_str());
}

// The blob measure sees one large soft patch per tile and not fine texture of the same spread.
TEST(BackgroundTiles, TheBlobMeasureTellsAPatchFromTexture) {
  TPixmap patch(256, 256, PF_RGBA8888), grain(256, 256, PF_RGBA8888), clear(256, 256, PF_RGBA8888);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      float d = std::hypot(float(x - 128), float(y - 128));
      auto level = [](float v) {
        auto c = std::uint32_t(std::clamp(v, 0.0f, 255.0f));
        return 0xFF000000u | c << 16 | c << 8 | c;
      };
      patch.WritePixel(x, y, level(100 + 60 * std::exp(-d * d / 3000)));
      grain.WritePixel(x, y, level((x / 2 + y / 2) % 2 ? 130 : 90));
      clear.WritePixel(x, y, 0);
    }
  tilefigures::Figures p = tilefigures::Measure(patch, clear),
                       g = tilefigures::Measure(grain, clear);
  EXPECT_GT(p.blobs, 8.0f);
  EXPECT_NEAR(g.texture, 20.0f, 0.5f);
  EXPECT_LT(g.blobs, 0.5f);
  // A half-clear white front layer halves the spread of what shows through it.
  TPixmap veil(256, 256, PF_RGBA8888);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) veil.WritePixel(x, y, 0x80FFFFFFu);
  EXPECT_NEAR(tilefigures::Measure(grain, veil).texture, g.texture * (1 - 128 / 255.0f), 0.3f);
}

}  // namespace
