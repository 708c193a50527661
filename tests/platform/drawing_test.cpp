#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics.hpp"
#include "platform/renderer.hpp"
#include "platform/resources.hpp"
#include "tests/support/graphics_fixture.hpp"
#include "tests/support/support.hpp"

using testsupport::GraphicsTest;

namespace {

// A solid-colour image of the given size.
ImagePtr SolidImage(int w, int h, std::uint32_t argb, int flags = FILTEREDIMAGE) {
  auto pixmap = std::make_shared<TPixmap>(w, h);
  pixmap->Clear(argb);
  return ImageFromPixmap(pixmap, flags);
}

void FillBackground(int r, int g, int b) {
  SetClsColor(r, g, b);
  Cls();
}

}  // namespace

using DrawingTest = GraphicsTest;

TEST_F(DrawingTest, EachBlendModeCombinesWithTheDestinationAsNamed) {
  struct Case {
    int mode;
    int r, g, b;  // expected over a (100, 100, 100) background of grey 50% red
  } cases[] = {
      {SOLIDBLEND, 200, 0, 0},     // replaces, ignoring alpha
      {ALPHABLEND, 150, 50, 50},   // 0.5 * 200 + 0.5 * 100
      {LIGHTBLEND, 200, 100, 100}, // 100 + 0.5 * 200
      {SHADEBLEND, 78, 0, 0},      // 100 * 200 / 255
      {99, 200, 0, 0},             // unknown modes draw solid
  };
  for (const Case& c : cases) {
    FillBackground(100, 100, 100);
    SetBlend(c.mode);
    SetColor(200, 0, 0);
    SetAlpha(0.5f);
    DrawRect(10, 10, 20, 20);
    std::uint32_t p = Pixel(15, 15);
    EXPECT_NEAR(Red(p), c.r, 2) << "mode " << c.mode;
    EXPECT_NEAR(Green(p), c.g, 2) << "mode " << c.mode;
    EXPECT_NEAR(Blue(p), c.b, 2) << "mode " << c.mode;
    EXPECT_EQ(Red(Pixel(5, 5)), 100) << "outside the rectangle, mode " << c.mode;
  }
}

TEST_F(DrawingTest, MaskBlendDrawsOnlyTexelsAboveHalfAlpha) {
  auto pixmap = std::make_shared<TPixmap>(2, 1);
  pixmap->WritePixel(0, 0, 0x90FF0000);  // alpha 144: drawn
  pixmap->WritePixel(1, 0, 0x70FF0000);  // alpha 112: left out
  ImagePtr image = ImageFromPixmap(pixmap, 0);
  FillBackground(0, 0, 255);
  SetBlend(MASKBLEND);
  SetDrawScale(10, 10);
  ImageDraw(image, 0, 0);
  EXPECT_EQ(Pixel(5, 5), 0xFFFF0000u);
  EXPECT_EQ(Pixel(15, 5), 0xFF0000FFu);
}

TEST_F(DrawingTest, AlphaIsClampedIntoZeroToOne) {
  SetBlend(ALPHABLEND);
  SetColor(255, 255, 255);
  FillBackground(0, 0, 0);
  SetAlpha(1.5f);
  EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
  DrawRect(0, 0, 10, 10);
  EXPECT_EQ(Pixel(5, 5), 0xFFFFFFFFu);
  SetAlpha(-1.0f);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.0f);
  DrawRect(20, 0, 10, 10);
  EXPECT_EQ(Pixel(25, 5), 0xFF000000u);
  SetAlpha(std::nanf(""));
  EXPECT_FLOAT_EQ(GetAlpha(), 0.0f);
}

TEST_F(DrawingTest, SettingTheBlendInForceIssuesNothing) {
  SetBlend(SOLIDBLEND);
  int before = CurrentFrameStats().state_changes;
  SetBlend(ALPHABLEND);
  SetBlend(ALPHABLEND);
  EXPECT_EQ(CurrentFrameStats().state_changes - before, 1);
}

