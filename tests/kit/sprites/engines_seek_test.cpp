// Engines that steer to a point, the pointer or a sprite, stick to them or orbit.
#include "platform/input.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

class SeekEngines : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    s = Make(1, 1, 1, 0, 0);
  }
  MGE_SpritePtr s;
};

}  // namespace

TEST_F(SeekEngines, MovingToAPointNeverOvershootsAndKeepsReportingArrival) {
  handler.AutoSpriteMoveToXY(s.get(), 10.5f, 0, 100, 0, 0);
  s->Automate();
  EXPECT_EQ(s->x, 10.5f) << "a large speed lands on the destination";
  EXPECT_EQ(s->y, 0.0f);
  EXPECT_EQ(EventCount(1), 1);
  Steps(3);
  EXPECT_EQ(s->x, 10.5f);
  EXPECT_EQ(EventCount(1), 4) << "flags 0 keeps the engine running on the spot";
  EXPECT_EQ(s->engine_type, 3);
}

TEST_F(SeekEngines, ArrivalIsJudgedOnWholeNumbersAndFlagsStopOrEnd) {
  handler.AutoSpriteMoveToXY(s.get(), 5.9f, 0, 2, 1, 1);
  s->Automate();
  EXPECT_EQ(s->x, 2.0f);
  EXPECT_EQ(s->speed, 3.0f) << "the thrust adds after the move";
  s->Automate();
  EXPECT_EQ(s->x, 5.0f);
  EXPECT_EQ(EventCount(1), 1) << "5 and 5.9 truncate alike";
  EXPECT_EQ(s->engine_type, 0);

  handler.AutoSpriteMoveToXY(s.get(), 20, 0, 100, 0, 2);
  s->Automate();
  EXPECT_EQ(s->killed, 1);
}

TEST_F(SeekEngines, MovingToThePointerRaisesEvent3) {
  InjectMouseMove(30, 40);
  handler.AutoSpriteMoveToMouse(s.get(), 1000, 0, 1);
  EXPECT_EQ(s->bufferspeed, 1000.0f);
  s->Automate();
  EXPECT_EQ(s->x, 30.0f);
  EXPECT_EQ(s->y, 40.0f);
  EXPECT_EQ(EventCount(3), 1);
}

TEST_F(SeekEngines, MovingToASpriteFollowsItsCurrentPosition) {
  MGE_SpritePtr target = Make(2, 1, 1, 0, 8);
  handler.AutoSpriteMoveToSprite(s.get(), target, 3, 0, 1);
  s->Automate();
  EXPECT_EQ(s->y, 3.0f);
  target->y = -20;
  s->Automate();
  EXPECT_EQ(s->ydest, -20.0f);
  EXPECT_EQ(s->y, 0.0f);
  target->y = 0;
  s->Automate();
  EXPECT_EQ(EventCount(2), 1);

  MGE_SpritePtr lost = Make(3);
  handler.AutoSpriteMoveToSprite(lost.get(), nullptr, 3, 0, 1);
  lost->Automate();
  EXPECT_EQ(lost->killed, 1) << "no target ends the sprite";
}

TEST_F(SeekEngines, StickingToThePointerAddsTheOffset) {
  InjectMouseMove(50, 60);
  handler.AutoSpriteMouse(s.get(), -5, 5);
  s->Automate();
  EXPECT_EQ(s->x, 45.0f);
  EXPECT_EQ(s->y, 65.0f);
}

TEST_F(SeekEngines, EasingTowardsThePointerAndAZeroSpeed) {
  InjectMouseMove(100, 0);
  handler.AutoSpriteFollowMouse(s.get(), 4);
  s->Automate();
  EXPECT_EQ(s->xdist, 100.0f);
  EXPECT_EQ(s->x, 25.0f);
  handler.AutoSpriteFollowMouse(s.get(), 0);
  Steps(3);
  EXPECT_EQ(s->x, 25.0f) << "a speed of 0 leaves the sprite still";
  EXPECT_EQ(s->xdist, 75.0f);
}

TEST_F(SeekEngines, OrbitingCirclesTheTargetAndEndsWithIt) {
  MGE_SpritePtr target = Make(2, 1, 1, 100, 100);
  handler.AutoSpriteOrbitSprite(s.get(), target, 10, 90, 0, 0);
  s->Automate();
  EXPECT_FLOAT_EQ(s->x, 110.0f);
  EXPECT_FLOAT_EQ(s->y, 100.0f);
  s->Automate();
  EXPECT_NEAR(s->x, 100.0f, 1e-4);
  EXPECT_FLOAT_EQ(s->y, 110.0f);
  target->kill();
  s->Automate();
  EXPECT_EQ(s->killed, 1);
  EXPECT_FALSE(s->spritetotarget);
}

TEST_F(SeekEngines, TheLatchFollowsItsTargetAndEndsWithoutOne) {
  MGE_SpritePtr target = Make(2, 1, 1, 100, 100);
  handler.AutoSpriteLatch(s.get(), target, 3, -4);
  s->Automate();
  EXPECT_EQ(s->x, 103.0f);
  EXPECT_EQ(s->y, 96.0f);
  handler.RemoveSprite(target.get());
  s->Automate();
  EXPECT_EQ(s->killed, 1);

  MGE_SpritePtr lone = Make(3);
  handler.AutoSpriteLatch(lone.get(), nullptr, 0, 0);
  lone->Automate();
  EXPECT_EQ(lone->killed, 1);
}

TEST_F(SeekEngines, EnginesThatNeedATargetEndTheSpriteWithoutOne) {
  for (int type : {5, 7, 15, 17, 22, 28}) {
    MGE_SpritePtr t = Make();
    t->engine_type = type;
    t->Automate();
    EXPECT_EQ(t->killed, 1) << type;
  }
}
