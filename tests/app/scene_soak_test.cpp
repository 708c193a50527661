// The real bubble scene, headless, at its busiest settings (a bubble on every logic step, a set
// change every second between fades) for a long stretch of scene time. Live sprites stay within
// what the scene's rates and the bubbles' lifetimes allow, every sprite in the layers is on its
// way out, textures do not pile up across set changes, and resident memory levels off.
// A normal test run covers twelve seconds of scene time (two set changes); tests/soak.sh sets
// VORPEL_SOAK_MINUTES for a long run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "app/app_state.hpp"
#include "app/fixed_rate_pass.hpp"
#include "app/headless_scene.hpp"
#include "app/saver.hpp"
#include "app/shared_ops.hpp"
#include "app/smooth_frame_rate.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/clock.hpp"
#include "platform/graphics.hpp"
#include "platform/random.hpp"

namespace {

constexpr double kStepMs = 5;  // one logic step at 200 steps per second
constexpr int kStepsPerMinute = int(60000 / kStepMs);
constexpr float kVh = 500;  // the headless scene's virtual height (800 x 500)
constexpr int kDrawEvery = int(1000 / kStepMs);

double RunSeconds() {
  const char* minutes = std::getenv("VORPEL_SOAK_MINUTES");
  return minutes ? std::max(0.1, std::atof(minutes)) * 60 : 12;
}

// The most sprites that can be alive at once, from what the scene creates per step and how long
// each kind can live (times in ms of scene time):
// - ordinary bubbles and specks, one per step: they start at most 200 units below the screen and
//   leave through the top bound 200 units above it, rising at least 0.025 units per ms, so they
//   live at most (vh + 400) / 0.025 = 36,000 ms (specks burst into a fade much sooner);
// - burst fragments, at most 12 per ordinary bubble, each bubble bursting at most once, fading at
//   0.0005 per ms or faster: 2,000 ms;
// - side streams, 3 bubbles per step for 1,000 ms, a stream starting at least 4,000 ms after the
//   previous one (the countdown of 3,000 ms or more runs only between streams), fading at
//   0.00005 per ms or faster: 20,000 ms;
// - corner streams, 1 bubble per step for 3,000 ms, at least 6,000 ms apart, fading at 0.0001
//   per ms or faster: 10,000 ms.
constexpr double kLongestLife = (kVh + 400) / 0.025;

// Streams of `length` ms starting at least `spacing` ms apart whose bubbles may still be alive
// after `life` ms.
int StreamsAlive(double life, double length, double spacing) {
  return int((life + length) / spacing) + 1;
}

int LiveSpriteBound() {
  const double ordinary = kLongestLife / kStepMs + 1;
  const double fragments = 12 * (1 / 0.0005) / kStepMs;
  const double side = StreamsAlive(1 / 0.00005, 1000, 4000) * 3 * 1000 / kStepMs;
  const double corner = StreamsAlive(1 / 0.0001, 3000, 6000) * 3000 / kStepMs;
  return int(ordinary + fragments + side + corner);  // 7,201 + 4,800 + 3,600 + 1,800
}

// How much longer a sprite can stay: a fading one until its alpha is gone, a rising one (its
// upward speed can only grow) until it passes the top bound. Infinite for anything else: such
// a sprite would stay in the layers for ever.
double RemainingLife(const MGE_Sprite& s) {
  double life = INFINITY;
  if (s.alphafading == 4 && s.alphafadedir < 0) life = s.alpha / -s.alphafadedir;
  if (s.engine_type != 0 && s.yspeed < 0 && s.ythrust <= 0)
    life = std::min(life, double(s.y - s.boundry_top) / -s.yspeed);
  return life;
}

// A step tests the movement bounds before the scene's hook sways the bubble sideways, by at most
// this much; a bubble may stand that far beyond a side until its next step.
constexpr float kSway = 0.2f;

// Every sprite in the layers can still be drawn and updated, is inside its movement bounds and
// leaves within the longest lifetime. Returns the number of sprites seen.
int CheckLayers() {
  int seen = 0;
  for (int layer = 1; layer <= 3; ++layer) {
    Kit->Sprite->GetSpriteList(layer)->ForEach([&](MGE_Sprite& s) {
      ++seen;
      EXPECT_EQ(s.killed, 0);
      EXPECT_EQ(s.readytodie, 0);
      EXPECT_TRUE(s.img == 1 && s.width > 0 && s.height > 0 && s.alpha > 0) << "not drawable";
      EXPECT_TRUE(s.x >= s.boundry_left - kSway && s.x <= s.boundry_right + kSway &&
                  s.y >= s.boundry_top && s.y <= s.boundry_bottom)
          << "outside its bounds at " << s.x << ", " << s.y;
      EXPECT_LE(RemainingLife(s), kLongestLife) << "layer " << layer << " sprite stays";
    });
  }
  return seen;
}

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// What the allocator may keep on top of a levelled-off heap: freed blocks it has not returned,
// and under AddressSanitizer its quarantine of freed memory (256 MiB).
long AllowanceKb(long base_kb) {
  long allowance = std::max(32L * 1024, base_kb / 10);
#if defined(__SANITIZE_ADDRESS__)
  allowance += 256L * 1024;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  allowance += 256L * 1024;
#endif
#endif
  return allowance;
}

class SceneSoak : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRnd(20261207);
    ASSERT_TRUE(HeadlessSceneOpen(800, 500, 299, 299, 1));
  }
  void TearDown() override { HeadlessSceneClose(); }
};

}  // namespace