TEST_F(DrawingTest, QuadsOfOneTextureAndBlendShareOneDrawCall) {
  ImagePtr a = SolidImage(4, 4, 0xFFFF0000);
  ImagePtr b = SolidImage(4, 4, 0xFF00FF00);
  SetBlend(ALPHABLEND);
  Flip(0);
  for (int i = 0; i < 100; ++i) ImageDraw(a, float(i % 40), 10);
  ImageDraw(b, 50, 50);
  ImageDraw(b, 60, 50);
  SetBlend(LIGHTBLEND);
  ImageDraw(b, 70, 50);
  Flip(0);
  RenderStats stats = LastFrameStats();
  EXPECT_EQ(stats.quads, 103);
  EXPECT_EQ(stats.draw_calls, 3);  // a; b alpha; b light
}

TEST_F(DrawingTest, TransformFollowsRotationAndScale) {
  SetTransform(90, 2, 3);
  const auto& s = DrawState();
  EXPECT_NEAR(s.tform_ix, 0.0f, 1e-6);
  EXPECT_NEAR(s.tform_iy, -3.0f, 1e-6);
  EXPECT_NEAR(s.tform_jx, 2.0f, 1e-6);
  EXPECT_NEAR(s.tform_jy, 0.0f, 1e-6);
  float sx, sy;
  GetDrawScale(sx, sy);
  EXPECT_EQ(sx, 2.0f);
  EXPECT_EQ(GetDrawRotation(), 90.0f);
}

TEST_F(DrawingTest, MidHandledImageIsCentredAndRotatedAboutThePoint) {
  // A 40 x 10 bar, red left half and green right half.
  auto pixmap = std::make_shared<TPixmap>(40, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 40; ++x) pixmap->WritePixel(x, y, x < 20 ? 0xFFFF0000 : 0xFF00FF00);
  ImagePtr bar = ImageFromPixmap(pixmap, 0);
  ImageMidHandle(bar);
  SetBlend(SOLIDBLEND);
  ImageDraw(bar, 80, 60);
  EXPECT_EQ(Pixel(65, 60), 0xFFFF0000u);
  EXPECT_EQ(Pixel(95, 60), 0xFF00FF00u);
  EXPECT_EQ(Pixel(59, 60), 0xFF000000u);
  EXPECT_EQ(Pixel(101, 60), 0xFF000000u);
  FillBackground(0, 0, 0);
  SetDrawRotation(90);  // +x now points down the screen
  ImageDraw(bar, 80, 60);
  EXPECT_EQ(Pixel(80, 45), 0xFFFF0000u);
  EXPECT_EQ(Pixel(80, 75), 0xFF00FF00u);
  EXPECT_EQ(Pixel(95, 60), 0xFF000000u);
}

TEST_F(DrawingTest, OriginAndHandleMoveShapes) {
  SetBlend(SOLIDBLEND);
  SetDrawOrigin(50, 40);
  SetDrawHandle(5, 5);
  DrawRect(0, 0, 10, 10);  // lands on (45, 35)-(55, 45)
  EXPECT_EQ(Pixel(46, 36), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(54, 44), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(56, 44), 0xFF000000u);
  float hx, hy;
  GetDrawHandle(hx, hy);
  EXPECT_EQ(hx, 5.0f);
  EXPECT_EQ(DrawState().handle_x, -5.0f);
}

