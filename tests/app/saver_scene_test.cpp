#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/app_state.hpp"
#include "app/saver.hpp"
#include "app/saver_settings.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"
#include "tests/support/support.hpp"

namespace {

// The bubble scene on a real offscreen screen, stepped by hand: five milliseconds of scene time
// per logic step, as the 200-step fixed rate gives.
class SaverSceneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::RegisterAssetsOnce();
    SeedRnd(42);
    Kit = std::make_unique<MGE_GameSystem>();
    Kit->Start();
    ASSERT_EQ(MGE_GameSystem::Grafix(800, 500, 800, 500, 0, kDriverD3D7, 60, 1, 1, 0), 1);
    MGE_TextureHandler::Init(1);
    Kit->Sprite->Init(3);
    ASSERT_EQ(MGE_TextureHandler::Load(1, "incbin::image1.png", 6), 1);
    ASSERT_EQ(MGE_Pack::Read("incbin::image1.pac", 1), 1);
    Scene = SaverScene{};
    Scene.vw = 800;
    Scene.vh = 500;
    Scene.creation_interval = float(299 - 233) * 1.5f;  // the default setting
    Scene.change_interval = 1e9f;
    Scene.side_countdown = Scene.corner_countdown = 1e9f;  // no streams unless a test wants them
    Scene.mouse_grace_timer = -1;
    Scene.mouse_reference_x = MGE_MouseType::X();
    SelectBubbleSet(1);
    RunMode = kRunSaver;
  }

  void TearDown() override {
    Kit->Finish();
    Kit.reset();
    MGE_Pack::Reset();
    RunMode = kRunFinished;
  }

  static void Steps(int n, float dt = 5.0f) {
    for (int i = 0; i < n; ++i) {
      vorpel::FrameDelta = dt;
      SaverLogic();
    }
  }
  static int Bubbles() { return Kit->Sprite->GetSpriteCount(2) + Kit->Sprite->GetSpriteCount(3); }
};

}  // namespace

TEST_F(SaverSceneTest, DefaultSettingsCreateABubbleEveryHundredMilliseconds) {
  EXPECT_FLOAT_EQ(Scene.creation_interval, 99.0f);
  Steps(19);  // 95 ms: not yet past the interval
  EXPECT_EQ(Bubbles(), 0);
  Steps(1);  // 100 ms
  EXPECT_EQ(Bubbles(), 1);
  Steps(200);  // one more second
  EXPECT_EQ(Bubbles(), 11);
}

TEST_F(SaverSceneTest, AnIntervalOfZeroCreatesABubbleOnEveryStepIncludingPartialOnes) {
  Scene.creation_interval = float(299 - 299) * 1.5f;
  Steps(10);
  Steps(1, 2.5f);
  EXPECT_EQ(Bubbles(), 11);
}

TEST_F(SaverSceneTest, OrdinaryBubblesRiseFromBelowTheScreenWithTheSetsLook) {
  Scene.creation_interval = 0;
  Steps(200);
  int seen = 0;
  for (int layer : {2, 3})
    Kit->Sprite->GetSpriteList(layer)->ForEach([&](MGE_Sprite& s) {
      ++seen;
      EXPECT_EQ(s.blend, 3);
      EXPECT_LE(s.y, 700.0f);  // created at vh + 200 and rising since
      EXPECT_GE(s.x, -20.0f);
      EXPECT_LE(s.x, 820.0f);
      EXPECT_EQ(s.customfuncflag, 1);
      if (layer == 3) {
        EXPECT_GE(s.scale, 0.25f);
        EXPECT_LE(s.scale, 1.0f);
      }
    });
  EXPECT_EQ(seen, 200);
}

TEST_F(SaverSceneTest, ABurstingBubbleSpraysSmallerFragmentsAndFadesOnce) {
  MGE_SpritePtr b = Kit->Sprite->GetNewSpriteFromPack("1", 400, 99, 3, 1);
  ASSERT_TRUE(b);
  b->scale = 0.8f;
  b->var1 = 100;
  b->SetEngineHook(BubbleHook);
  vorpel::FrameDelta = 5;
  BubbleHook(b.get());
  int fragments = Kit->Sprite->GetSpriteCount(3) - 1;
  EXPECT_GE(fragments, 3);
  EXPECT_LE(fragments, 12);
  Kit->Sprite->GetSpriteList(3)->ForEach([&](MGE_Sprite& f) {
    if (&f == b.get()) return;
    EXPECT_GE(f.scale, 0.8f * 0.4f - 1e-5f);
    EXPECT_LE(f.scale, 0.8f * 0.6f + 1e-5f);
    EXPECT_EQ(f.customfuncflag, 0) << "fragments get no hook";
  });
  EXPECT_EQ(b->alphafading, 4);
  EXPECT_FLOAT_EQ(b->alphafadedir, -0.002f);
  EXPECT_EQ(b->customfuncflag, 0) << "the burst bubble never bursts again";
}

TEST_F(SaverSceneTest, TheSetAfterTenIsOneAndTheChangeHidesBehindAFade) {
  Scene.BubbleSet = 10;
  Scene.change_interval = 50;
  Steps(11);  // 55 ms: the fade-out starts
  EXPECT_EQ(Scene.change_pending, 1);
  EXPECT_TRUE(Kit->ScreenFader->IsFading());
  Steps(500);  // 2500 ms: the fade-out ends and the next set is chosen
  EXPECT_EQ(Scene.BubbleSet, 1);
  EXPECT_EQ(Scene.bubble_name, "1");
  EXPECT_EQ(Scene.change_pending, 0);
}

