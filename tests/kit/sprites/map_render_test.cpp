// Drawing the tile map through the real GL path, read back from the screen.
#include <cstdint>
#include <limits>

#include "kit/sprites/map_handler.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

int R(std::uint32_t rgb) { return int(rgb >> 16 & 255); }
int B(std::uint32_t rgb) { return int(rgb & 255); }

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kGrey = 0x808080;

// A 160 x 120 window showing the game one to one; slot 1 holds a 32 x 32 picture whose 16 x 16
// quarters are red, green, blue and grey. Kinds 1..4 are those quarters, kind 5 the whole
// picture as a 2 x 2 kind. The map is 20 x 16 cells of 16 pixels in two layers.
class MapRender : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    OpenKit(160, 120, 160, 120);
    MGE_TextureHandler::Init(1);
    auto pixmap = kittest::SolidPixmap(32, 32, 0xFF000000);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        pixmap->WritePixel(x, y, y < 16 ? (x < 16 ? 0xFFFF0000 : 0xFF00FF00)
                                        : (x < 16 ? 0xFF0000FF : 0xFF808080));
    ASSERT_EQ(kittest::LoadIntoSlot(1, *pixmap), 1);
    map.Init(20, 16, 16, 16, 2);
    map.InitMapTiles(5);
    for (int kind = 1; kind <= 4; ++kind)
      map.SetTileRect(kind, 1, (kind - 1) % 2 * 16, (kind - 1) / 2 * 16, 1, 1, 0, 0);
    map.SetTileRect(5, 1, 0, 0, 2, 2, 0, 0);
    Clear(0, 0, 0);
  }
  // The kind whose colour a screen pixel shows; 0 for black, -1 for anything else.
  static int KindShown(int x, int y) {
    switch (Pixel(x, y)) {
      case 0: return 0;
      case kRed: return 1;
      case kGreen: return 2;
      case kBlue: return 3;
      case kGrey: return 4;
      default: return -1;
    }
  }
  MGE_MapHandler map;
};

}  // namespace

TEST_F(MapRender, ACellIsDrawnOnItsGridPlace) {
  map.SetTile(1, 1, 1, 1, 1, 1);
  map.SetTile(3, 0, 4, 1, 2, 1);
  map.Render(1);
  EXPECT_EQ(Pixel(16, 16), kRed);
  EXPECT_EQ(Pixel(31, 31), kRed);
  EXPECT_EQ(Pixel(15, 16), 0u);
  EXPECT_EQ(Pixel(32, 31), 0u);
  EXPECT_EQ(Pixel(16, 32), 0u);
  EXPECT_EQ(Pixel(50, 8), 0u) << "layer 2 is drawn on its own";
  map.Render(2);
  EXPECT_EQ(Pixel(50, 8), kGrey);
}

TEST_F(MapRender, ATwoByTwoKindIsDrawnOnceOverItsBlock) {
  map.SetTile(3, 4, 5, 1, 1, 1);
  map.Render(1);
  EXPECT_EQ(CurrentFrameStats().quads, 1);
  EXPECT_EQ(Pixel(48, 64), kRed);
  EXPECT_EQ(Pixel(79, 64), kGreen);
  EXPECT_EQ(Pixel(48, 95), kBlue);
  EXPECT_EQ(Pixel(79, 95), kGrey);
  EXPECT_EQ(Pixel(80, 80), 0u);
  EXPECT_EQ(Pixel(47, 80), 0u);
}

TEST_F(MapRender, TheViewScrollsAndDrawsOnlyItsWindow) {
  for (int c = 0; c < 20; ++c) map.SetTile(c, 0, 1 + c % 2, 1, 1, 1);
  map.x = 8;  // half a cell
  map.Render(1);
  EXPECT_EQ(Pixel(0, 4), kRed);
  EXPECT_EQ(Pixel(7, 4), kRed);
  EXPECT_EQ(Pixel(8, 4), kGreen);
  EXPECT_EQ(Pixel(24, 4), kRed);

  Clear(0, 0, 0);
  map.x = 32;
  map.SetRenderArea(40, 20, 2, 1);
  map.Render(1);
  EXPECT_EQ(Pixel(40, 20), kRed) << "column 2 first";
  EXPECT_EQ(Pixel(56, 20), kGreen);
  EXPECT_EQ(Pixel(72, 20), 0u) << "two columns only";
  EXPECT_EQ(Pixel(39, 20), 0u);
  EXPECT_EQ(CurrentFrameStats().quads, 12 + 2) << "twelve columns across the whole game first";
}

TEST_F(MapRender, TheScreenOffsetMovesTheMap) {
  map.SetTile(0, 0, 3, 1, 1, 1);
  MGE_GameSystem::SetScreenRenderOffset(10, 5);
  map.Render(1);
  EXPECT_EQ(Pixel(10, 5), kBlue);
  EXPECT_EQ(Pixel(9, 5), 0u);
  EXPECT_EQ(Pixel(25, 20), kBlue);
}