TEST_F(DrawingTest, TileCoversTheViewportWithTheOffsetModuloTheSize) {
  // A 16 x 16 tile: red at its top-left pixel, blue elsewhere.
  auto pixmap = std::make_shared<TPixmap>(16, 16);
  pixmap->Clear(0xFF0000FF);
  pixmap->WritePixel(0, 0, 0xFFFF0000);
  ImagePtr tile = ImageFromPixmap(pixmap, 0);
  SetBlend(SOLIDBLEND);
  ImageTile(tile, 16 * 7 + 3, -16 * 3 + 5);  // same as offset (3, 5)
  for (int ty = 0; ty < 7; ++ty)
    for (int tx = 0; tx < 10; ++tx) {
      int x = 3 + tx * 16, y = 5 + ty * 16;
      if (x < kWidth && y < kHeight) {
        EXPECT_EQ(Pixel(x, y), 0xFFFF0000u) << x << "," << y;
      }
    }
  EXPECT_EQ(Pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(Pixel(kWidth - 1, kHeight - 1), 0xFF0000FFu);
  EXPECT_EQ(LastFrameStats().quads + CurrentFrameStats().quads, 1);
}

TEST_F(DrawingTest, ViewportClipsDrawingAndCls) {
  SetBlend(SOLIDBLEND);
  SetViewport(20, 20, 40, 30);
  SetClsColor(0, 0, 255);
  Cls();
  DrawRect(0, 0, kWidth, kHeight);
  EXPECT_EQ(Pixel(30, 30), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(19, 30), 0xFF000000u);
  EXPECT_EQ(Pixel(60, 30), 0xFF000000u);
  EXPECT_EQ(Pixel(30, 50), 0xFF000000u);
  SetViewport(0, 0, kWidth, kHeight);  // the whole back buffer: no clipping
  DrawRect(0, 0, kWidth, kHeight);
  EXPECT_EQ(Pixel(5, 5), 0xFFFFFFFFu);
}

TEST_F(DrawingTest, MaskedImagesLoseTheMaskColour) {
  auto pixmap = std::make_shared<TPixmap>(2, 1);
  pixmap->WritePixel(0, 0, 0xFF000000);  // black: the default mask colour
  pixmap->WritePixel(1, 0, 0xFF00FF00);
  ImagePtr masked = ImageFromPixmap(pixmap, MASKEDIMAGE);
  FillBackground(0, 0, 255);
  SetBlend(ALPHABLEND);
  SetDrawScale(10, 10);
  ImageDraw(masked, 0, 0);
  EXPECT_EQ(Pixel(5, 5), 0xFF0000FFu);
  EXPECT_EQ(Pixel(15, 5), 0xFF00FF00u);
}

TEST_F(DrawingTest, ProjectionMapsAVirtualAreaOntoTheBackBuffer) {
  SetProjectionSize(80, 60);  // half the window in each direction
  SetBlend(SOLIDBLEND);
  DrawRect(40, 30, 40, 30);
  EXPECT_EQ(Pixel(81, 61), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(159, 119), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(78, 58), 0xFF000000u);
}

TEST_F(DrawingTest, LockedPixelsAreUploadedAgainOnUnlock) {
  ImagePtr image = ImageCreate(4, 4, 1, 0);
  ASSERT_TRUE(image);
  EXPECT_TRUE(image->flags & DYNAMICIMAGE);
  SetBlend(SOLIDBLEND);
  ImageDraw(image, 0, 0);
  EXPECT_EQ(Pixel(1, 1), 0xFF000000u);
  PixmapPtr pixels = image->Lock(0, true, true);
  pixels->Clear(0xFFFFFF00);
  ImageUnlock(image, 0);
  ImageDraw(image, 10, 0);
  EXPECT_EQ(Pixel(11, 1), 0xFFFFFF00u);
}

TEST_F(DrawingTest, GrabbedImagesHoldTheBackBuffer) {
  SetBlend(SOLIDBLEND);
  SetColor(0, 255, 0);
  DrawRect(10, 10, 8, 8);
  ImagePtr grabbed = ImageCreate(8, 8, 1, 0);
  ASSERT_EQ(ImageGrab(grabbed, 10, 10), 1);
  EXPECT_EQ(grabbed->pixmaps[0]->ReadPixel(3, 3), 0xFF00FF00u);
  EXPECT_EQ(ImageGrab(grabbed, 0, 0, 5), 0);  // no such frame
}

TEST_F(DrawingTest, TextWidthTruncatesTheRunningSumAfterEachGlyph) {
  FontPtr font = DefaultFont();
  ASSERT_GT(font->height, 0);
  auto custom = std::make_shared<TImageFont>(*font);
  for (auto& g : custom->glyphs) g.advance = 2.7f;
  SetDrawFont(custom);
  // 2.7 -> 2, 4.7 -> 4, 6.7 -> 6: truncation after every glyph, not once at the end (8.1).
  EXPECT_EQ(TextMeasureWidth("abc"), 6);
  SetDrawFont(nullptr);
  EXPECT_EQ(GetDrawFont(), DefaultFont());
  EXPECT_EQ(TextMeasureHeight(), font->height);
  EXPECT_GT(TextMeasureWidth("Hello"), TextMeasureWidth("Hi"));
}

TEST_F(DrawingTest, TextDrawsInTheCurrentColour) {
  SetBlend(ALPHABLEND);
  SetColor(255, 255, 0);
  SetDrawScale(4, 4);
  TextDraw("M", 0, 0);
  PixmapPtr shot = GrabPixmap(0, 0, kWidth, kHeight);
  int lit = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      std::uint32_t p = shot->ReadPixel(x, y);
      if (Red(p) > 200) {
        ++lit;
        EXPECT_EQ(Blue(p), 0);
      }
    }
  EXPECT_GT(lit, 200);
}

