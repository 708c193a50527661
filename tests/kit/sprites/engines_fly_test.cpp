// Engines that fly inside the movement rectangle, and the pause.
#include <cmath>

#include "platform/random.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

class FlyEngines : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    s = Make(1, 1, 1, 50, 50);
  }
  // Flies by (vx, vy) per step in the rectangle 0..100 with the given edge flags.
  void Fly(float vx, float vy, int flags) {
    handler.AutoSpriteMove(s.get(), vx, vy, 0, 0, 0, 0, 100, 100, flags);
  }
  MGE_SpritePtr s;
};

}  // namespace

TEST_F(FlyEngines, LeavingWithFlagsZeroEndsTheSpriteAndRaisesEvent4) {
  Fly(-30, 0, 0);
  handler.UpdateSprites();
  EXPECT_EQ(s->readytodie, 0);
  handler.UpdateSprites();
  EXPECT_EQ(s->readytodie, 1);
  EXPECT_EQ(EventCount(4), 1);
  EXPECT_EQ(events[0].sprite, s.get());
  EXPECT_EQ(handler.GetSpriteCount(1), 0) << "gone after the step";
}

TEST_F(FlyEngines, FlagsOneWrapsToExactlyTheOtherEdge) {
  Fly(30, 0, 1);
  Steps(2);
  EXPECT_EQ(s->x, 0.0f) << "110 is past the right edge";
  Fly(0, -60, 1);
  s->Automate();
  EXPECT_EQ(s->y, 100.0f);
  EXPECT_EQ(s->killed, 0);
  EXPECT_TRUE(events.empty());
}

TEST_F(FlyEngines, FlagsTwoAndThreeWrapOneAxisAndDieOnTheOther) {
  Fly(0, 60, 2);
  s->Automate();
  EXPECT_EQ(s->y, 0.0f);
  EXPECT_EQ(s->killed, 0);
  Fly(60, 0, 2);
  s->Automate();
  EXPECT_EQ(s->killed, 1);

  s = Make(2, 1, 1, 50, 50);
  Fly(60, 0, 3);
  s->Automate();
  EXPECT_EQ(s->x, 0.0f);
  EXPECT_EQ(s->killed, 0);
  Fly(0, -60, 3);
  s->Automate();
  EXPECT_EQ(s->killed, 1);
  EXPECT_EQ(EventCount(4), 2);
}

TEST_F(FlyEngines, LeavingThroughACornerRaisesEvent4Twice) {
  Fly(-60, -60, 0);
  s->Automate();
  EXPECT_EQ(EventCount(4), 2);
}

TEST_F(FlyEngines, ThrustChangesTheSpeedAfterTheMove) {
  handler.AutoSpriteMove(s.get(), 1, 0, 2, -1, -1000, -1000, 1000, 1000, 0);
  s->Automate();
  EXPECT_EQ(s->x, 51.0f);
  EXPECT_EQ(s->xspeed, 3.0f);
  EXPECT_EQ(s->yspeed, -1.0f);
  s->Automate();
  EXPECT_EQ(s->x, 54.0f);
  EXPECT_EQ(s->y, 49.0f);
}

TEST_F(FlyEngines, ShootingAimsByAngle) {
  handler.AutoSpriteShootWrap(s.get(), 90, 2, 0, 0, 0, 0, 100, 100);
  EXPECT_EQ(s->flags, 1);
  EXPECT_NEAR(s->xspeed, 0.0f, 1e-6);
  EXPECT_FLOAT_EQ(s->yspeed, 2.0f);
  MGE_SpritePtr target = Make(2, 1, 1, 50, 0);
  SeedRnd(7);
  float a = handler.AutoSpriteShootSprite(s.get(), target.get(), 3, 10, 0, 0, 100, 100, 0);
  EXPECT_GE(a, 260.0f);
  EXPECT_LE(a, 280.0f);
  EXPECT_EQ(s->engine_type, 2);
  EXPECT_EQ(s->xthrust, 0.0f);
  EXPECT_EQ(handler.AutoSpriteShootSprite(s.get(), nullptr, 3, 10, 0, 0, 100, 100, 0), 0.0f);
  handler.AutoSpriteShootSprite(s.get(), target.get(), 3, 0, 0, 0, 100, 100, 0);
  s->Automate();
  EXPECT_FLOAT_EQ(s->y, 47.0f);
}

TEST_F(FlyEngines, PongBouncesOffEverySide) {
  handler.AutoSpritePong(s.get(), 30, -40, 0, 0, 100, 100);
  Steps(2);
  EXPECT_EQ(s->x, 100.0f);
  EXPECT_EQ(s->xspeed, -30.0f);
  EXPECT_EQ(s->y, 0.0f);
  EXPECT_EQ(s->yspeed, 40.0f);
}

