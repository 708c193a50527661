#include <gtest/gtest.h>

#include "kit/game_system.hpp"
#include "kit/mouse.hpp"
#include "kit/sprites/sprite_anims.hpp"
#include "tests/kit/kit_fixture.hpp"

using kittest::KitTest;

using Mouse = KitTest;

TEST_F(Mouse, WindowPositionsAreScaledIntoTheGameArea) {
  OpenKit(800, 500, 1280, 800);
  InjectMouseMove(641, 400);
  EXPECT_EQ(MGE_MouseType::X(), 400.0f);
  EXPECT_EQ(KitState().pointer.gameX, 641 * 0.625f) << "the unrounded product is kept";
  EXPECT_EQ(MGE_MouseType::Y(), 250.0f);
}

TEST_F(Mouse, IsInBoxIncludesTheTopLeftEdgeOnly) {
  InjectMouseMove(10, 10);
  EXPECT_EQ(MGE_MouseType::IsInBox(10, 10, 5, 5), 1);
  InjectMouseMove(14, 14);
  EXPECT_EQ(MGE_MouseType::IsInBox(10, 10, 5, 5), 1);
  InjectMouseMove(15, 10);
  EXPECT_EQ(MGE_MouseType::IsInBox(10, 10, 5, 5), 0);
  InjectMouseMove(10, 9);
  EXPECT_EQ(MGE_MouseType::IsInBox(10, 10, 5, 5), 0);
}

TEST_F(Mouse, ThePictureSitsAtTheMousePlusTheHotSpot) {
  OpenKit(160, 120, 160, 120);
  MGE_TextureHandler::Init(1);
  // A 64 x 64 picture whose top-left 32 x 32 quarter is red.
  auto pixmap = kittest::SolidPixmap(64, 64, 0xFF0000FF);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) pixmap->WritePixel(x, y, 0xFFFF0000);
  ASSERT_EQ(kittest::LoadIntoSlot(1, *pixmap), 1);
  InjectMouseMove(50, 40);

  MGE_MouseType::SetImage(1, 0, 0, 32, 32, 0, 0);
  Clear(0, 0, 0);
  MGE_MouseType::Render();
  EXPECT_EQ(Pixel(50, 40), 0xFF0000u);
  EXPECT_EQ(Pixel(81, 71), 0xFF0000u);
  EXPECT_EQ(Pixel(49, 40), 0x000000u);
  EXPECT_EQ(Pixel(82, 71), 0x000000u);

  MGE_MouseType::SetImage(1, 0, 0, 32, 32, 5, 0);
  Clear(0, 0, 0);
  MGE_MouseType::Render();
  EXPECT_EQ(Pixel(54, 40), 0x000000u);
  EXPECT_EQ(Pixel(55, 40), 0xFF0000u);

  MGE_MouseType::Hide();
  Clear(0, 0, 0);
  MGE_MouseType::Render();
  EXPECT_EQ(Pixel(60, 50), 0x000000u);
}

namespace {

class MouseAnimation : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    MGE_SpriteAnimFramesType& anim = vorpel::spriteAnims[3];
    anim = {};
    anim.name = "spin";
    anim.totalframes = 4;
    anim.srcwidth = 16;
    anim.srcheight = 8;
    for (int k = 1; k <= 4; ++k) {
      anim.img[std::size_t(k)] = 2;
      anim.srcx[std::size_t(k)] = k * 100;
      anim.srcy[std::size_t(k)] = k;
    }
    vorpel::FrameDelta = 1.0f;
  }
  void TearDown() override {
    vorpel::spriteAnims[3] = {};
    KitTest::TearDown();
  }
  static int ShownFrame() { return KitState().pointer.srcX / 100; }
};

}  // namespace

TEST_F(MouseAnimation, LoopingPlaysEachFrameForItsTimeAndStartsOver) {
  MGE_MouseType::Animate("spin", 0.5f, kMouseAnimLoop);
  const MGE_PointerState& p = KitState().pointer;
  EXPECT_EQ(p.visible, 0) << "animating does not show the pointer";
  EXPECT_EQ(p.slot, 2);
  EXPECT_EQ(p.hotX, 8.0f);
  EXPECT_EQ(p.hotY, 4.0f);
  std::vector<int> shown{ShownFrame()};
  for (int i = 0; i < 8; ++i) {
    MGE_MouseType::Update();
    shown.push_back(ShownFrame());
  }
  EXPECT_EQ(shown, (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 1}));
}

TEST_F(MouseAnimation, PingPongTurnsAtTheEndsAndOnceStops) {
  MGE_MouseType::Animate("spin", 1.0f, kMouseAnimPingPong);
  std::vector<int> shown;
  for (int i = 0; i < 7; ++i) {
    MGE_MouseType::Update();
    shown.push_back(ShownFrame());
  }
  EXPECT_EQ(shown, (std::vector<int>{2, 3, 4, 4, 3, 2, 1}));

  MGE_MouseType::Animate("spin", 2.0f, kMouseAnimOnce);
  for (int i = 0; i < 3; ++i) MGE_MouseType::Update();
  EXPECT_EQ(ShownFrame(), 4);
  EXPECT_EQ(KitState().pointer.animMode, kMouseAnimNone);
}

TEST_F(MouseAnimation, AnUnknownNameChangesNothing) {
  MGE_MouseType::SetImage(1, 7, 7, 10, 10, 0, 0);
  MGE_MouseType::Animate("Spin", 1.0f, kMouseAnimLoop);
  EXPECT_EQ(KitState().pointer.srcX, 7);
  EXPECT_EQ(KitState().pointer.animMode, kMouseAnimNone);
}