TEST_F(DrawingTest, OvalsAndPolygonsFillTheirOutline) {
  SetBlend(SOLIDBLEND);
  DrawOval(20, 20, 40, 40);
  EXPECT_EQ(Pixel(40, 40), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(22, 22), 0xFF000000u);  // corner of the bounding box
  DrawPoly({100, 10, 140, 10, 100, 50});
  EXPECT_EQ(Pixel(105, 15), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(135, 45), 0xFF000000u);
  SetLineWidth(3);
  DrawLine(10, 100, 60, 100);
  EXPECT_EQ(Pixel(30, 100), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(30, 104), 0xFF000000u);
}

TEST_F(DrawingTest, BadImageArgumentsFailCleanly) {
  EXPECT_EQ(ImageLoad("/no/such/file.png"), nullptr);
  EXPECT_EQ(ImageLoad("incbin::no-such-resource"), nullptr);
  EXPECT_EQ(ImageCreate(0, 10), nullptr);
  EXPECT_EQ(ImageCreate(100000, 100000), nullptr);
  EXPECT_EQ(ImageCreate(4096, 4096, 5), nullptr) << "all frames hold more than one picture may";
  EXPECT_EQ(ImageCreate(kMaxPictureSide, kMaxPictureSide, 2147483647), nullptr);
  ImagePtr image = ImageCreate(4, 4, 2);
  EXPECT_EQ(image->Frame(2), nullptr);
  EXPECT_EQ(image->Frame(-1), nullptr);
  EXPECT_EQ(image->Lock(7), nullptr);
  ImageDraw(image, 0, 0, 9);  // no such frame: nothing drawn
  ImageDraw(nullptr, 0, 0);
  EXPECT_EQ(CurrentFrameStats().quads, 0);
  EXPECT_EQ(GrabPixmap(0, 0, 0, 5), nullptr);
}

TEST(GraphicsModes, UnsupportedFullScreenModeFails) {
  EXPECT_EQ(GraphicsOpen(12345, 77, 32, 60), 0);
  EXPECT_FALSE(GraphicsIsOpen());
  EXPECT_EQ(GraphicsOpen(0, 100), 0);
  int w, h, d, hz;
  EXPECT_FALSE(GetGraphicsMode(-1, w, h, d, hz));
  EXPECT_FALSE(GetGraphicsMode(CountGraphicsModes(), w, h, d, hz));
}

