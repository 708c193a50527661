// Emitters: the burst rhythm, launch delays, lifespans, how particles are placed, turned,
// coloured and launched, how they end, and where sprite particles are drawn.
#include <algorithm>
#include <climits>
#include <cmath>
#include <set>
#include <vector>

#include "kit/sprites/emitter_handler.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteDrawTest;
using spritetest::SpriteTest;

namespace {

// A still, unturned, white 16 x 16 particle of slot 1, three a burst every 10 units, fading
// over a thousand.
MGE_EmitterConfig StillConfig() {
  MGE_EmitterConfig c;
  c.img = 1;
  c.srcwidth = c.srcheight = 16;
  c.frames = 1;
  c.scale = c.xscale = c.yscale = 1;
  c.alphafadespeed = 0.001f;
  c.blend = 3;
  c.red = c.green = c.blue = 255;
  c.startrot = 9;  // no rotation
  c.style = 9;     // no launch
  c.spawns = 3;
  c.frequencyspeed = 10;
  return c;
}

template <class T>
std::vector<T*> Items(const vorpel::TList<T>& list) {
  std::vector<T*> out;
  list.ForEach([&](T& item) { out.push_back(&item); });
  return out;
}

class EmitterTest : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    emit.Init(2);
  }
  void Steps(int n) {
    for (int i = 0; i < n; ++i) emit.UpdateEmitters();
  }
  int Particles(int layer = 1) { return emit.GetEmitterSpriteCount(layer); }
  std::vector<MGE_EmitterSprite*> ParticleList(int layer = 1) {
    return Items(*emit.GetEmitterSpriteList(layer));
  }
  // One burst of a standalone emitter that makes no more by itself.
  std::vector<MGE_EmitterSprite*> OneBurst(const MGE_EmitterConfig& c) {
    MGE_EmitterPtr e = emit.GetNewEmitter(1, c);
    e->enabled = 0;
    e->Burst(nullptr);
    return ParticleList();
  }

  MGE_EmitterHandler emit;
};

}  // namespace

// --- Rhythm and lifetime ---------------------------------------------------------------------

using EmitterRhythm = EmitterTest;

TEST_F(EmitterRhythm, TheFirstBurstComesWhenTheCounterDropsBelowZeroThenEveryPeriod) {
  MGE_EmitterPtr e = emit.GetNewEmitter(1, StillConfig());
  ASSERT_TRUE(e);
  EXPECT_EQ(e->frequencycounter, 10.0f);
  EXPECT_EQ(e->enabled, 1);
  EXPECT_EQ(e->listid.lock(), emit.GetEmitterSpriteList(1));
  EXPECT_EQ(emit.GetEmitterCount(1), 1);
  Steps(10);
  EXPECT_EQ(Particles(), 0) << "the counter is at 0, not below it";
  Steps(1);
  EXPECT_EQ(Particles(), 3);
  Steps(10);
  EXPECT_EQ(Particles(), 3);
  Steps(1);
  EXPECT_EQ(Particles(), 6);
  EXPECT_EQ(Particles(2), 0);

  e->enabled = 0;
  Steps(30);
  EXPECT_EQ(Particles(), 6) << "a disabled emitter makes no bursts";
  EXPECT_FALSE(emit.GetNewEmitter(3, StillConfig())) << "no such layer";
}

TEST_F(EmitterRhythm, AnEmitterWhoseLifespanRunsOutIsKilledAndItsParticlesFadeOn) {
  MGE_EmitterConfig c = StillConfig();
  c.lifespan = 25;
  c.alphafadespeed = 0.02f;  // gone 50 steps after their burst
  MGE_EmitterPtr e = emit.GetNewEmitter(1, c);
  Steps(24);
  EXPECT_EQ(emit.GetEmitterCount(1), 1) << "1.0 left is not below 1";
  Steps(1);
  EXPECT_EQ(emit.GetEmitterCount(1), 0);
  EXPECT_EQ(Particles(), 6) << "bursts at steps 11 and 22";
  e->Update();
  Steps(100);
  EXPECT_EQ(Particles(), 0) << "no more bursts; the particles faded out";
}