TEST_F(MapRender, ScreenLookupsFindWhatIsDrawnThere) {
  for (int c = 0; c <= 20; ++c)
    for (int r = 0; r <= 16; ++r) map.SetTile(c, r, (c + 2 * r) % 4 + 1, 1, 1, 1);
  map.SetRenderArea(10, 6, 6, 5);
  map.x = 24;
  map.y = 40;
  map.Render(1);
  int checked = 0;
  for (int sx = 10; sx < 106; sx += 3)
    for (int sy = 6; sy < 86; sy += 3) {
      int shown = KindShown(sx, sy);
      if (shown <= 0) continue;  // the area's far edge the scrolled window leaves bare
      EXPECT_EQ(map.GetTileAtScreenXY(float(sx), float(sy), 1), shown) << sx << "," << sy;
      ++checked;
    }
  EXPECT_GT(checked, 500);
}

TEST_F(MapRender, AnAlphaAboveOneAddsAGlowPass) {
  map.SetTile(1, 1, 4, 1.25f, 1, 1);
  map.Render(1);
  std::uint32_t p = Pixel(20, 20);
  EXPECT_NEAR(R(p), 160, 2) << "128 drawn opaque, then 128 x 0.25 added";
  EXPECT_NEAR(B(p), 160, 2);
  EXPECT_EQ(CurrentFrameStats().quads, 2);
  EXPECT_EQ(GetBlend(), ALPHABLEND) << "alpha blending is restored";

  Clear(0, 0, 0);
  map.SetTile(1, 1, 4, 0.5f, 1, 1);
  map.Render(1);
  EXPECT_NEAR(R(Pixel(20, 20)), 64, 2);
}

TEST_F(MapRender, CellsTurnAndScaleAboutTheirCentre) {
  map.SetTile(2, 2, 4, 1, 1, 1);
  map.tiles.At(1, 2, 2)->scale = 2;  // 32..47 grows to 24..55
  map.Render(1);
  EXPECT_EQ(Pixel(25, 40), kGrey);
  EXPECT_EQ(Pixel(54, 25), kGrey);
  EXPECT_EQ(Pixel(22, 40), 0u);
  EXPECT_FLOAT_EQ(DrawState().tform_scale_x, 2.0f);
}

TEST_F(MapRender, RenderFastDrawsInOneColourIgnoringTheCells) {
  map.SetTile(1, 1, 4, 0.1f, 1, 1);
  map.tiles.At(1, 1, 1)->scale = 3;
  map.tiles.At(1, 1, 1)->rotate = 45;
  map.SetTile(3, 1, 2, 1.5f, 1, 1);
  map.RenderFast(255.9f, 255, 128, 1, 1);
  EXPECT_EQ(Pixel(16, 16), 0x808040u);
  EXPECT_EQ(Pixel(31, 31), 0x808040u);
  EXPECT_EQ(Pixel(14, 16), 0u) << "not scaled";
  EXPECT_EQ(Pixel(50, 20), kGreen) << "fully opaque";
  EXPECT_EQ(CurrentFrameStats().quads, 2) << "no glow pass";
}

TEST_F(MapRender, UpdateAndRenderStepsThenDrawsEachCell) {
  map.SetTile(1, 1, 1, 0.95f, 1, 1);
  map.TileFX(1, 1, 0.1f, 0, 1, kTileFXAlpha, kTileStyleEmpty, 0, 1);
  map.SetTile(3, 1, 1, 1, 1, 1);
  map.TileFX(3, 1, 1, 1, 4, kTileFXAnimate, kTileStyleWrap, 0, 1);
  map.UpdateAndRender(1);
  EXPECT_EQ(Pixel(20, 20), 0u) << "emptied in this step, so not drawn";
  EXPECT_EQ(Pixel(52, 20), kGreen) << "drawn as the kind it stepped to";
}

TEST_F(MapRender, StrayViewsDrawNothingAndStayInTheGrid) {
  map.SetTile(0, 0, 1, 1, 1, 1);
  map.SetTile(20, 16, 1, 1, 1, 1);
  map.SetRenderArea(0, 0, 2000000000, 2000000000);
  map.Render(1);
  EXPECT_EQ(Pixel(0, 0), kRed);
  for (float v : {-1e30f, 1e30f, std::numeric_limits<float>::quiet_NaN(),
                  std::numeric_limits<float>::infinity()}) {
    Clear(0, 0, 0);
    map.x = map.y = v;
    map.Render(1);
    map.Update(1);
    map.RenderFast(255, 255, 255, 1, 1);
  }
  map.x = map.y = 0;
  map.SetRenderArea(0, 0, -5, -5);
  int before = CurrentFrameStats().quads;
  map.Render(1);
  EXPECT_EQ(CurrentFrameStats().quads, before);
}
