#include <gtest/gtest.h>

#include "kit/game_system.hpp"
#include "tests/kit/kit_fixture.hpp"

using kittest::KitTest;

namespace {

// Slot 1: a 16 x 16 blue picture with a white 5 x 5 block at (4, 4).
class Blitting : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    OpenKit(160, 120, 160, 120);
    MGE_TextureHandler::Init(1);
    auto pixmap = kittest::SolidPixmap(16, 16, 0xFF0000FF);
    for (int y = 4; y < 9; ++y)
      for (int x = 4; x < 9; ++x) pixmap->WritePixel(x, y, 0xFFFFFFFF);
    ASSERT_EQ(kittest::LoadIntoSlot(1, *pixmap), 1);
    Clear(0, 0, 0);
  }
  // The bounds of the non-black pixels in a window around (cx, cy).
  static void Extent(int cx, int cy, int& left, int& top, int& right, int& bottom) {
    left = top = 1000;
    right = bottom = -1;
    for (int y = cy - 20; y <= cy + 20; ++y)
      for (int x = cx - 20; x <= cx + 20; ++x)
        if (Pixel(x, y) != 0) {
          left = std::min(left, x);
          top = std::min(top, y);
          right = std::max(right, x);
          bottom = std::max(bottom, y);
        }
  }
  static TImage& Image() { return *MGE_TextureHandler::Get(1); }
};

}  // namespace

TEST_F(Blitting, BlitCentresTheRectangleOnItsIntegerHalfHandle) {
  MGE_GameSystem::Blit(1, 4, 4, 5, 5, 40, 30, 1.0f, 1.0f, 0.0f, SOLIDBLEND);
  EXPECT_EQ(Image().handle_x, 2.0f);
  EXPECT_EQ(Image().handle_y, 2.0f);
  int l, t, r, b;
  Extent(40, 30, l, t, r, b);
  EXPECT_EQ(l, 38);
  EXPECT_EQ(t, 28);
  EXPECT_EQ(r, 42);
  EXPECT_EQ(b, 32);
  EXPECT_EQ(Pixel(40, 30), 0xFFFFFFu);
  TImageFrame& frame = *Image().frames[0];
  EXPECT_EQ(frame.u0, 0.0f);
  EXPECT_EQ(frame.v1, 1.0f) << "the frame shows the whole picture again";
}

TEST_F(Blitting, TheRenderOffsetMovesAllButBlitB) {
  MGE_GameSystem::SetScreenRenderOffset(20, 10);
  MGE_GameSystem::Blit(1, 4, 4, 5, 5, 40, 30, 1.0f, 1.0f, 0.0f, SOLIDBLEND);
  EXPECT_EQ(Pixel(58, 38), 0xFFFFFFu);
  EXPECT_EQ(Pixel(57, 38), 0x000000u);
  MGE_GameSystem::BlitB(1, 4, 4, 5, 5, 100, 30, 1.0f, 1.0f, 0.0f, SOLIDBLEND);
  EXPECT_EQ(Pixel(98, 28), 0xFFFFFFu);
  MGE_GameSystem::BlitS(1, 4, 4, 5, 5, 0, 60, 2.0f, 1.0f);
  int l, t, r, b;
  Extent(25, 75, l, t, r, b);
  EXPECT_EQ(l, 20);
  EXPECT_EQ(t, 70);
  EXPECT_EQ(r, 29) << "stretched twice as wide";
  EXPECT_EQ(b, 74);
}

TEST_F(Blitting, BlitRAnchorsTheTopLeftCornerInItsColour) {
  MGE_GameSystem::BlitR(1, 4, 4, 5, 5, 40, 30, 1.0f, 2.0f, 0.0f, SOLIDBLEND, 255, 0, 0);
  EXPECT_EQ(Image().handle_x, 0.0f);
  int l, t, r, b;
  Extent(45, 35, l, t, r, b);
  EXPECT_EQ(l, 40);
  EXPECT_EQ(t, 30);
  EXPECT_EQ(r, 49);
  EXPECT_EQ(b, 39);
  EXPECT_EQ(Pixel(45, 35), 0xFF0000u);
}

TEST_F(Blitting, DrawUVTurnsAboutTheHandle) {
  ImageSetHandle(MGE_TextureHandler::Get(1), 0, 0);
  SetTransform(90, 1, 1);
  SetBlend(SOLIDBLEND);
  SetColor(255, 255, 255);
  // The block's 5 columns turn to run down from the pivot, and its rows to the left of it.
  MGE_GameSystem::DrawUV(MGE_TextureHandler::Get(1), 60, 60, 4, 4, 5, 5);
  int l, t, r, b;
  Extent(60, 60, l, t, r, b);
  EXPECT_EQ(l, 55);
  EXPECT_EQ(t, 60);
  EXPECT_EQ(r, 59);
  EXPECT_EQ(b, 64);
}

TEST_F(Blitting, AnEmptySlotDrawsNothing) {
  MGE_GameSystem::Blit(0, 0, 0, 5, 5, 40, 30, 1, 1, 0, SOLIDBLEND);
  MGE_GameSystem::Blit(7, 0, 0, 5, 5, 40, 30, 1, 1, 0, SOLIDBLEND);
  MGE_GameSystem::DrawUV(nullptr, 40, 30, 0, 0, 5, 5);
  EXPECT_EQ(CurrentFrameStats().quads, 0);
}