TEST_F(SaverSceneTest, SelectingASetRetexturesTheBubblesOnScreen) {
  MGE_SpritePtr b = Kit->Sprite->GetNewSpriteFromPack("1", 400, 300, 3, 1);
  b->blend = 4;
  SelectBubbleSet(7);
  MGE_PackDefinitionType seven;
  MGE_Pack::GetImageDef("7", seven);
  EXPECT_EQ(int(b->srcx), seven.srcx);
  EXPECT_EQ(int(b->srcy), seven.srcy);
  EXPECT_EQ(b->blend, 3);
  EXPECT_TRUE(Scene.front_layer);
  EXPECT_TRUE(Scene.back_layer);
}

TEST_F(SaverSceneTest, SideStreamsPourThreeBubblesPerStepForASecond) {
  Scene.side_countdown = 0;
  Steps(1);
  EXPECT_EQ(Scene.side_remaining, 995.0f);
  EXPECT_EQ(Bubbles(), 3);
  Steps(199);
  EXPECT_EQ(Scene.side_remaining, 0.0f);
  EXPECT_GT(Bubbles(), 400);  // 600 made; the quickest fade out within the second
  int before = Bubbles();
  Steps(1);
  EXPECT_LE(Bubbles(), before + 1) << "the stream has ended";
}

TEST_F(SaverSceneTest, OnlySidewaysMouseMovementAfterTheGraceEndsTheSaver) {
  Scene.mouse_grace_timer = 0;
  InjectMouseMove(0, 0);
  Scene.mouse_reference_x = MGE_MouseType::X();
  Steps(100);  // 500 ms of grace
  InjectMouseMove(30, 0);
  Steps(120);  // the grace ends at 1000 ms and takes the moved position as reference
  EXPECT_EQ(RunMode, kRunSaver);
  InjectMouseMove(30, 300);
  Steps(2);
  EXPECT_EQ(RunMode, kRunSaver);
  InjectMouseMove(56, 300);
  Steps(1);
  EXPECT_EQ(RunMode, kRunFinished);
}

// Three days of scene time would leave an unbounded phase near 7.8e6 degrees and the vertical
// scroll near -5.2e6, where a float rounds both steps away.
TEST_F(SaverSceneTest, SwayAndScrollKeepTheirStepsAfterDaysOfSceneTime) {
  Scene.sway_phase = 7.8e6f;
  Scene.background_x = 3.1e6f;
  Scene.background_y = -5.2e6f;
  Steps(1);
  float worst = 0;
  for (int i = 0; i < 1000; ++i) {
    const float phase = Scene.sway_phase, x = Scene.background_x, y = Scene.background_y;
    Steps(1);
    const float sway = std::cos(Scene.sway_phase * float(M_PI) / 180.0f) * 0.1f;
    worst = std::max({worst, std::fabs(std::remainder(Scene.sway_phase - phase, 360.0f) - 0.15f),
                      std::fabs(std::remainder(y - Scene.background_y, 512.0f) - 0.1f),
                      std::fabs(std::remainder(Scene.background_x - x, 512.0f) - sway)});
  }
  EXPECT_LT(worst, 2e-4f);
}

// Keeping the offsets small must not move either layer: the back one scrolls at half speed.
TEST_F(SaverSceneTest, BoundedScrollDrawsWhatTheUnboundedOneWould) {
  const int background_on = BackgroundOnValue;
  BackgroundOnValue = 1;
  // Three tiles' worth: dropping an odd number of tiles would shift the back layer half a tile.
  Scene.background_x = 790;
  Scene.background_y = -790;
  double x = Scene.background_x, y = Scene.background_y;
  for (int i = 0; i < 100; ++i) {
    Steps(1);
    x += std::cos(Scene.sway_phase * M_PI / 180) * 0.1 + 0.1;
    y -= 0.1;
    Scene.background_x += 0.1f;
  }
  SaverDrawFrame();
  PixmapPtr bounded = GrabPixmap(0, 0, 800, 500);
  Scene.background_x = float(x);
  Scene.background_y = float(y);
  SaverDrawFrame();
  PixmapPtr unbounded = GrabPixmap(0, 0, 800, 500);
  int worst = 0;
  for (std::size_t i = 0; i < bounded->pixels.size(); ++i)
    worst = std::max(worst, std::abs(bounded->pixels[i] - unbounded->pixels[i]));
  EXPECT_LE(worst, 2);
  BackgroundOnValue = background_on;
}

TEST(SaverGraphicsChoice, ThreeByTwoCountsAsStandard) {
  int w, h, stretch;
  bool wide;
  ChooseVirtualSize(1.5f, 800, 500, 800, 600, 1, w, h, stretch, wide);
  EXPECT_FALSE(wide);
  EXPECT_EQ(h, 600);
  ChooseVirtualSize(1920.0f / 1080.0f, 800, 500, 800, 600, 0, w, h, stretch, wide);
  EXPECT_TRUE(wide);
  EXPECT_EQ(h, 500);
  EXPECT_EQ(stretch, 1);
}
