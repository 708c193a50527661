// Homing, inertia and the pulled drift.
#include <cmath>

#include "platform/input.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

class HomingEngines : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    s = Make(1, 1, 1, 0, 0);
  }
  MGE_SpritePtr s;
};

}  // namespace

TEST_F(HomingEngines, HomingFliesStraightUntilTheLaunchIsUsedUp) {
  MGE_SpritePtr target = Make(2, 1, 1, 0, 100);
  handler.AutoSpriteHoming(s.get(), target, 0, 2, 10, 0, 10, -1000, -1000, 1000, 1000);
  vorpel::FrameDelta = 4;
  Steps(2);
  EXPECT_EQ(s->x, 16.0f);
  EXPECT_EQ(s->y, 0.0f);
  EXPECT_EQ(s->homing_angle, 0.0f);
  s->Automate();
  EXPECT_EQ(s->homing_initialmovelength, 0.0f) << "not below 0";
  EXPECT_EQ(s->homing_angle, 0.0f) << "the step that used up the launch flew straight";
  s->Automate();
  EXPECT_EQ(s->homing_angle, 40.0f) << "now it turns";
}

TEST_F(HomingEngines, HomingTurnsTheShorterWayAcrossZero) {
  MGE_SpritePtr target = Make(2, 1, 1, 1000, 100);  // a bearing of about 5.7 degrees
  handler.AutoSpriteHoming(s.get(), target, 350, 1, 4, 0, 0, -1000, -1000, 2000, 2000);
  std::vector<float> angles;
  for (int i = 0; i < 4; ++i) {
    s->Automate();
    angles.push_back(s->homing_angle);
  }
  EXPECT_EQ(angles, (std::vector<float>{354, 358, 2, 6}));
  EXPECT_FLOAT_EQ(s->xspeed, float(std::cos(6 * M_PI / 180)));
}

TEST_F(HomingEngines, AcceleratingRaisesSpeedAndTurningRateTogether) {
  handler.AutoSpriteHomingXY(s.get(), 0, 500, 1, 0, 2, 3, 0.5f, 0);
  s->Automate();
  EXPECT_EQ(s->homing_speed, 2.5f);
  EXPECT_EQ(s->homing_turnrate, 3.5f);
  EXPECT_EQ(s->homing_angle, 3.0f);
}

TEST_F(HomingEngines, HomingOnADeadTargetFliesOnAndEndsAtTheEdge) {
  MGE_SpritePtr target = Make(2, 1, 1, 0, 100);
  handler.AutoSpriteHoming(s.get(), target, 0, 5, 1, 0, 0, -10, -10, 10, 10);
  s->flags = 1;
  s->Automate();
  target->kill();
  float vx = s->xspeed, vy = s->yspeed;
  s->Automate();
  EXPECT_EQ(s->engine_type, 2);
  EXPECT_EQ(s->flags, 0);
  EXPECT_FALSE(s->spritetotarget);
  Steps(3);
  EXPECT_EQ(s->xspeed, vx);
  EXPECT_EQ(s->yspeed, vy);
  EXPECT_EQ(s->killed, 1);
  EXPECT_EQ(EventCount(4), 1);
}

TEST_F(HomingEngines, HomingOnAPointArrivesWithinItsDistance) {
  handler.AutoSpriteHomingXY(s.get(), 20, 0, 5, 0, 4, 1, 0, 0);
  for (int i = 0; i < 10 && s->engine_type; ++i) s->Automate();
  EXPECT_EQ(s->engine_type, 0);
  EXPECT_EQ(s->x, 20.0f) << "put on the destination";
  EXPECT_EQ(s->y, 0.0f);
  EXPECT_EQ(EventCount(1), 1);
}

TEST_F(HomingEngines, InertiaAcceleratesTowardsTheTargetUpToItsLimit) {
  MGE_SpritePtr target = Make(2, 1, 1, 100, -100);
  handler.AutoSpriteInertiaTracking(s.get(), target, 1, 2.5f, 0.5f, 10, 0);
  s->Automate();
  EXPECT_EQ(s->movedata1, 1.0f);
  EXPECT_EQ(s->x, 1.0f);
  EXPECT_EQ(s->movedata4, -0.5f);
  Steps(3);
  EXPECT_EQ(s->movedata1, 2.5f) << "at most the limit";
  EXPECT_EQ(s->x, 8.0f) << "1 + 2 + 2.5 + 2.5";
  target->kill();
  s->Automate();
  EXPECT_EQ(s->killed, 1);
}

TEST_F(HomingEngines, InertiaWithADurationEndsTheSprite) {
  handler.AutoSpriteInertiaTrackingMouse(s.get(), 1, 5, 1, 5, 3);
  Steps(2);
  EXPECT_EQ(s->killed, 0) << "3 - 2 is not below 1";
  Steps(1);
  EXPECT_EQ(s->killed, 1);
}

TEST_F(HomingEngines, InertiaFollowsThePointerInTheSpritesFrame) {
  InjectMouseMove(100, 10);
  KitState().mouseScaleX = 0.5f;
  MGE_SpriteHandler::SetSpriteRenderOffset(80, 0);
  s->x = 15;  // the pointer counts as (100 - 80) x 0.5 = 10: to the left
  handler.AutoSpriteInertiaTrackingMouse(s.get(), 1, 5, 1, 5, 0);
  s->Automate();
  EXPECT_EQ(s->movedata1, -1.0f);
  EXPECT_EQ(s->movedata4, 1.0f);
}

TEST_F(HomingEngines, TheDriftIsPulledTowardsItsTargetAndWraps) {
  MGE_SpritePtr target = Make(2, 1, 1, 50, 0);
  handler.AutoSpriteMoveTrackGWrap(s.get(), target, 1, 0, 2, 2, 3, 3, -10, -10, 10, 10);
  s->Automate();
  EXPECT_EQ(s->x, 1.0f);
  EXPECT_EQ(s->xthrust, 2.0f);
  s->Automate();
  EXPECT_EQ(s->x, 4.0f);
  EXPECT_EQ(s->xthrust, 3.0f) << "at most the limit";
  Steps(2);
  EXPECT_EQ(s->x, -10.0f) << "12 is past the right edge: wrapped";
}