TEST(GraphicsModes, FullScreenTakesItsSizeAtTheNearestRateWhenItsOwnIsMissing) {
  std::vector<GraphicsMode> modes = {{1920, 1080, 32, 60}, {1280, 800, 32, 144},
                                     {1280, 800, 16, 60},  {1280, 800, 32, 75},
                                     {1024, 768, 32, 0},   {1024, 768, 32, 60}};
  EXPECT_EQ(ChooseGraphicsMode(modes, 1920, 1080, 32, 60), 0);
  EXPECT_EQ(ChooseGraphicsMode(modes, 1280, 800, 32, 60), 3);
  EXPECT_EQ(ChooseGraphicsMode(modes, 1280, 800, 16, 60), 2);
  EXPECT_EQ(ChooseGraphicsMode(modes, 1280, 800, 0, 144), 1);
  EXPECT_EQ(ChooseGraphicsMode(modes, 1024, 768, 32, 60), 4) << "an unstated rate is any rate";
  EXPECT_EQ(ChooseGraphicsMode(modes, 1280, 800, 24, 60), -1);
  EXPECT_EQ(ChooseGraphicsMode(modes, 800, 600, 32, 0), -1);
}

TEST_F(DrawingTest, AnimationStripsSplitIntoFramesAndStretchToARectangle) {
  testsupport::TempDir dir;
  TPixmap strip(8, 4);  // two 4 x 4 cells: red, then green
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) strip.WritePixel(x, y, x < 4 ? 0xFFFF0000 : 0xFF00FF00);
  ASSERT_EQ(PixmapSavePNG(strip, dir / "strip.png"), 1);
  ImagePtr anim = ImageLoadAnim(dir / "strip.png", 4, 4, 0, 2, 0);
  ASSERT_TRUE(anim);
  EXPECT_EQ(anim->FrameCount(), 2);
  EXPECT_EQ(anim->width, 4);
  EXPECT_EQ(ImageLoadAnim(dir / "strip.png", 4, 4, 1, 2, 0), nullptr);  // only two cells
  SetBlend(SOLIDBLEND);
  ImageDrawRect(anim, 10, 10, 40, 20, 1);
  EXPECT_EQ(Pixel(12, 12), 0xFF00FF00u);
  EXPECT_EQ(Pixel(48, 28), 0xFF00FF00u);
  EXPECT_EQ(Pixel(51, 12), 0xFF000000u);
  SetColor(0, 0, 255);
  Plot(70, 70);
  EXPECT_EQ(Pixel(70, 70), 0xFF0000FFu);
  EXPECT_EQ(Pixel(71, 70), 0xFF000000u);
}

namespace {
ImagePtr FlatTile(std::uint32_t argb) {
  auto pixmap = std::make_shared<TPixmap>(16, 16);
  pixmap->Clear(argb);
  return ImageFromPixmap(pixmap, 0);
}
}  // namespace

TEST_F(DrawingTest, ASolidTileAndAnAlphaTileOverItDrawInOnePassWithTheSameResult) {
  ImagePtr back = FlatTile(0xFF6496C8);   // (100, 150, 200)
  ImagePtr front = FlatTile(0x80FF0000);  // red at alpha 128
  Flip(0);
  ImageTileLayers(back, 3, 5, front, 7, 1);
  std::uint32_t fused = Pixel(40, 40);
  Flip(0);
  EXPECT_EQ(LastFrameStats().draw_calls, 1);
  EXPECT_EQ(LastFrameStats().quads, 2);
  EXPECT_NEAR(Red(fused), 100 + (255 - 100) * 128 / 255, 2);
  EXPECT_NEAR(Green(fused), 150 - 150 * 128 / 255, 2);
  EXPECT_NEAR(Blue(fused), 200 - 200 * 128 / 255, 2);

  // The same two layers drawn one at a time give the same picture.
  SetBlend(SOLIDBLEND);
  ImageTile(back, 3, 5);
  SetBlend(ALPHABLEND);
  ImageTile(front, 7, 1);
  std::uint32_t separate = Pixel(40, 40);
  EXPECT_NEAR(Red(separate), Red(fused), 1);
  EXPECT_NEAR(Green(separate), Green(fused), 1);
  EXPECT_NEAR(Blue(separate), Blue(fused), 1);
}