TEST_F(EmitterRhythm, ParticlesOfABurstWaitTheirLaunchDelayBeforeMovingOrShowing) {
  MGE_EmitterConfig c = StillConfig();
  c.spawnlaunchdelay = 5;
  c.style = 0;
  c.velocityangle = 0;
  c.velocitymin = c.velocitymax = 1;
  std::vector<MGE_EmitterSprite*> p = OneBurst(c);
  ASSERT_EQ(p.size(), 3u);
  Steps(5);
  EXPECT_EQ(p[0]->x, 5.0f);
  EXPECT_EQ(p[1]->pausing, 0.0f) << "its wait ends in the fifth step";
  EXPECT_EQ(p[1]->x, 0.0f);
  EXPECT_EQ(p[1]->alpha, 1.0f);
  Steps(1);
  EXPECT_EQ(p[1]->x, 1.0f);
  EXPECT_EQ(p[2]->x, 0.0f);
  Steps(5);
  EXPECT_EQ(p[2]->x, 1.0f);
}

TEST_F(EmitterRhythm, AParticleEndsInTheFirstStepItsAlphaOrScaleIsBelowZero) {
  MGE_EmitterConfig c = StillConfig();
  c.alphafadespeed = 0.25f;
  OneBurst(c);
  Steps(4);
  EXPECT_EQ(Particles(), 3) << "alpha 0 is not below 0";
  Steps(1);
  EXPECT_EQ(Particles(), 0) << "all three leave in one walk";

  c.alphafadespeed = 0;
  c.scaledir = -0.5f;
  OneBurst(c);
  Steps(2);
  EXPECT_EQ(Particles(), 3);
  Steps(1);
  EXPECT_EQ(Particles(), 0);
}

TEST_F(EmitterRhythm, AParticleWrapsItsAngleAbove360AndBelow0) {
  MGE_EmitterConfig c = StillConfig();
  c.spawns = 1;
  MGE_EmitterSprite* p = OneBurst(c)[0];
  p->rotatingdir = 1;
  p->rot = 359.5f;
  Steps(1);
  EXPECT_EQ(p->rot, 0.0f);
  p->rot = 359.0f;
  Steps(1);
  EXPECT_EQ(p->rot, 360.0f) << "360 itself stays";
  p->rotatingdir = -1;
  p->rot = 0.5f;
  Steps(1);
  EXPECT_EQ(p->rot, 360.0f);
}

// --- One burst's particles ---------------------------------------------------------------------

using EmitterBurst = EmitterTest;

TEST_F(EmitterBurst, AColourOfMinusOneGivesEachParticleItsOwnFrom30To255) {
  MGE_EmitterConfig c = StillConfig();
  c.red = -1;
  c.blue = 77;
  c.spawns = 400;
  std::set<float> reds;
  for (MGE_EmitterSprite* p : OneBurst(c)) {
    ASSERT_GE(p->red, 30.0f);
    ASSERT_LE(p->red, 255.0f);
    ASSERT_EQ(p->red, std::floor(p->red));
    ASSERT_EQ(p->blue, 77.0f);
    reds.insert(p->red);
  }
  EXPECT_GT(reds.size(), 100u);
  EXPECT_LT(*reds.begin(), 45.0f);
  EXPECT_GT(*reds.rbegin(), 240.0f);
}

TEST_F(EmitterBurst, CellsAreChosenAmongTheFrames) {
  MGE_EmitterConfig c = StillConfig();
  c.srcx = 8;
  c.frames = 4;
  c.spawns = 200;
  std::set<float> cells;
  for (MGE_EmitterSprite* p : OneBurst(c)) cells.insert(p->srcx);
  EXPECT_EQ(cells, (std::set<float>{8, 24, 40, 56}));
  emit.Init(2);
  c.frames = 0;  // taken as one cell
  for (MGE_EmitterSprite* p : OneBurst(c)) ASSERT_EQ(p->srcx, 8.0f);
}

