// The embedded pictures and the atlas definition: present, the right size and kind, and laid
// out where the program looks for them.
#include "platform/resources.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/assets/pictures.hpp"

namespace {

using pictures::Alpha;
using pictures::Bytes;
using pictures::Load;
using pictures::PngColourType;

struct Rect {
  const char* name;
  int x, y, w, h;
};

// The atlas rectangles the program's screens and scene ask for by name.
const Rect kAtlas[] = {
    {"background", 0, 332, 700, 420}, {"1", 802, 0, 116, 115},      {"2", 802, 117, 112, 111},
    {"3", 802, 230, 116, 115},        {"4", 702, 347, 116, 115},    {"5", 820, 347, 112, 111},
    {"6", 820, 460, 116, 115},        {"7", 702, 464, 116, 115},    {"8", 820, 577, 112, 111},
    {"9", 702, 581, 116, 115},        {"10", 820, 690, 112, 111},   {"exit", 139, 754, 137, 140},
    {"trevane", 278, 754, 204, 65},   {"more", 484, 754, 137, 140}, {"off", 920, 0, 98, 100},
    {"on", 920, 102, 98, 100},        {"slider", 920, 204, 79, 82}, {"view", 623, 754, 137, 140},
};

const Rect& Find(const std::string& name) {
  for (const Rect& r : kAtlas)
    if (name == r.name) return r;
  throw std::out_of_range(name);
}

void ExpectPicture(const std::string& name, int w, int h, int colourType) {
  SCOPED_TRACE(name);
  std::vector<std::uint8_t> bytes = Bytes(name);
  ASSERT_FALSE(bytes.empty());
  if (colourType >= 0) {
    EXPECT_EQ(PngColourType(bytes), colourType);
  }
  PixmapPtr p = Load(name);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, w);
  EXPECT_EQ(p->height, h);
}

TEST(EmbeddedPictures, EveryResourceOpensWithItsSizeAndKind) {
  ExpectPicture("image1.png", 1024, 1024, 6);
  ExpectPicture("mgeres1.png", 256, 256, 6);
  ExpectPicture("icon.png", 64, 64, 6);
  for (int set = 1; set <= 10; ++set) {
    std::string n = std::to_string(set);
    ExpectPicture(n + "a.png", 256, 256, 6);
    ExpectPicture(n + "c.png", 256, 256, 6);
    ExpectPicture(n + "b.png", 256, 256, 2);
    ExpectPicture(n + "d.png", 256, 256, 2);
  }
}

TEST(EmbeddedPictures, PreviewIsASmallJpeg) {
  std::vector<std::uint8_t> bytes = Bytes("previewimage.jpg");
  ASSERT_GE(bytes.size(), 3u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  EXPECT_EQ(PngColourType(bytes), -1);
  PixmapPtr p = Load("previewimage.jpg");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, 152);
  EXPECT_EQ(p->height, 112);
}

TEST(AtlasDefinition, ListsEveryRectangleInTheKitsFormat) {
  std::vector<std::uint8_t> bytes = Bytes("image1.pac");
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 0) << "lines end in LF only";
  EXPECT_EQ(bytes.back(), '\n');
  std::vector<std::string> lines = SplitSourceLines(bytes);
  const std::size_t n = std::size(kAtlas);
  ASSERT_GE(lines.size(), 2 + 2 * n);
  EXPECT_EQ(lines[0], "image1.png");
  EXPECT_EQ(lines[1], std::to_string(n));
  for (std::size_t i = 0; i < n; ++i) {
    const std::string& head = lines[2 + 2 * i];
    std::string name = head.substr(0, head.find(','));
    EXPECT_EQ(head, name + ",1");
    const Rect& r = Find(name);
    EXPECT_EQ(lines[3 + 2 * i], std::to_string(r.x) + "," + std::to_string(r.y) + "," +
                                    std::to_string(r.w) + "," + std::to_string(r.h))
        << name;
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(lines[2 + 2 * j], head) << "listed twice";
  }
}

TEST(AtlasPicture, NothingOutsideTheRectanglesIsVisible) {
  PixmapPtr atlas = Load("image1.png");
  ASSERT_TRUE(atlas);
  int visible = 0;
  for (int y = 0; y < atlas->height; ++y)
    for (int x = 0; x < atlas->width; ++x) {
      bool inside = false;
      for (const Rect& r : kAtlas) inside |= x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h;
      if (!inside && Alpha(*atlas, x, y) != 0) ++visible;
    }
  EXPECT_EQ(visible, 0);
}

// Alpha (0..1) of the pixels of a bubble whose distance from its centre, in radii, lies in
// [from, to): median, mean and largest.
struct Band {
  float median = 0, mean = 0, max = 0;
};
Band AlphaBand(const TPixmap& atlas, const Rect& r, float from, float to) {
  float cx = float(r.w) / 2, cy = float(r.h) / 2, radius = float(std::min(r.w, r.h) - 2) / 2;
  std::vector<float> alphas;
  for (int y = 0; y < r.h; ++y)
    for (int x = 0; x < r.w; ++x) {
      float d = std::hypot(float(x) + 0.5f - cx, float(y) + 0.5f - cy) / radius;
      if (d >= from && d < to) alphas.push_back(float(Alpha(atlas, r.x + x, r.y + y)) / 255.0f);
    }
  Band b;
  if (alphas.empty()) return b;
  std::sort(alphas.begin(), alphas.end());
  b.median = alphas[alphas.size() / 2];
  b.max = alphas.back();
  for (float a : alphas) b.mean += a / float(alphas.size());
  return b;
}