TEST_F(SceneSoak, SpritesTexturesAndMemoryStayBoundedAtTheBusiestSettings) {
  const long steps = std::lround(RunSeconds() * 1000 / kStepMs);
  const int bound = LiveSpriteBound();
  int peak = 0, changes = 0, textures = -1, last_set = Scene.BubbleSet;
  std::weak_ptr<TImage> old_front = Scene.front_layer, old_back = Scene.back_layer;
  std::vector<long> resident;
  for (long step = 1; step <= steps && !HasFailure(); ++step) {
    HeadlessSceneStep(float(kStepMs));
    peak = std::max(peak, HeadlessSceneSprites());
    ASSERT_LE(HeadlessSceneSprites(), bound) << "after " << step * kStepMs << " ms";
    const bool changed = Scene.BubbleSet != last_set;
    if (changed || step % kDrawEvery == 0) HeadlessSceneDraw();
    if (changed) {
      ++changes;
      last_set = Scene.BubbleSet;
      EXPECT_TRUE(old_front.expired() && old_back.expired()) << "previous set's pictures kept";
      old_front = Scene.front_layer;
      old_back = Scene.back_layer;
      if (textures < 0) textures = LiveTextureCount();
      EXPECT_EQ(LiveTextureCount(), textures) << "after set change " << changes;
    }
    if (step % kDrawEvery == 0) {
      EXPECT_EQ(CheckLayers(), HeadlessSceneSprites());
    }
    if (step % kStepsPerMinute == 0 || step == steps) {
      resident.push_back(ResidentKb());
      std::printf("minute %.1f: %d sprites (peak %d, bound %d), %d set changes, %d textures, "
                  "%ld KiB resident\n",
                  double(step) * kStepMs / 60000, HeadlessSceneSprites(), peak, bound, changes,
                  LiveTextureCount(), resident.back());
      std::fflush(stdout);  // a report line as it happens, even into a pipe
    }
  }
  EXPECT_GE(changes, 2);
  // Sprites peak within the longest lifetime; give the heap a further minute to settle.
  const std::size_t warm = std::size_t(std::ceil(kLongestLife / 60000)) + 1;
  for (std::size_t i = warm + 1; i < resident.size(); ++i)
    EXPECT_LE(resident[i], resident[warm] + AllowanceKb(resident[warm])) << "minute " << i + 1;
}

