#include <gtest/gtest.h>

#include "kit/game_system.hpp"
#include "kit/projection.hpp"
#include "kit/render_state.hpp"
#include "tests/kit/kit_fixture.hpp"

using kittest::KitTest;

namespace {

class Projection : public KitTest {
 protected:
  // Fills the back buffer white and paints the bars.
  static void PaintBars() {
    Clear(255, 255, 255);
    ProjectionMatrix::DrawLetterbox();
  }
};

}  // namespace

TEST_F(Projection, AWideScreenGetsBarsLeftAndRight) {
  OpenKit(800, 600, 1920, 1080, 0);
  const MGE_KitState& kit = KitState();
  EXPECT_EQ(kit.projection.width, 1066);
  EXPECT_EQ(kit.projection.height, 600);
  EXPECT_EQ(ProjectionMatrix::Width(), 800.0f);
  EXPECT_EQ(ProjectionMatrix::CenterX(), 533.0f);
  EXPECT_EQ(DrawState().origin_x, 133.0f);
  EXPECT_EQ(DrawState().origin_y, 0.0f);
  EXPECT_EQ(kit.renderOffsetX, 133.0f);
  EXPECT_EQ(kit.renderOffsetY, 0.0f);

  // 133 units of 1920 / 1066 pixels each: about 239.5 pixels per bar.
  PaintBars();
  EXPECT_EQ(Pixel(5, 540), 0x000000u);
  EXPECT_EQ(Pixel(237, 540), 0x000000u);
  EXPECT_EQ(Pixel(242, 540), 0xFFFFFFu);
  EXPECT_EQ(Pixel(1677, 540), 0xFFFFFFu);
  EXPECT_EQ(Pixel(1682, 540), 0x000000u);
  EXPECT_EQ(Pixel(1919, 1079), 0x000000u);
  EXPECT_EQ(DrawState().origin_x, 133.0f) << "the origin comes back after the bars";
  // The pointer over the left bar's edge is at the game's left edge.
  InjectMouseMove(240, 0);
  EXPECT_EQ(MGE_MouseType::X(), 0.0f);
  InjectMouseMove(1680, 0);
  EXPECT_EQ(MGE_MouseType::X(), 799.0f);
}

TEST_F(Projection, ATallScreenGetsBarsTopAndBottom) {
  OpenKit(800, 600, 1280, 1024, 0);
  const MGE_KitState& kit = KitState();
  EXPECT_EQ(kit.projection.width, 800);
  EXPECT_EQ(kit.projection.height, 640);
  EXPECT_EQ(kit.renderOffsetX, 0.0f);
  EXPECT_EQ(kit.renderOffsetY, 20.0f);
  // Bars of 20 units, 32 pixels.
  PaintBars();
  EXPECT_EQ(Pixel(640, 0), 0x000000u);
  EXPECT_EQ(Pixel(640, 30), 0x000000u);
  EXPECT_EQ(Pixel(640, 34), 0xFFFFFFu);
  EXPECT_EQ(Pixel(640, 989), 0xFFFFFFu);
  EXPECT_EQ(Pixel(640, 993), 0x000000u);
}

TEST_F(Projection, GameCoordinatesLandInsideTheBars) {
  OpenKit(800, 600, 1280, 1024, 0);
  Clear(0, 0, 0);
  // A shape at the game area's corner goes through the drawing origin ...
  SetColor(255, 0, 0);
  DrawRect(0, 0, 10, 10);
  EXPECT_EQ(Pixel(3, 35), 0xFF0000u);
  EXPECT_EQ(Pixel(3, 29), 0x000000u);
  // ... and the mouse over that corner reads as the game's (0, 0).
  InjectMouseMove(0, 32);
  EXPECT_EQ(MGE_MouseType::X(), 0.0f);
  EXPECT_EQ(MGE_MouseType::Y(), 0.0f);
  InjectMouseMove(1279, 1023 - 32);
  EXPECT_EQ(MGE_MouseType::X(), 799.0f);
  EXPECT_EQ(MGE_MouseType::Y(), 599.0f);
}