namespace {
// A tile whose every texel differs, so a wrong filter, mip level or wrap shows.
ImagePtr PatternTile(std::uint32_t seed, std::uint32_t alpha_mask) {
  auto pixmap = std::make_shared<TPixmap>(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      pixmap->WritePixel(x, y, (std::uint32_t(x * 16 + y + 1) * seed) | alpha_mask);
  return ImageFromPixmap(pixmap, FILTEREDIMAGE | MIPMAPPEDIMAGE);
}
}  // namespace

// Fused tiles of filtered, mip-mapped pictures sample as the two draws would, whether the
// projection spreads a texel over several pixels or squeezes several texels into one.
TEST_F(DrawingTest, FusedMipMappedTilesMatchSeparateDrawsMagnifiedAndMinified) {
  ImagePtr back = PatternTile(0x9E3779B1u, 0xFF000000u);
  ImagePtr front = PatternTile(0x85EBCA77u, 0x00000000u);
  auto draw = [&](bool apart) {
    if (apart) {
      SetBlend(SOLIDBLEND);
      ImageTile(back, 3.25f, 5.5f);
      SetBlend(ALPHABLEND);
      ImageTile(front, 7.5f, 1.75f);
    } else {
      ImageTileLayers(back, 3.25f, 5.5f, front, 7.5f, 1.75f);
    }
    return GrabPixmap(0, 0, kWidth - 1, kHeight);
  };
  for (float scale : {2.5f, 1.0f, 0.4f}) {
    SetProjectionSize(int(kWidth / scale), int(kHeight / scale));
    PixmapPtr fused = draw(false);
    PixmapPtr separate = draw(true);
    int worst = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth - 1; ++x) {
        std::uint32_t a = fused->ReadPixel(x, y), b = separate->ReadPixel(x, y);
        for (int shift = 0; shift < 24; shift += 8)
          worst = std::max(worst, std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)));
      }
    EXPECT_LE(worst, 1) << "at scale " << scale;
  }
}

// A magnified tile is drawn from a copy made at its size on the screen; every pixel, the tile's
// seams included, must be what bilinear sampling of the picture wrapping round would give.
TEST_F(DrawingTest, MagnifiedTilesShowBilinearSamplesOfThePictureWrappingRound) {
  ImagePtr tile = PatternTile(0x9E3779B1u, 0xFF000000u);
  PixmapPtr texels = tile->Lock(0, true, false);
  const float scale = 2.5f;
  SetProjectionSize(kWidth / scale, kHeight / scale);
  SetBlend(SOLIDBLEND);
  ImageTile(tile, 3.2f, 5.6f);  // a whole number of pixels: (8, 14)
  PixmapPtr shot = GrabPixmap(0, 0, kWidth, kHeight);
  auto texel = [&](int x, int y, int shift) {
    return float((texels->ReadPixel((x + 16) % 16, (y + 16) % 16) >> shift) & 255);
  };
  int worst = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const float sx = (float(x - 8) + 0.5f) / scale - 0.5f, sy = (float(y - 14) + 0.5f) / scale - 0.5f;
      const int x0 = int(std::floor(sx)), y0 = int(std::floor(sy));
      const float fx = sx - float(x0), fy = sy - float(y0);
      for (int shift = 0; shift < 24; shift += 8) {
        const float top = texel(x0, y0, shift) * (1 - fx) + texel(x0 + 1, y0, shift) * fx;
        const float bottom = texel(x0, y0 + 1, shift) * (1 - fx) + texel(x0 + 1, y0 + 1, shift) * fx;
        const float expected = top * (1 - fy) + bottom * fy;
        worst = std::max(worst, int(std::lround(std::fabs(
                                    float((shot->ReadPixel(x, y) >> shift) & 255) - expected))));
      }
    }
  EXPECT_LE(worst, 2);
}

