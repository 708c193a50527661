// Drawing sprites through the real GL path, read back from the screen.
#include <cmath>
#include <limits>

#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteDrawTest;

namespace {
int R(std::uint32_t rgb) { return int(rgb >> 16 & 255); }
int G(std::uint32_t rgb) { return int(rgb >> 8 & 255); }
int B(std::uint32_t rgb) { return int(rgb & 255); }
}  // namespace

using SpriteRender = SpriteDrawTest;

TEST_F(SpriteRender, TheSpriteIsCentredOnItsPosition) {
  Quarter(0, 40, 30)->Render();
  EXPECT_EQ(Pixel(32, 22), 0xFF0000u);
  EXPECT_EQ(Pixel(47, 37), 0xFF0000u);
  EXPECT_EQ(Pixel(31, 30), 0x000000u);
  EXPECT_EQ(Pixel(48, 30), 0x000000u);
  EXPECT_EQ(Pixel(40, 38), 0x000000u);
}

TEST_F(SpriteRender, AlphaAboveOneAddsALightPass) {
  MGE_SpritePtr s = Quarter(3, 40, 30);
  s->red = s->green = s->blue = 128;
  s->alpha = 1.25f;
  s->Render();
  std::uint32_t p = Pixel(40, 30);
  EXPECT_NEAR(R(p), 160, 2) << "128 drawn opaque, then 128 x 0.25 added";
  EXPECT_NEAR(B(p), 160, 2);
  EXPECT_EQ(CurrentFrameStats().quads, 2);
  EXPECT_EQ(GetBlend(), LIGHTBLEND);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.25f);

  Clear(0, 0, 0);
  s->alpha = 1.0f;
  s->Render();
  EXPECT_NEAR(R(Pixel(40, 30)), 128, 1) << "alpha 1 draws once";
  EXPECT_EQ(GetBlend(), ALPHABLEND);
}

TEST_F(SpriteRender, TheAngleComesFromTheRotationTable) {
  MGE_SpritePtr s = Quarter(0, 40, 30);
  auto drawn = [&](float rot) {
    s->rot = rot;
    s->Render();
    return DrawState().tform_rot;
  };
  EXPECT_EQ(drawn(370), 9.0f);
  EXPECT_EQ(drawn(360), 360.0f);
  EXPECT_EQ(drawn(359.9f), 359.0f);
  EXPECT_EQ(drawn(720.5f), 359.0f);
  // Beyond the table the angle is reduced into it first.
  EXPECT_EQ(drawn(-10), 350.0f);
  EXPECT_EQ(drawn(721), 1.0f);
  EXPECT_EQ(drawn(3610.5f), 10.0f);
  EXPECT_EQ(drawn(std::numeric_limits<float>::quiet_NaN()), 0.0f);
  EXPECT_EQ(drawn(-std::numeric_limits<float>::infinity()), 0.0f);
  float huge = drawn(1e30f);
  EXPECT_GE(huge, 0.0f);
  EXPECT_LE(huge, 360.0f);
}

TEST_F(SpriteRender, TheShadowFallsRightAtHalfAlphaBeforeTheBody) {
  Clear(255, 255, 255);
  MGE_SpritePtr s = Quarter(0, 40, 30);
  s->scale = 2;
  s->shadow_depth = 4;
  s->Render();
  // The body covers 24..55, the shadow 8 units further right.
  std::uint32_t shadow = Pixel(60, 30);
  EXPECT_NEAR(R(shadow), 128, 2);
  EXPECT_NEAR(G(shadow), 128, 2);
  EXPECT_EQ(Pixel(50, 30), 0xFF0000u) << "the body is drawn over the shadow";
  EXPECT_EQ(Pixel(64, 30), 0xFFFFFFu);
  EXPECT_EQ(Pixel(30, 30), 0xFF0000u);
}

TEST_F(SpriteRender, TheOutlineIsALargerTintedPassUnderTheBody) {
  MGE_SpritePtr s = Quarter(3, 40, 30);
  handler.SetSpriteOutlineAlpha(s.get(), 0.3f, 1.5f, 0, 0, 255);
  EXPECT_EQ(s->outlinealpha, 1.0f);
  s->Render();
  EXPECT_EQ(Pixel(29, 30), 0x0000FFu);
  EXPECT_EQ(Pixel(40, 30), 0xFFFFFFu);
  EXPECT_EQ(Pixel(27, 30), 0x000000u);
}