TEST_F(Projection, StretchingMapsTheWholeScreen) {
  OpenKit(700, 420, 700, 420);
  ProjectionMatrix::SetScale(700, 420);
  EXPECT_EQ(KitState().mouseScaleX, 1.0f);
  EXPECT_EQ(KitState().mouseScaleY, 1.0f);
  EXPECT_EQ(KitState().renderOffsetX, 0.0f);

  OpenKit(800, 500, 1280, 800, 1);
  EXPECT_EQ(KitState().mouseScaleX, 0.625f);
  Clear(255, 255, 255);
  int quads = CurrentFrameStats().quads;
  ProjectionMatrix::DrawLetterbox();
  EXPECT_EQ(CurrentFrameStats().quads, quads) << "no bars when stretched";
  EXPECT_EQ(Pixel(1, 1), 0xFFFFFFu);
}

TEST_F(Projection, NoBarsOnceAScreenMapsOneToOneAgain) {
  OpenKit(800, 600, 1280, 1024, 0);
  OpenKit(160, 120, 160, 120);
  PaintBars();
  EXPECT_EQ(Pixel(80, 2), 0xFFFFFFu);
}

TEST_F(Projection, LetterboxWithoutGraphicsChangesNothing) {
  ProjectionMatrix::SetLetterbox(800, 600);
  ProjectionMatrix::SetScale(0, 600);
  EXPECT_EQ(KitState().projection.width, 0);
  EXPECT_EQ(KitState().mouseScaleX, 1.0f);
}

using RenderStateStack = KitTest;

TEST_F(RenderStateStack, PopRestoresEverythingPushSaved) {
  OpenKit(160, 120, 160, 120);
  SetAlpha(0.25f);
  SetBlend(LIGHTBLEND);
  SetClsColor(1, 2, 3);
  SetColor(4, 5, 6);
  SetDrawHandle(7, 8);
  SetLineWidth(3);
  SetMaskColor(9, 10, 11);
  SetDrawOrigin(12, 13);
  SetTransform(30, 2, 3);
  SetViewport(10, 10, 50, 40);
  const TMax2DGraphics before = DrawState();

  RenderState::Push();
  EXPECT_EQ(DrawState().origin_x, 0.0f);
  EXPECT_EQ(DrawState().origin_y, 0.0f);
  SetAlpha(1);
  SetBlend(SOLIDBLEND);
  SetClsColor(0, 0, 0);
  SetColor(0, 0, 0);
  SetDrawHandle(0, 0);
  SetDrawFont(DefaultFont());
  SetLineWidth(1);
  SetMaskColor(0, 0, 0);
  SetDrawOrigin(99, 99);
  SetTransform(0, 1, 1);
  SetViewport(0, 0, 160, 120);
  RenderState::Pop();

  const TMax2DGraphics& after = DrawState();
  EXPECT_EQ(after.color_alpha, before.color_alpha);
  EXPECT_EQ(after.blend_mode, before.blend_mode);
  EXPECT_EQ(after.clscolor_blue, before.clscolor_blue);
  EXPECT_EQ(after.color_green, before.color_green);
  EXPECT_EQ(after.handle_x, before.handle_x);
  EXPECT_EQ(after.image_font, before.image_font);
  EXPECT_EQ(after.line_width, before.line_width);
  EXPECT_EQ(after.mask_red, before.mask_red);
  EXPECT_EQ(after.origin_x, before.origin_x);
  EXPECT_EQ(after.origin_y, before.origin_y);
  EXPECT_EQ(after.tform_rot, before.tform_rot);
  EXPECT_EQ(after.tform_iy, before.tform_iy);
  EXPECT_EQ(after.tform_scale_y, before.tform_scale_y);
  EXPECT_EQ(after.viewport_x, before.viewport_x);
  EXPECT_EQ(after.viewport_h, before.viewport_h);
  EXPECT_EQ(RenderState::Depth(), 0);
}

TEST_F(RenderStateStack, PopsComeBackInReverseAndAnExtraPopIsHarmless) {
  OpenKit(160, 120, 160, 120);
  SetColor(1, 1, 1);
  RenderState::Push();
  SetColor(2, 2, 2);
  RenderState::Push();
  SetColor(3, 3, 3);
  RenderState::Pop();
  EXPECT_EQ(DrawState().color_red, 2);
  RenderState::Pop();
  EXPECT_EQ(DrawState().color_red, 1);
  RenderState::Pop();
  EXPECT_EQ(DrawState().color_red, 1);
}