// A quad of a mip-mapped picture that is magnified everywhere, turned or not, looks exactly as
// the same picture without mip levels would; a minified one still uses its mip levels.
TEST_F(DrawingTest, MipMappedQuadsSampleLikeThePlainPictureOnlyWhereMagnified) {
  PixmapPtr texels = PatternTile(0x9E3779B1u, 0xFF000000u)->Lock(0, true, false);
  ImagePtr mipmapped = ImageFromPixmap(texels, FILTEREDIMAGE | MIPMAPPEDIMAGE);
  ImagePtr plain = ImageFromPixmap(texels, FILTEREDIMAGE);
  ImageMidHandle(mipmapped);
  ImageMidHandle(plain);
  auto draw = [&](const ImagePtr& image, float scale) {
    FillBackground(0, 0, 0);
    SetTransform(30, scale, scale);
    ImageDraw(image, kWidth / 2.0f, kHeight / 2.0f);
    return GrabPixmap(0, 0, kWidth, kHeight);
  };
  SetBlend(SOLIDBLEND);
  for (float scale : {3.0f, 0.4f}) {
    PixmapPtr a = draw(mipmapped, scale), b = draw(plain, scale);
    EXPECT_EQ(a->pixels == b->pixels, scale > 1) << "at scale " << scale;
  }
  SetTransform(0, 1, 1);
}

// A picture compiled into the program keeps no pixels once its texture exists, nor a tiled
// one its own texture once copied at screen scale; whatever needs either later makes it again
// from the embedded bytes, and draws the same as a picture that kept everything.
TEST_F(DrawingTest, AnEmbeddedPictureGivesUpWhatItCanMakeAgain) {
  PixmapPtr texels = PatternTile(0x9E3779B1u, 0xFF000000u)->Lock(0, true, false);
  static const std::vector<std::uint8_t> png = EncodePNG(*texels, 6);
  RegisterResource("drawing_test_tile", png.data(), png.size());
  ImagePtr embedded = ImageLoad("incbin::drawing_test_tile", FILTEREDIMAGE | MIPMAPPEDIMAGE);
  ImagePtr kept = ImageFromPixmap(texels, FILTEREDIMAGE | MIPMAPPEDIMAGE);
  ASSERT_TRUE(embedded);
  SetBlend(SOLIDBLEND);
  auto tiled = [&](const ImagePtr& image, float scale) {
    SetProjectionSize(kWidth / scale, kHeight / scale);
    ImageTile(image, 3.2f, 5.6f);
    return GrabPixmap(0, 0, kWidth, kHeight)->pixels;
  };
  for (float scale : {2.5f, 1.5f}) {
    EXPECT_EQ(tiled(embedded, scale), tiled(kept, scale)) << "at scale " << scale;
    EXPECT_EQ(embedded->pixmaps[0], nullptr);
  }
  SetProjectionSize(kWidth, kHeight);
  ASSERT_TRUE(embedded->Pixels(0));
  EXPECT_EQ(embedded->Pixels(0)->pixels, texels->pixels);
  PixmapPtr locked = embedded->Lock(0, true, true);
  locked->Clear(0xFF00FF00u);
  ImageUnlock(embedded, 0);
  ImageDraw(embedded, 0, 0);
  EXPECT_EQ(Pixel(2, 2), 0xFF00FF00u);
  EXPECT_EQ(embedded->pixmaps[0], locked) << "pixels handed out for writing are kept";
}

TEST_F(DrawingTest, ATileIsDrawnBeforeWhateverFollowsIt) {
  ImagePtr back = FlatTile(0xFF0000FF);
  SetBlend(SOLIDBLEND);
  ImageTile(back, 0, 0);
  SetColor(255, 0, 0);
  DrawRect(0, 0, 10, 10);  // over the tile, not under it
  EXPECT_EQ(Pixel(5, 5), 0xFFFF0000u);
  EXPECT_EQ(Pixel(50, 50), 0xFF0000FFu);
  SetColor(255, 255, 255);
  Flip(0);
  ImageTile(back, 0, 0);
  Flip(0);
  EXPECT_EQ(LastFrameStats().quads, 1);
  EXPECT_EQ(LastFrameStats().draw_calls, 1);
}

