#include "kit/tiler_handler.hpp"

#include <gtest/gtest.h>

#include "kit/game_system.hpp"
#include "tests/kit/kit_fixture.hpp"
#include "tests/support/graphics_fixture.hpp"

namespace {

// Slot 1: a 64 x 64 picture whose pixels tell where they came from (red 4x, green 4y); the tile
// is its rectangle (16, 8, 32, 24). The tiled area starts at (20, 30).
class Tiler : public testsupport::GraphicsTest {
 protected:
  static constexpr int kSrcX = 16, kSrcY = 8, kTileW = 32, kTileH = 24;

  void SetUp() override {
    GraphicsTest::SetUp();
    kittest::ResetKit();
    vorpel::FrameDelta = 1.0f;
    MGE_TextureHandler::Init(1);
    TPixmap picture(64, 64);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x)
        picture.WritePixel(x, y, 0xFF000000u | std::uint32_t(x * 4) << 16 |
                                     std::uint32_t(y * 4) << 8);
    ASSERT_EQ(kittest::LoadIntoSlot(1, picture), 1);
  }
  void Init(int width, int height) {
    tiler.InitTiler(1, kSrcX, kSrcY, kTileW, kTileH, 20, 30, width, height);
  }
  // The picture's pixel that the window pixel (x, y) shows, or -1 for none.
  static int SourceX(int x, int y) { return Pixel(x, y) & 0xFFFFFF ? Red(Pixel(x, y)) / 4 : -1; }
  static int SourceY(int x, int y) { return Pixel(x, y) & 0xFFFFFF ? Green(Pixel(x, y)) / 4 : -1; }

  MGE_TilerHandler tiler;
};

}  // namespace

TEST_F(Tiler, InitSetsTheRectangleAndDefaults) {
  tiler.InitTiler(1, 0, 0, 32, 32, 10.7f, -5.5f, 100, 50);
  EXPECT_EQ(tiler.clipx1, 10);
  EXPECT_EQ(tiler.clipy1, -5);
  EXPECT_EQ(tiler.clipx2, 110);
  EXPECT_EQ(tiler.clipy2, 44);
  EXPECT_EQ(tiler.destx, 10.7f);
  EXPECT_EQ(tiler.GetTilerAlpha(), 1.0f);
  EXPECT_EQ(tiler.blend, ALPHABLEND);
  EXPECT_EQ(tiler.red, 255.0f);
}

TEST_F(Tiler, EdgeColumnsAndRowsAreClippedExactly) {
  Init(100, 24);
  tiler.Render();
  EXPECT_EQ(CurrentFrameStats().quads, 4) << "three full columns, a 4-pixel one, no fifth";
  EXPECT_EQ(SourceX(20, 30), kSrcX);
  EXPECT_EQ(SourceY(20, 30), kSrcY);
  EXPECT_EQ(SourceX(51, 30), kSrcX + 31);
  EXPECT_EQ(SourceX(52, 30), kSrcX) << "the next copy starts";
  EXPECT_EQ(SourceX(116, 30), kSrcX);
  EXPECT_EQ(SourceX(119, 30), kSrcX + 3);
  EXPECT_EQ(SourceX(120, 30), -1);
  EXPECT_EQ(SourceX(19, 30), -1);
  EXPECT_EQ(SourceY(20, 53), kSrcY + 23);
  EXPECT_EQ(SourceY(20, 54), -1);
}