// The highlights may cross the middle; the film between them must stay nearly clear.
TEST(AtlasPicture, BubblesAreClearInTheMiddleWithABrightRim) {
  PixmapPtr atlas = Load("image1.png");
  ASSERT_TRUE(atlas);
  for (int set = 1; set <= 10; ++set) {
    const Rect& r = Find(std::to_string(set));
    SCOPED_TRACE(r.name);
    Band middle = AlphaBand(*atlas, r, 0.0f, 0.3f);
    EXPECT_GT(middle.median, 0.04f);
    EXPECT_LT(middle.median, 0.26f);
    Band rim = AlphaBand(*atlas, r, 0.95f, 1.0f);
    EXPECT_GT(rim.mean, 0.4f);
    EXPECT_GT(rim.max, 0.7f);
    EXPECT_EQ(AlphaBand(*atlas, r, 1.0f + 2.0f / float(r.h), 10.0f).max, 0.0f) << "corners clear";
  }
}

TEST(AtlasPicture, EverySetHasItsOwnBubble) {
  PixmapPtr atlas = Load("image1.png");
  ASSERT_TRUE(atlas);
  for (int a = 1; a <= 10; ++a)
    for (int b = a + 1; b <= 10; ++b) {
      const Rect &ra = Find(std::to_string(a)), &rb = Find(std::to_string(b));
      double diff = 0;
      int w = std::min(ra.w, rb.w), h = std::min(ra.h, rb.h);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          for (int c = 0; c < 4; ++c)
            diff += std::abs(pictures::Shown(*atlas, ra.x + x, ra.y + y, c) -
                             pictures::Shown(*atlas, rb.x + x, rb.y + y, c));
      EXPECT_GT(diff / (w * h * 4), 4.0) << a << " and " << b;
    }
}

TEST(AtlasPicture, ControlsAreVisibleWithAClearMargin) {
  PixmapPtr atlas = Load("image1.png");
  ASSERT_TRUE(atlas);
  for (const char* name : {"view", "more", "exit", "off", "on", "slider", "trevane"}) {
    const Rect& r = Find(name);
    SCOPED_TRACE(name);
    int opaque = 0;
    for (int y = 0; y < r.h; ++y)
      for (int x = 0; x < r.w; ++x) {
        bool edge = x < 2 || y < 2 || x >= r.w - 2 || y >= r.h - 2;
        if (edge) {
          EXPECT_LT(Alpha(*atlas, r.x + x, r.y + y), 8) << x << "," << y;
        }
        opaque += Alpha(*atlas, r.x + x, r.y + y) > 200;
      }
    EXPECT_GT(opaque, r.w * r.h / 20);
  }
}

TEST(AtlasPicture, ScreenBackgroundIsOpaque) {
  PixmapPtr atlas = Load("image1.png");
  ASSERT_TRUE(atlas);
  const Rect& r = Find("background");
  for (int y = 0; y < r.h; y += 7)
    for (int x = 0; x < r.w; x += 7)
      ASSERT_EQ(Alpha(*atlas, r.x + x, r.y + y), 255) << x << "," << y;
}

TEST(AtlasPicture, CheckBoxStatesDiffer) {
  PixmapPtr atlas = Load("image1.png");
  ASSERT_TRUE(atlas);
  const Rect &off = Find("off"), &on = Find("on");
  int changed = 0;
  for (int y = 0; y < off.h; ++y)
    for (int x = 0; x < off.w; ++x)
      changed += atlas->ReadPixel(off.x + x, off.y + y) != atlas->ReadPixel(on.x + x, on.y + y);
  EXPECT_GT(changed, 200);
}

TEST(EffectsPicture, NamedCellsHoldShapesThatFadeBeforeTheirEdges) {
  PixmapPtr p = Load("mgeres1.png");
  ASSERT_TRUE(p);
  struct Cell {
    int x, y, w, h;
  };
  std::vector<Cell> cells = {{0, 0, 64, 64}, {214, 0, 8, 8}, {70, 50, 20, 3}, {0, 160, 32, 32}};
  for (int k = 0; k < 16; ++k) cells.push_back({k * 16, 70, 16, 16});
  for (const Cell& c : cells) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    int ink = 0, rim = 0;
    for (int y = 0; y < c.h; ++y)
      for (int x = 0; x < c.w; ++x) {
        int a = Alpha(*p, c.x + x, c.y + y);
        ink += a;
        bool edge = x == 0 || x == c.w - 1 || ((y == 0 || y == c.h - 1) && c.h > 3);
        if (edge) rim = std::max(rim, a);
        EXPECT_EQ(p->ReadPixel(c.x + x, c.y + y) & 0xFFFFFF, 0xFFFFFFu)
            << "white, tinted when drawn";
      }
    EXPECT_GT(ink, 255 * 2);
    EXPECT_LT(rim, 40);
  }
}

}  // namespace
