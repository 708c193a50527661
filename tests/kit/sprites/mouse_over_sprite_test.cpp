// The pointer tested against sprites' collision boxes.
#include "kit/mouse.hpp"
#include "platform/input.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

using MouseOverSprite = SpriteTest;

TEST_F(MouseOverSprite, TheFirstSpriteInListOrderUnderThePointerIsFound) {
  MGE_MouseType mouse;
  MGE_SpritePtr a = Make(1, 2, 1, 50, 50), b = Make(2, 2, 1, 55, 50);
  InjectMouseMove(53, 50);
  EXPECT_EQ(mouse.IsOverSprite(2), 1);
  EXPECT_EQ(mouse.SpriteOver, a);
  a->collision_enabled = 0;
  EXPECT_EQ(mouse.IsOverSprite(2), 1);
  EXPECT_EQ(mouse.SpriteOver, b) << "collision off is never under the pointer";
  InjectMouseMove(5, 5);
  EXPECT_EQ(mouse.IsOverSprite(2), 0);
  EXPECT_EQ(mouse.SpriteOver, b) << "unchanged when none is found";
  EXPECT_EQ(mouse.IsOverSprite(9), 0);
}

TEST_F(MouseOverSprite, TheEdgeOfTheBoxIsOutside) {
  MGE_SpritePtr s = Make(1, 1, 1, 50, 50);  // box 42..58
  InjectMouseMove(42, 50);
  EXPECT_EQ(MGE_MouseType::IsOverThisSprite(s.get()), 0);
  InjectMouseMove(43, 50);
  EXPECT_EQ(MGE_MouseType::IsOverThisSprite(s.get()), 1);
  InjectMouseMove(57, 57);
  EXPECT_EQ(MGE_MouseType::IsOverThisSprite(s.get()), 1);
  InjectMouseMove(58, 50);
  EXPECT_EQ(MGE_MouseType::IsOverThisSprite(s.get()), 0);
  EXPECT_EQ(MGE_MouseType::IsOverThisSprite(nullptr), 0);
}

TEST_F(MouseOverSprite, TheScaledBoxFollowsScaleAndMirroredSpot) {
  MGE_SpritePtr s = Make(1, 1, 1, 50, 50);
  s->scale = 2;
  s->collidexspot = 10;  // box centre 20 to the right: 54..86
  InjectMouseMove(80, 50);
  EXPECT_EQ(MGE_MouseType::IsOverThisSprite(s.get()), 1);
  EXPECT_EQ(MGE_MouseType::IsOverThisSpriteNs(s.get()), 0) << "unscaled: 52..68";
  InjectMouseMove(60, 50);
  EXPECT_EQ(MGE_MouseType::IsOverThisSpriteNs(s.get()), 1);
  s->xscale = -1;  // mirrored: the box centre 20 to the left, 14..46
  InjectMouseMove(20, 50);
  EXPECT_EQ(MGE_MouseType::IsOverThisSprite(s.get()), 1);
  MGE_MouseType mouse;
  InjectMouseMove(60, 50);
  EXPECT_EQ(mouse.IsOverSpriteNs(1), 1);
  EXPECT_EQ(mouse.SpriteOver, s);
}