TEST_F(Tiler, AScrolledGridIsCutAtTheLeftAndTopEdges) {
  Init(100, 24);
  tiler.SetTilerDirection(-5, -3);
  tiler.Update();
  EXPECT_EQ(tiler.destx, 15.0f);
  EXPECT_EQ(tiler.desty, 27.0f);
  tiler.Render();
  EXPECT_EQ(CurrentFrameStats().quads, 8);
  EXPECT_EQ(SourceX(20, 30), kSrcX + 5);
  EXPECT_EQ(SourceY(20, 30), kSrcY + 3);
  EXPECT_EQ(SourceX(19, 30), -1);
  EXPECT_EQ(SourceY(20, 29), -1);
  EXPECT_EQ(SourceY(20, 50), kSrcY + 23);
  EXPECT_EQ(SourceY(20, 53), kSrcY + 2) << "the second row, cut at the bottom";
  EXPECT_EQ(SourceX(119, 30), kSrcX + 8);
  EXPECT_EQ(SourceX(120, 30), -1);
}

TEST_F(Tiler, TheRenderOffsetMovesTheWholeClippedGrid) {
  Init(40, 24);
  MGE_GameSystem::SetScreenRenderOffset(10, 5);
  tiler.Render();
  EXPECT_EQ(SourceX(29, 35), -1);
  EXPECT_EQ(SourceX(30, 35), kSrcX);
  EXPECT_EQ(SourceY(30, 35), kSrcY);
  EXPECT_EQ(SourceX(69, 35), kSrcX + 7);
  EXPECT_EQ(SourceX(70, 35), -1);
}

TEST_F(Tiler, TheOriginWrapsOnTheFirstUpdateWithoutCarryingTheStep) {
  Init(100, 24);
  tiler.SetTilerDirection(1, 1);
  tiler.Update();
  EXPECT_EQ(tiler.destx, 20.0f - kTileW);
  EXPECT_EQ(tiler.desty, 30.0f - kTileH);
}

TEST_F(Tiler, ScrollingLeftKeepsTheOriginWithinOneTile) {
  Init(100, 24);
  tiler.SetTilerDirection(-1, 0);
  for (int i = 0; i < kTileW; ++i) tiler.Update();
  EXPECT_EQ(tiler.destx, 20.0f - kTileW) << "exactly one tile is still in range";
  tiler.Update();
  EXPECT_EQ(tiler.destx, 20.0f);
}

TEST_F(Tiler, ATintFadeReachesItsTargetAndStops) {
  Init(100, 24);
  tiler.AutoRGBFade(0, 0, 0, 10);
  for (int i = 0; i < 25; ++i) tiler.Update();
  EXPECT_EQ(tiler.red, 5.0f);
  EXPECT_EQ(tiler.rgbfading, 1);
  tiler.Update();
  EXPECT_EQ(tiler.red, 0.0f);
  EXPECT_EQ(tiler.blue, 0.0f);
  EXPECT_EQ(tiler.rgbfading, 0);
  // Components below their target rise, ones at it stay.
  tiler.SetTilerRGB(0, 255, 100);
  tiler.AutoRGBFade(255, 0, 100, 100);
  tiler.Update();
  EXPECT_EQ(tiler.red, 100.0f);
  EXPECT_EQ(tiler.green, 155.0f);
  EXPECT_EQ(tiler.blue, 100.0f);
  tiler.Update();
  tiler.Update();
  EXPECT_EQ(tiler.red, 255.0f);
  EXPECT_EQ(tiler.green, 0.0f);
  EXPECT_EQ(tiler.rgbfading, 0);
}

TEST_F(Tiler, NothingIsDrawnAtAlphaZeroOrForAnEmptyTile) {
  Init(100, 24);
  tiler.SetTilerAlpha(0);
  tiler.SetTilerDirection(3, 0);
  for (int i = 0; i < 5; ++i) {
    tiler.Update();
    tiler.Render();
  }
  EXPECT_EQ(CurrentFrameStats().quads, 0);
  // A tile of no size would divide by zero when counting columns.
  tiler.InitTiler(1, 0, 0, 0, 0, 20, 30, 100, 24);
  tiler.SetTilerDirection(3, 3);
  tiler.Update();
  tiler.Render();
  EXPECT_EQ(CurrentFrameStats().quads, 0);
  EXPECT_EQ(tiler.destx, 20.0f);
}
