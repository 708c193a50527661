// The value behaviours: alpha, outline alpha, scale, x and y scale, rotation and animation.
#include "kit/sprites/sprite_anims.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

class AutoValues : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    s = Make();
  }
  // The value after each of n steps.
  std::vector<float> Run(const float& value, int n) {
    std::vector<float> values;
    for (int i = 0; i < n; ++i) {
      s->Automate();
      values.push_back(value);
    }
    return values;
  }
  MGE_SpritePtr s;
};

using V = std::vector<float>;

}  // namespace

TEST_F(AutoValues, FadeInStopsExactlyOnTheUpperBoundAndSwitchesOff) {
  handler.AutoSpriteAlphaFadeIn(s.get(), 1.0f, 0.375f);
  EXPECT_EQ(s->alpha, 0.0f);
  EXPECT_EQ(Run(s->alpha, 3), (V{0.375f, 0.75f, 1.0f}));
  EXPECT_EQ(s->alphafading, 0);
  EXPECT_EQ(s->killed, 0);
}

TEST_F(AutoValues, FadeOffEndsTheSpriteOnlyBelowZero) {
  s->alpha = 0.5f;
  handler.AutoSpriteAlphaFadeOff(s.get(), 0.25f);
  EXPECT_EQ(s->alphafademax, 0.5f);
  EXPECT_EQ(s->alphafadedir, -0.25f);
  Run(s->alpha, 2);
  EXPECT_EQ(s->alpha, 0.0f);
  EXPECT_EQ(s->killed, 0) << "0 is still inside";
  s->Automate();
  EXPECT_EQ(s->killed, 1);
  EXPECT_EQ(s->alpha, -0.25f) << "left beyond the bound";
}

TEST_F(AutoValues, BounceBetweenOneAndAQuarterMore) {
  s->alpha = 1.0f;
  handler.AutoSpriteAlphaFade(s.get(), 1.0f, 1.25f, 0.125f, 1, 0);
  EXPECT_EQ(Run(s->alpha, 6), (V{1.125f, 1.25f, 1.25f, 1.125f, 1.0f, 1.0f}));
  EXPECT_EQ(s->alphafadedir, 0.125f);
}

TEST_F(AutoValues, WrapJumpsToTheOtherBound) {
  handler.AutoSpriteRotate(s.get(), 0, 360, 100, 2);
  EXPECT_EQ(Run(s->rot, 5), (V{100, 200, 300, 0, 100}));
}

TEST_F(AutoValues, AnUnboundedRotationWrapStaysInsideTheDrawingTable) {
  handler.AutoSpriteRotate(s.get(), 0, 360, 7.3f, 2);
  for (float rot : Run(s->rot, 500)) {
    EXPECT_GE(rot, 0.0f);
    EXPECT_LE(rot, 360.0f);
  }
}

TEST_F(AutoValues, ResetModeReturnsToTheRestingValue) {
  handler.AutoSpriteScale(s.get(), 0.5f, 1.5f, 0.75f, 6);
  handler.AutoSpriteRotate(s.get(), 0, 10, 6, 6);
  s->Automate();
  EXPECT_EQ(s->scale, 1.0f);
  EXPECT_EQ(s->scaling, 0);
  EXPECT_EQ(s->rot, 6.0f);
  s->Automate();
  EXPECT_EQ(s->rot, 0.0f);
  EXPECT_EQ(s->rotating, 0);
}

TEST_F(AutoValues, BounceForATimeEndsOnTheUpperBoundWithCollisionOn) {
  s->collision_enabled = 0;
  s->xscale = 1.0f;
  handler.AutoSpriteXScale(s.get(), 1.0f, 2.0f, 0.5f, 5);
  s->xscalingduration = 2.5f;
  EXPECT_EQ(Run(s->xscale, 3), (V{1.5f, 2.0f, 2.0f}));
  EXPECT_EQ(s->xscaling, 0) << "2.5 - 3 is below 0";
  EXPECT_EQ(s->collision_enabled, 1);
}