TEST_F(EmitterBurst, BurstsWithoutAnOwnerOrWithTooManyParticlesStaySound) {
  MGE_EmitterConfig c = StillConfig();
  c.velocitymin = 1;
  c.velocitymax = 3;
  c.style = 3;
  c.startrot = 3;
  for (MGE_EmitterSprite* p : OneBurst(c)) {  // the missing sprite's heading is taken as 0
    ASSERT_LE(p->xspeed, -1.0f);
    ASSERT_NEAR(p->yspeed, 0.0f, 1e-5f);
    ASSERT_EQ(p->rot, 0.0f);
  }
  emit.Init(2);
  c.spawns = INT_MAX;
  OneBurst(c);
  EXPECT_EQ(Particles(), kMaxBurstParticles);

  // A sprite emitter placed at its own point has no layer: its particles go with the sprite.
  MGE_SpritePtr s = Make(1, 1, 1, 200, 100);
  c = StillConfig();
  c.x = 7;
  handler.GetNewSpriteEmitter(s.get(), c)->Burst(s.get());
  ASSERT_EQ(s->emitterSpriteList.Count(), 3u);
  EXPECT_EQ(s->emitterSpriteList.First()->value->x, 7.0f);
}

// --- Sprite emitters ---------------------------------------------------------------------------

using SpriteEmitter = EmitterTest;

TEST_F(SpriteEmitter, ANewSpriteEmitterTakesTheSpritesScaleAndPutsParticlesOnTop) {
  MGE_SpritePtr s = Make(1, 2);
  s->scale = 2;
  MGE_EmitterConfig c = StillConfig();
  c.scale = 1.5f;
  c.onsprite = 1;
  EXPECT_FALSE(handler.GetNewSpriteEmitter(nullptr, c));
  MGE_EmitterPtr e = handler.GetNewSpriteEmitter(s.get(), c);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->scale, 3.0f);
  EXPECT_EQ(e->onsprite, 1);
  EXPECT_EQ(e->sprite.lock(), s);
  EXPECT_EQ(s->emitterontop, 1);
  handler.GetNewSpriteEmitter(Make(2, 2).get(), c);
  EXPECT_EQ(handler.GetSpriteEmitterCount(2), 2);
  EXPECT_EQ(handler.GetSpriteEmitterCount(1), 0);

  Steps(11);  // the emitter handler does not run sprite emitters
  EXPECT_EQ(handler.GetSpriteEmitterSpriteCount(2), 0);
  SpriteTest::Steps(11);
  EXPECT_EQ(handler.GetSpriteEmitterSpriteCount(2), 6);
  EXPECT_EQ(s->emitterSpriteList.Count(), 3u);
  EXPECT_EQ(Particles(), 0);
  s->kill();
  EXPECT_EQ(handler.GetSpriteEmitterSpriteCount(2), 3) << "a killed sprite's lists go with it";
}

TEST_F(SpriteEmitter, ParticlesArePlacedScaledAndLaunchedRelativeToTheSprite) {
  MGE_SpritePtr s = Make(1, 1, 1, 200, 100);
  s->scale = 2;
  MGE_EmitterConfig c = StillConfig();
  c.spawns = 1;
  c.x = 10;
  c.y = 4;
  c.scaledir = 0.25f;
  c.ygravity = 0.5f;
  c.style = 0;
  c.velocityangle = 0;
  c.velocitymin = c.velocitymax = 3;
  c.onsprite = 1;
  MGE_EmitterPtr e = handler.GetNewSpriteEmitter(s.get(), c);
  auto burst = [&](float rot) {
    s->emitterSpriteList.Clear();
    s->rot = rot;
    e->Burst(s.get());
    return Items(s->emitterSpriteList).at(0);
  };
  MGE_EmitterSprite* p = burst(0);
  EXPECT_FLOAT_EQ(p->x, 220.0f);
  EXPECT_FLOAT_EQ(p->y, 108.0f);
  EXPECT_FLOAT_EQ(p->scale, 4.0f) << "the emitter's scale (already times 2) times the sprite's";
  EXPECT_FLOAT_EQ(p->scalingdir, 0.5f);
  EXPECT_FLOAT_EQ(p->xspeed, 6.0f);
  EXPECT_FLOAT_EQ(p->ythrust, 1.0f);

  e->onsprite = 2;
  p = burst(0);
  EXPECT_NEAR(p->x, 192.0f, 1e-4f) << "at rotation 0 the offset (x, y) lands at (-y, -x)";
  EXPECT_NEAR(p->y, 80.0f, 1e-4f);
  p = burst(90);
  EXPECT_NEAR(p->x, 220.0f, 1e-4f) << "turned by 90 degrees with the sprite";
  EXPECT_NEAR(p->y, 92.0f, 1e-4f);

  e->style = 3;
  e->startrot = 3;
  p = burst(90);
  EXPECT_NEAR(p->xspeed, 0.0f, 1e-4f);
  EXPECT_FLOAT_EQ(p->yspeed, -6.0f) << "against the sprite's heading";
  EXPECT_EQ(p->rot, 90.0f);
  EXPECT_EQ(p->rotatingdir, 0.0f);
}