TEST_F(FlyEngines, RandomReEntryLandsOnAWholeNumberOfTheOppositeEdge) {
  SeedRnd(3);
  for (int i = 0; i < 50; ++i) {
    s->SetXY(99.5f, 40);
    handler.AutoSpriteMoveWrapRnd(s.get(), 1, 0, 0.5f, 0.5f, 100, 80.5f);
    s->Automate();
    EXPECT_EQ(s->x, 0.5f);
    EXPECT_EQ(s->y, std::trunc(s->y));
    EXPECT_GE(s->y, 0.0f);
    EXPECT_LE(s->y, 80.0f);
  }
  s->SetXY(50, 0);
  handler.AutoSpriteMoveWrapRnd(s.get(), 0, -1, 0, 0, 100, 100);
  s->Automate();
  EXPECT_EQ(s->y, 100.0f);
  EXPECT_EQ(s->x, std::trunc(s->x));
}

TEST_F(FlyEngines, TheGravityBouncesBounceOffTheirSidesAndDieOnTheOthers) {
  handler.AutoSpriteXBounce(s.get(), 0, 0, 0, -10, 0.5f, 0, 0, 100, 100, 0);
  EXPECT_EQ(s->xgravity, -10.0f);
  Steps(4);  // x: 50, 40, 20, then -10 with the thrust at -40: bounces
  EXPECT_EQ(s->x, 0.0f);
  EXPECT_EQ(s->xthrust, 20.0f) << "half the energy kept";
  EXPECT_EQ(EventCount(5), 1);

  s = Make(2, 1, 1, 50, 50);
  handler.AutoSpriteYBounce(s.get(), 0, 0, 0, 30, 1, 0, 0, 100, 100, 0);
  Steps(3);  // y: 50, 80, then 140 with the thrust at 90
  EXPECT_EQ(s->y, 100.0f);
  EXPECT_EQ(s->ythrust, -90.0f);
  EXPECT_EQ(EventCount(5), 2);
  handler.AutoSpriteYBounce(s.get(), 80, 0, 0, 0, 1, 0, 0, 100, 100, 0);
  s->Automate();
  EXPECT_EQ(s->killed, 1);
  EXPECT_EQ(EventCount(4), 1);
}

TEST_F(FlyEngines, TheWaveAddsItsSwayBeforeFlying) {
  handler.AutoSpriteMoveRadius(s.get(), 0, -1, 0, 0, 60, 30, 2, 0, 0, 0, 0, 0, 100, 100, 0);
  s->Automate();
  EXPECT_EQ(s->cosangle, 90.0f);
  EXPECT_NEAR(s->x, 50.0f, 1e-5) << "cos 90 is 0";
  EXPECT_EQ(s->y, 49.0f);
  s->Automate();
  EXPECT_NEAR(s->x, 50.0f - 2.0f * 0.5f, 1e-5) << "cos 120 is -0.5";
  vorpel::FrameDelta = 100;
  s->Automate();
  EXPECT_EQ(s->killed, 1) << "the edge rule follows the wave";
}

TEST_F(FlyEngines, ATimedFlightStopsInsideTheRectangleWithEvent11) {
  handler.AutoSpriteShootDuration(s.get(), 0, 1, 0, 0, 0, 0, 100, 100, 0, 3.5f);
  EXPECT_EQ(s->engine_type, 24);
  Steps(2);
  EXPECT_EQ(s->engine_type, 24);
  s->Automate();
  EXPECT_EQ(s->engine_type, 0) << "3.5 - 3 is below 1";
  EXPECT_EQ(s->x, 53.0f);
  EXPECT_EQ(EventCount(11), 1);
  s->Automate();
  EXPECT_EQ(s->x, 53.0f);
}

TEST_F(FlyEngines, TheLastStepOfATimedFlightSkipsTheEdgeRule) {
  handler.AutoSpriteShootDuration(s.get(), 0, 60, 0, 0, 0, 0, 100, 100, 0, 1.5f);
  s->Automate();
  EXPECT_EQ(s->x, 110.0f);
  EXPECT_EQ(s->killed, 0);
  EXPECT_EQ(EventCount(4), 0);
}

TEST_F(FlyEngines, APauseRestoresTheEngineWithItsFieldsUnchanged) {
  handler.AutoSpriteMove(s.get(), 2, 0, 0, 0, -1000, -1000, 1000, 1000, 1);
  s->Automate();
  handler.AutoSpriteMovePause(s.get(), 3);
  EXPECT_EQ(s->engine_typebuffer, 2);
  Steps(3);
  EXPECT_EQ(s->x, 52.0f) << "still while paused";
  EXPECT_EQ(s->engine_type, 2) << "3 - 3 is below 1: resumes in the next step";
  s->Automate();
  EXPECT_EQ(s->x, 54.0f);
  EXPECT_EQ(s->flags, 1);
}

TEST_F(FlyEngines, PausingAPausedEngineKeepsTheEngineToResume) {
  handler.AutoSpriteMove(s.get(), 2, 0, 0, 0, -1000, -1000, 1000, 1000, 1);
  handler.AutoSpriteMovePause(s.get(), 5);
  handler.AutoSpriteMovePause(s.get(), 2);
  EXPECT_EQ(s->engine_typebuffer, 2);
  Steps(3);
  EXPECT_EQ(s->x, 52.0f);
}

TEST_F(FlyEngines, NumbersThatSelectNothingLeaveTheSpriteStill) {
  for (int type : {8, 10, 11, 99, -1}) {
    s->engine_type = type;
    s->xspeed = 5;
    s->Automate();
    EXPECT_EQ(s->x, 50.0f) << type;
  }
}