TEST_F(AutoValues, FadeInHoldFadeOutEndsTheSprite) {
  handler.AutoSpriteAlphaFadeOnAndOff(s.get(), 0.5f, 0.25f, 2, 0);
  EXPECT_EQ(s->alpha, 0.0f);
  EXPECT_EQ(Run(s->alpha, 8), (V{0.25f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.25f, 0.0f}));
  EXPECT_EQ(s->alphafademin, 3.0f) << "the phase: fading out";
  EXPECT_EQ(s->killed, 0);
  s->Automate();
  EXPECT_EQ(s->killed, 1);
  EXPECT_EQ(s->alpha, 0.0f);
}

TEST_F(AutoValues, FadeInHoldFadeOutWithTheEndFlagStaysInvisible) {
  handler.AutoSpriteAlphaFadeOnAndOff(s.get(), 0.5f, 0.5f, 0, 1);
  Run(s->alpha, 10);
  EXPECT_EQ(s->killed, 0);
  EXPECT_EQ(s->alpha, 0.0f);
  EXPECT_EQ(s->alphafading, 0);
}

TEST_F(AutoValues, AnUnknownPhaseDoesNothing) {
  s->alpha = 0.5f;
  handler.AutoSpriteAlphaFade(s.get(), 4.0f, 1.0f, 0.25f, 7, 0);
  Run(s->alpha, 3);
  EXPECT_EQ(s->alpha, 0.5f);
}

TEST_F(AutoValues, BounceThenFadeTurnsIntoAFallingFadeOff) {
  for (float dir : {0.25f, -0.25f}) {
    MGE_SpritePtr t = Make();
    t->alpha = 0.5f;
    handler.AutoSpriteAlphaFade(t.get(), 0.25f, 0.75f, dir, 8, 2);
    t->Automate();
    t->Automate();
    EXPECT_EQ(t->alphafading, 8);
    t->Automate();
    EXPECT_EQ(t->alphafading, 4) << dir;
    EXPECT_EQ(t->alphafademin, 0.0f);
    EXPECT_EQ(t->alphafademax, 1.0f);
    EXPECT_EQ(t->alphafadedir, -0.25f) << "falling whatever the sign was";
    for (int i = 0; i < 10 && !t->killed; ++i) t->Automate();
    EXPECT_EQ(t->killed, 1);
  }
}

TEST_F(AutoValues, PulseRisesTurnsAndStopsAtTheLowerBound) {
  handler.AutoSpriteScale(s.get(), 0.5f, 1.5f, 0.25f, 7);
  EXPECT_EQ(Run(s->scale, 8), (V{1.25f, 1.5f, 1.5f, 1.25f, 1.0f, 0.75f, 0.5f, 0.5f}));
  EXPECT_EQ(s->scaling, 0);
  s->alpha = 0.5f;
  handler.AutoSpriteAlphaFade(s.get(), 0.25f, 0.75f, 0.25f, 10, 0);
  EXPECT_EQ(Run(s->alpha, 5), (V{0.75f, 0.75f, 0.5f, 0.25f, 0.25f}));
  EXPECT_EQ(s->alphafading, 0);
}

TEST_F(AutoValues, TheAlphaLatchCopiesItsSource) {
  MGE_SpritePtr source = Make();
  source->alpha = 0.3f;
  handler.AutoSpriteAlphaLatch(s.get(), source);
  s->Automate();
  EXPECT_EQ(s->alpha, 0.3f);
  source->alpha = 0.7f;
  s->Automate();
  EXPECT_EQ(s->alpha, 0.7f);
  s->alphafromsprite.reset();
  s->Automate();
  EXPECT_EQ(s->alpha, 0.7f) << "no source: unchanged";
}

TEST_F(AutoValues, TheOutlineAlphaCanEndTheSpriteToo) {
  handler.AutoSpriteOutlineAlphaFade(s.get(), 0.0f, 1.0f, -0.5f, 4, 0, 1.2f, 1, 2, 3);
  s->outlinealpha = 0.5f;
  EXPECT_EQ(s->outlinescale, 1.2f);
  EXPECT_EQ(s->outlineblue, 3.0f);
  s->Automate();
  EXPECT_EQ(s->killed, 0);
  s->Automate();
  EXPECT_EQ(s->killed, 1);
}