// Quads pending when the state changes go out first, with the state they were drawn in.
TEST_F(DrawingTest, QuadsBeforeEachFlushCauseKeepTheStateTheyWereDrawnIn) {
  const std::uint32_t white = 0xFFFFFFFFu, black = 0xFF000000u;
  SetBlend(SOLIDBLEND);
  ImagePtr red = SolidImage(4, 4, 0xFFFF0000, 0), green = SolidImage(4, 4, 0xFF00FF00, 0);
  ImageDraw(red, 0, 0);
  ImageDraw(green, 10, 0);
  EXPECT_EQ(Pixel(1, 1), 0xFFFF0000u) << "texture";
  SetAlpha(0.5f);
  DrawRect(20, 0, 4, 4);  // solid: alpha ignored
  SetBlend(ALPHABLEND);
  DrawRect(30, 0, 4, 4);
  EXPECT_EQ(Pixel(21, 1), white) << "blend";
  SetBlend(SOLIDBLEND);
  SetAlpha(1);
  SetColor(0, 0, 255);
  DrawRect(40, 0, 4, 4);  // tinted
  SetColor(255, 255, 255);
  DrawRect(50, 0, 4, 4);  // untinted: another program
  EXPECT_EQ(Pixel(41, 1), 0xFF0000FFu) << "shader";
  DrawRect(60, 0, 4, 4);
  SetProjectionSize(kWidth / 2, kHeight / 2);
  EXPECT_EQ(Pixel(61, 1), white) << "projection";
  SetProjectionSize(kWidth, kHeight);
  DrawRect(70, 0, 4, kHeight);
  vorpel::detail::RendererSetBackBuffer(kWidth / 2, kHeight / 2);
  EXPECT_EQ(Pixel(71, 1), white) << "viewport";
  vorpel::detail::RendererSetBackBuffer(kWidth, kHeight);
  DrawRect(80, 0, 4, 4);
  SetViewport(0, 50, kWidth, 10);
  EXPECT_EQ(Pixel(81, 1), white) << "clip";
  SetViewport(0, 0, kWidth, kHeight);
  const int before = CurrentFrameStats().draw_calls;
  for (int i = 0; i <= 65536; ++i) DrawRect(float(i % kWidth), 100, 1, 1);
  EXPECT_EQ(CurrentFrameStats().draw_calls - before, 1) << "full buffer";
  EXPECT_EQ(Pixel(5, 100), white) << "full buffer";
  DrawRect(90, 0, 4, 4);
  Cls();
  EXPECT_EQ(Pixel(91, 1), black) << "back buffer";
  Flip(0);
  DrawRect(0, 0, 4, 4);
  Flip(0);
  EXPECT_EQ(LastFrameStats().draw_calls, 1) << "frame end";
}

TEST_F(DrawingTest, SettingTheClipOrProjectionItHasFlushesNothing) {
  SetBlend(SOLIDBLEND);
  SetViewport(10, 10, 100, 100);
  Flip(0);
  DrawRect(0, 0, 40, 40);
  SetViewport(10, 10, 100, 100);
  SetProjectionSize(kWidth, kHeight);
  DrawRect(50, 0, 4, 4);
  Flip(0);
  EXPECT_EQ(LastFrameStats().draw_calls, 1);
}

// A tinted back layer cannot share the pass; drawn on its own, it looks the same.
TEST_F(DrawingTest, TintedTileLayersDrawAsTwoTiles) {
  ImagePtr back = FlatTile(0xFFFFFFFF), front = FlatTile(0x00000000);
  SetColor(0, 255, 0);
  Flip(0);
  ImageTileLayers(back, 0, 0, front, 0, 0);
  EXPECT_EQ(Pixel(40, 40), 0xFF00FF00u);
  Flip(0);
  EXPECT_EQ(LastFrameStats().draw_calls, 2);
  EXPECT_EQ(DrawState().blend_mode, ALPHABLEND);
}