TEST_F(SpriteRender, OffsetsMoveEveryPass) {
  MGE_SpriteHandler::SetSpriteRenderOffset(10, 5);
  MGE_GameSystem::SetScreenRenderOffset(3, 0);
  float map[2] = {4, -2};
  MGE_SpriteHandler::SetSpriteMapOffsetPointer(&map[0], &map[1]);
  Quarter(0, 40, 30)->Render();
  // Drawn at (40 + 13 - 4, 30 + 5 + 2).
  EXPECT_EQ(Pixel(41, 29), 0xFF0000u);
  EXPECT_EQ(Pixel(40, 29), 0x000000u);
  EXPECT_EQ(Pixel(56, 44), 0xFF0000u);
  EXPECT_EQ(Pixel(57, 44), 0x000000u);
  MGE_SpriteHandler::SetSpriteMapOffsetPointer(nullptr, nullptr);
  EXPECT_EQ(*KitState().mapOffsetX, 0.0f);
}

TEST_F(SpriteRender, KilledAndDisabledSpritesDrawNothing) {
  MGE_SpritePtr s = Quarter(0, 40, 30);
  s->enabled = 0;
  s->Render();
  MGE_SpritePtr t = Quarter(0, 80, 30);
  t->kill();
  t->Render();
  handler.RenderSprite(t.get());
  EXPECT_EQ(CurrentFrameStats().quads, 0);
  EXPECT_EQ(Pixel(40, 30), 0x000000u);
}

TEST_F(SpriteRender, AnEmptySlotDrawsNothingAndDoesNotFail) {
  MGE_SpritePtr s = Quarter(0, 40, 30);
  s->img = 9;
  s->Render();
  EXPECT_EQ(CurrentFrameStats().quads, 0);
}

TEST_F(SpriteRender, LayersAreDrawnFromTheHighestNumberDown) {
  Quarter(2, 40, 30, 1);  // blue, layer 1: on top
  Quarter(1, 44, 30, 2);  // green
  Quarter(0, 48, 30, 3);  // red, drawn first
  handler.RenderSprites();
  EXPECT_EQ(CurrentFrameStats().draw_calls, 0) << "one texture and blend: nothing flushed yet";
  EXPECT_EQ(Pixel(46, 30), 0x0000FFu);
  EXPECT_EQ(Pixel(50, 30), 0x00FF00u);
  EXPECT_EQ(Pixel(54, 30), 0xFF0000u);
  EXPECT_EQ(CurrentFrameStats().draw_calls, 1) << "all three in one draw call";
}

TEST_F(SpriteRender, WithinALayerLaterAppendsAreOnTopAndOrderZeroGoesUnder) {
  Quarter(0, 40, 30, 1, 1);  // red
  Quarter(1, 44, 30, 1, 1);  // green, appended: over red
  Quarter(2, 48, 30, 1, 0);  // blue, at the front: under everything
  handler.RenderSprites();
  EXPECT_EQ(Pixel(46, 30), 0x00FF00u);
  EXPECT_EQ(Pixel(50, 30), 0x00FF00u);
  EXPECT_EQ(Pixel(54, 30), 0x0000FFu);
  EXPECT_EQ(Pixel(34, 30), 0xFF0000u);
}

TEST_F(SpriteRender, RenderSpriteLayersDrawsTheRangeLastFirst) {
  Quarter(0, 40, 30, 1);
  Quarter(1, 44, 30, 2);
  Quarter(2, 48, 30, 3);
  handler.RenderSpriteLayers(2, 3);
  EXPECT_EQ(Pixel(46, 30), 0x00FF00u);
  EXPECT_EQ(Pixel(34, 30), 0x000000u) << "layer 1 is outside the range";
  handler.RenderSpriteLayers(-5, 99);  // numbers beyond the layers are passed over
  EXPECT_EQ(Pixel(34, 30), 0xFF0000u);
}

TEST_F(SpriteRender, UpdateAndRenderDrawsEachSpriteAfterItsStep) {
  MGE_SpritePtr s = Quarter(0, 40, 30);
  handler.AutoSpriteMove(s.get(), 10, 0, 0, 0, -1000, -1000, 1000, 1000, 0);
  MGE_SpritePtr dying = Quarter(1, 80, 30);
  handler.AutoSpriteAlphaFadeOff(dying.get(), 2);
  handler.UpdateAndRenderSprites();
  EXPECT_EQ(Pixel(43, 30), 0xFF0000u);
  EXPECT_EQ(Pixel(41, 30), 0x000000u);
  EXPECT_EQ(Pixel(80, 30), 0x000000u) << "killed in its step, so not drawn";
}
