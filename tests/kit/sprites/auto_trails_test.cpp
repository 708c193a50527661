// Trails: fading copies left behind while a sprite moves.
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

class AutoTrails : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    s = Make(1, 2);
    s->alpha = 0.8f;
    s->rot = 30;
    s->scale = 2;
    s->red = 10;
  }
  // A trail every 2 delta units, fading by 0.25.
  void Trails(float startalpha = 0, int ontop = 1, int layer = 0, float rotatedir = 0,
              float scaledir = 0, float xdir = 0, float ydir = 0) {
    handler.AutoSpriteTrails(s.get(), 2, startalpha, 0.25f, scaledir, rotatedir, 4, 0, 0, 0, 0, 0,
                             ontop, layer, xdir, ydir);
  }
  MGE_SpritePtr s;
};

}  // namespace

TEST_F(AutoTrails, AStillSpriteMakesNoCopies) {
  Trails();
  Steps(10);
  EXPECT_EQ(handler.GetSpriteCount(2), 1);
  EXPECT_GT(s->trailingfreq, 2.0f) << "the timer keeps running";
}

TEST_F(AutoTrails, ACopyFollowsTheFirstStepWithMovementOnceThePeriodIsDue) {
  Trails();
  EXPECT_EQ(s->trailingfreq, 2.0f) << "the first period is already counted";
  s->x = 5;
  s->Automate();
  ASSERT_EQ(handler.GetSpriteCount(2), 2);
  EXPECT_EQ(s->trailingfreq, 0.0f);
  EXPECT_EQ(s->trailingoldx, 5.0f);
  s->x = 6;
  s->Automate();
  s->Automate();
  EXPECT_EQ(handler.GetSpriteCount(2), 2) << "2 is not more than the period";
  s->Automate();
  EXPECT_EQ(handler.GetSpriteCount(2), 3);
}

TEST_F(AutoTrails, TheCopyIsAFreshFadingRecord) {
  Trails();
  s->x = 5;
  s->Automate();
  MGE_SpritePtr copy = handler.GetSprite(1, 2);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->x, 5.0f);
  EXPECT_EQ(copy->rot, 30.0f);
  EXPECT_EQ(copy->scale, 2.0f);
  EXPECT_EQ(copy->red, 10.0f);
  EXPECT_EQ(copy->width, 16.0f);
  EXPECT_EQ(copy->alpha, 0.8f) << "a starting alpha of 0 takes the sprite's own";
  EXPECT_EQ(copy->blend, 4);
  EXPECT_EQ(copy->collision_enabled, 0);
  EXPECT_EQ(copy->collidewidth, 0.0f) << "not a created sprite";
  EXPECT_EQ(copy->trailsontop, 0);
  EXPECT_EQ(copy->alphafading, 4);
  EXPECT_EQ(copy->alphafademax, 0.8f);
  EXPECT_EQ(copy->alphafadedir, -0.25f);
  EXPECT_EQ(copy->rotating, 0);
  EXPECT_EQ(copy->engine_type, 0);
  EXPECT_EQ(copy->listid.lock(), handler.GetSpriteList(2));
  for (int i = 0; i < 4; ++i) handler.UpdateSpriteLayer(2);
  EXPECT_EQ(copy->killed, 1) << "faded below 0";
}

TEST_F(AutoTrails, CopiesCanTurnShrinkAndDrift) {
  Trails(0.5f, 1, 0, 3, -0.1f, 1, -2);
  s->x = 5;
  s->Automate();
  MGE_SpritePtr copy = handler.GetSprite(1, 2);
  EXPECT_EQ(copy->alpha, 0.5f);
  EXPECT_EQ(copy->rotating, 2);
  EXPECT_EQ(copy->rotatingmax, 359.0f);
  EXPECT_EQ(copy->rotatingdir, 3.0f);
  EXPECT_EQ(copy->scaling, 4);
  EXPECT_EQ(copy->scalingmax, 100.0f);
  EXPECT_EQ(copy->engine_type, 2);
  EXPECT_EQ(copy->boundry_right, 2000.0f);
  copy->Automate();
  EXPECT_EQ(copy->x, 6.0f);
  EXPECT_EQ(copy->y, -2.0f);
  EXPECT_EQ(copy->rot, 33.0f);
}

TEST_F(AutoTrails, CopiesGoToTheFrontOrToAnotherLayer) {
  Trails(0, 0);
  s->x = 5;
  handler.UpdateSprites();
  EXPECT_EQ(Ids(2), (std::vector<int>{0, 1})) << "at the front, not updated in this pass";
  EXPECT_EQ(handler.GetSprite(0, 2)->alpha, 0.8f);

  Trails(0, 1, 3);
  s->x = 10;
  handler.UpdateSprites();
  EXPECT_EQ(handler.GetSpriteCount(3), 1);
  Trails(0, 1, 7);  // no such layer: no copy
  s->x = 20;
  handler.UpdateSprites();
  EXPECT_EQ(handler.GetSpriteCountAll(), 3);
}

TEST_F(AutoTrails, AnAlternatePictureAndTheSwitches) {
  handler.AutoSpriteTrails(s.get(), 0, 0, 0.1f, 0, 0, 3, 5, 1, 2, 3, 4, 1, 0, 0, 0);
  s->x = 5;
  s->Automate();
  MGE_SpritePtr copy = handler.GetSprite(1, 2);
  EXPECT_EQ(copy->img, 5);
  EXPECT_EQ(copy->srcy, 2.0f);
  EXPECT_EQ(copy->height, 4.0f);
  handler.AutoSpriteTrailsOff(s.get());
  s->x = 50;
  Steps(3);
  EXPECT_EQ(handler.GetSpriteCount(2), 2);
  handler.AutoSpriteTrailsOn(s.get());
  EXPECT_EQ(s->trailing, 1);
}