TEST_F(AutoValues, UnknownModesOnlyMoveTheValue) {
  handler.AutoSpriteYScale(s.get(), 0, 1, 0.5f, 7);
  handler.AutoSpriteAlphaFade(s.get(), 0, 1, 0.5f, 11, 0);
  Run(s->yscale, 4);
  EXPECT_EQ(s->yscale, 3.0f);
  EXPECT_EQ(s->alpha, 3.0f);
  EXPECT_EQ(s->yscaling, 7);
}

namespace {

class AutoAnimation : public AutoValues {
 protected:
  void SetUp() override {
    AutoValues::SetUp();
    MGE_SpriteAnimFramesType set;
    set.name = "spin";
    set.totalframes = 8;
    set.srcwidth = 20;
    set.srcheight = 30;
    for (int k = 1; k <= 100; ++k) {
      set.img[std::size_t(k)] = 1;
      set.srcx[std::size_t(k)] = k * 100;
    }
    MGE_SpriteHandler::AddSpriteAnim(set);
  }
  int Frame() const { return int(s->srcx) / 100; }
  std::vector<int> Frames(int n) {
    std::vector<int> frames;
    for (int i = 0; i < n; ++i) {
      s->Automate();
      frames.push_back(Frame());
    }
    return frames;
  }
};

}  // namespace

TEST_F(AutoAnimation, StartingShowsFrameOneWhateverTheStart) {
  EXPECT_EQ(handler.AutoSpriteAnimate(s.get(), "SPIN", 1, 2, 0), 1);
  EXPECT_EQ(s->animating, 0);
  EXPECT_EQ(handler.AutoSpriteAnimate(s.get(), "spin", 1, 2, 5), 0);
  EXPECT_EQ(Frame(), 1);
  EXPECT_EQ(s->width, 20.0f);
  EXPECT_EQ(s->animtile, 5.0f);
  EXPECT_EQ(s->animax, 8.0f);
  EXPECT_EQ(Frames(1), std::vector<int>{6});
  handler.AutoSpriteAnimate(s.get(), "spin", 1, 2, -3);
  EXPECT_EQ(s->animtile, 1.0f);
}

TEST_F(AutoAnimation, LoopingShowsEachFrameTwiceAtHalfSpeed) {
  handler.AutoSpriteAnimate(s.get(), "spin", 0.5f, 2, 0);
  EXPECT_EQ(Frames(18), (std::vector<int>{1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 1, 1, 2}));
}

TEST_F(AutoAnimation, BoundsAreTestedAgainstTheWholeFrame) {
  handler.AutoSpriteAnimate(s.get(), "spin", 0.9f, 1, 7.5f);
  s->Automate();
  EXPECT_FLOAT_EQ(s->animtile, 8.4f);
  EXPECT_EQ(Frame(), 8);
  EXPECT_GT(s->anidir, 0.0f) << "frame 8.4 is frame 8: inside";
  s->Automate();
  EXPECT_EQ(s->animtile, 8.0f);
  EXPECT_LT(s->anidir, 0.0f);
}

TEST_F(AutoAnimation, TheEndingStepAndTheTimeoutDoNotRenewThePicture) {
  handler.AutoSpriteAnimate(s.get(), "spin", 4, 4, 6);
  s->Automate();
  EXPECT_EQ(s->killed, 1);
  EXPECT_EQ(Frame(), 1) << "frame 10 would be beyond the set";

  s = Make();
  handler.AutoSpriteAnimate(s.get(), "spin", 1, 5, 2);
  s->aniduration = 0.5f;
  s->Automate();
  EXPECT_EQ(s->animtile, 8.0f) << "the time ran out: the upper bound";
  EXPECT_EQ(Frame(), 1);
  EXPECT_EQ(s->animating, 0);

  handler.AutoSpriteAnimate(s.get(), "spin", 1, 9, 2);
  s->Automate();
  EXPECT_EQ(s->animtile, 3.0f);
  EXPECT_EQ(Frame(), 1) << "an unknown mode shows nothing new";
}

TEST_F(AutoAnimation, ResetModeShowsFrameOneAgain) {
  handler.AutoSpriteAnimate(s.get(), "spin", 1, 6, 7);
  EXPECT_EQ(Frames(2), (std::vector<int>{8, 1}));
  EXPECT_EQ(s->animating, 0);
}