TEST_F(SpriteEmitter, ParticlesOutliveTheirEmitterAndRestWhileTheSpriteIsPaused) {
  MGE_SpritePtr s = Make(1);
  MGE_EmitterConfig c = StillConfig();
  c.onsprite = 1;
  c.lifespan = 12;
  c.alphafadespeed = 0.05f;
  handler.GetNewSpriteEmitter(s.get(), c);
  SpriteTest::Steps(12);
  EXPECT_TRUE(s->emitterlist.Empty());
  ASSERT_EQ(s->emitterSpriteList.Count(), 3u);
  MGE_EmitterSprite* p = Items(s->emitterSpriteList)[0];
  float alpha = p->alpha;
  handler.AutoSpriteEnginePause(s.get(), 10);
  SpriteTest::Steps(5);
  EXPECT_EQ(p->alpha, alpha);
  SpriteTest::Steps(30);
  EXPECT_TRUE(s->emitterSpriteList.Empty());
}

// --- Drawing -----------------------------------------------------------------------------------

namespace {

class EmitterDraw : public SpriteDrawTest {
 protected:
  void SetUp() override {
    SpriteDrawTest::SetUp();
    emit.Init(1);
  }
  MGE_EmitterHandler emit;
};

// A particle showing the green quarter of the test picture.
MGE_EmitterConfig GreenConfig() {
  MGE_EmitterConfig c = StillConfig();
  c.srcx = 16;
  c.spawns = 1;
  return c;
}

}  // namespace

TEST_F(EmitterDraw, SpriteParticlesAreDrawnOverTheBodyOrUnderIt) {
  MGE_SpritePtr s = Quarter(0, 40, 30);
  MGE_EmitterConfig c = GreenConfig();
  c.onsprite = 1;
  handler.GetNewSpriteEmitter(s.get(), c)->Burst(s.get());
  handler.SetSpriteRenderOffset(10, 5);
  handler.RenderSprites();
  EXPECT_EQ(Pixel(50, 35), 0x00FF00u) << "over the body, moved with it";

  Clear(0, 0, 0);
  handler.SetSpriteEmitterOnBottom(s.get());
  handler.RenderSprites();
  EXPECT_EQ(Pixel(50, 35), 0xFF0000u);

  Clear(0, 0, 0);
  s->enabled = 0;
  handler.RenderSprites();
  EXPECT_EQ(Pixel(50, 35), 0x00FF00u) << "a paused sprite still shows its particles";
}

TEST_F(EmitterDraw, StandaloneParticlesAreDrawnAtTheScreenOffsetOnceLaunched) {
  MGE_EmitterConfig c = GreenConfig();
  c.x = 40;
  c.y = 30;
  c.spawns = 2;
  c.spawnlaunchdelay = 50;
  MGE_EmitterPtr e = emit.GetNewEmitter(1, c);
  e->Burst(nullptr);
  MGE_GameSystem::SetScreenRenderOffset(20, 0);
  emit.RenderEmitters();
  EXPECT_EQ(CurrentFrameStats().quads, 1) << "the waiting particle is not drawn";
  EXPECT_EQ(Pixel(60, 30), 0x00FF00u);
  EXPECT_EQ(Pixel(40, 30), 0x000000u);
  EXPECT_EQ(GetBlend(), ALPHABLEND);
}