namespace {

double LogicSoakHours() {
  const char* hours = std::getenv("VORPEL_SOAK_LOGIC_HOURS");
  return hours ? std::max(0.01, std::atof(hours)) : 2.0 / 60;
}

// What one logic step did that a viewer would notice if it went wrong over a long run.
struct StepRecord {
  double scene_ms = 0;   // scene time run
  float worst_step = 0;  // largest error in a sway or scroll step
};
StepRecord g_steps;

void CheckedLogic() {
  const float phase = Scene.sway_phase, y = Scene.background_y;
  SaverLogic();
  g_steps.scene_ms += vorpel::FrameDelta;
  const float sway = std::remainder(Scene.sway_phase - phase, 360.0f) - 0.03f * vorpel::FrameDelta;
  const float scroll = std::remainder(y - Scene.background_y, 512.0f) - 0.1f;
  g_steps.worst_step = std::max({g_steps.worst_step, std::fabs(sway), std::fabs(scroll)});
}

}  // namespace

// The scene's logic at the default settings through the real frame pacing (the fixed-rate pass
// and the frame limiter), without drawing, under a scripted clock that starts half a minute
// before the 32-bit clock turns negative. Scene time keeps pace with the clock, every step sways
// and scrolls by its own amount, the limiter keeps frames coming and sprites stay bounded.
// tests/soak.sh --logic HOURS runs it for days of scene time.
TEST(LogicSoak, SceneTimeStepsAndPacingHoldForAnyRunLength) {
  SeedRnd(20261208);
  ASSERT_TRUE(HeadlessSceneOpen(800, 500, 233, 200, 1));
  ScriptedClock clock(INT_MAX - 30000);
  AppLogic = std::make_unique<TFixedRateLogic>();
  AppLogic->Create();
  ResetTiming();
  g_steps = {};
  const double total_ms = LogicSoakHours() * 3600000;
  const double report_ms = total_ms >= 3600000 ? 3600000 : 60000;
  double clock_ms = 0, next_report = report_ms, window_clock = 0, window_scene = 0;
  const int bound = LiveSpriteBound();
  std::vector<long> resident;
  for (long frame = 0; clock_ms < total_ms && !::testing::Test::HasFailure(); ++frame) {
    const int start = clock.Now();
    RunFixedRateSteps(CheckedLogic);
    clock.Advance(9 + int(frame % 4));  // drawing and the flip: 9 to 12 ms
    TSmoothFrameRate::Update();
    clock_ms += ClockDiff(clock.Now(), start);
    ASSERT_LE(HeadlessSceneSprites(), bound);
    if (clock_ms < 5000) continue;  // the limiter's first measurement
    ASSERT_EQ(TSmoothFrameRate::TargetFPS, TSmoothFrameRate::CeilingFPS) << "after " << clock_ms << " ms";
    if (clock_ms < next_report && clock_ms < total_ms) continue;
    next_report += report_ms;
    resident.push_back(ResidentKb());
    // The smoothing of frame times biases the pace by a few per cent; it must not drift.
    const double pace = (g_steps.scene_ms - window_scene) / (clock_ms - window_clock);
    window_scene = g_steps.scene_ms;
    window_clock = clock_ms;
    std::printf("%.2f h: scene time per clock ms %.4f, worst step error %.2g, target %d fps, "
                "%d sprites, %ld KiB resident\n",
                clock_ms / 3600000, pace, double(g_steps.worst_step), TSmoothFrameRate::TargetFPS,
                HeadlessSceneSprites(), resident.back());
    std::fflush(stdout);
    EXPECT_NEAR(pace, 1, 0.05);
    EXPECT_LT(g_steps.worst_step, 2e-4f);
  }
  for (std::size_t i = 2; i < resident.size(); ++i)
    EXPECT_LE(resident[i], resident[1] + AllowanceKb(resident[1])) << "report " << i + 1;
  AppLogic.reset();
  HeadlessSceneClose();
}
