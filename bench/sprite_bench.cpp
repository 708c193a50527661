// The sprite engine under the saver's bubble load: three layers of stream bubbles from the
// program's atlas (wave engine, x/y wobble, a very slow fade-off, a sway function), timed for
// UpdateSprites against a minimal loop doing the same arithmetic on a compact array, for
// RenderSprites in an 800 x 500 view, and for memory per live sprite.
//   sprite_bench [--frames N] [--work M]   (M: millions of sprite-steps timed per count)
#include <SDL.h>
#include <epoxy/gl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "assets/assets.hpp"
#include "kit/game_system.hpp"
#include "kit/pack.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_steps.hpp"
#include "platform/graphics.hpp"
#include "platform/random.hpp"
#include "platform/renderer.hpp"

namespace {

constexpr int kScreenW = 1280, kScreenH = 800;
constexpr float kGameW = 800, kGameH = 500;
constexpr float kLeft = -200, kTop = -200, kRight = kGameW + 200, kBottom = kGameH + 200;
constexpr float kDelta = 5.0f;  // one 200 Hz logic step in milliseconds

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::size_t AllocatedBytes() { return mallinfo2().uordblks; }

// Resident memory, for allocators that do not report to mallinfo2 (sanitizer builds).
std::size_t ResidentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return std::size_t(resident) * std::size_t(sysconf(_SC_PAGESIZE));
}

// The scene's sway: every hooked bubble moves with one phase.
float swayPhase = 0.0f;

int BubbleSway(MGE_Sprite* s) {
  s->x += vorpel::detail::Cosd(swayPhase) * 0.2f;
  return 0;
}

void AdvanceSway() { swayPhase += 0.03f * kDelta; }

// A stream bubble as the saver makes one, placed anywhere on screen.
void MakeBubble(MGE_SpriteHandler& handler, int layer) {
  std::string name = std::to_string(Rand(1, 10));
  MGE_SpritePtr b = handler.GetNewSpriteFromPack(name, float(Rnd(0, kGameW)),
                                                 float(Rnd(0, kGameH)), layer, 1);
  MGE_Sprite* s = b.get();
  handler.AutoSpriteMoveRadius(s, 0, float(Rnd(-0.025, -0.07)), 0, -0.00001f, float(Rnd(0, 359)),
                               float(Rnd(0.1, 0.3)), 0.025f, 0, 0, 0, kLeft, kTop, kRight,
                               kBottom, 0);
  s->scale = float(Rnd(0.1, 0.4));
  float base = s->scale;
  handler.AutoSpriteXScale(s, base, base + 0.13f, float(Rnd(0.00005, 0.0003)), 1);
  handler.AutoSpriteYScale(s, base, base + 0.13f, float(Rnd(0.00005, 0.0003)), 1);
  handler.AutoSpriteAlphaFadeOff(s, 1e-7f);
  s->SetEngineHook(BubbleSway);
  s->var3 = s->x;  // the start, for timing rounds that begin alike
  s->var4 = s->y;
  s->var5 = s->yspeed;
}

// The reference: the same per-step arithmetic on a compact record.
struct RefBubble {
  float x, y, xspeed, yspeed, xthrust, ythrust;
  float cosangle, cosspeed, cosradius, sinangle, sinspeed, sinradius;
  float alpha, alphamin, alphamax, alphadir;
  float xscale, xmin, xmax, xdir;
  float yscale, ymin, ymax, ydir;
  int dead;
};

std::vector<RefBubble> MakeReference(int count) {
  std::vector<RefBubble> bubbles(static_cast<std::size_t>(count));
  for (RefBubble& b : bubbles) {
    float scale = float(Rnd(0.1, 0.4));
    b = {float(Rnd(0, kGameW)), float(Rnd(0, kGameH)), 0, float(Rnd(-0.025, -0.07)), 0,
         -0.00001f, float(Rnd(0, 359)), float(Rnd(0.1, 0.3)), 0.025f, 0, 0, 0,
         1, 0, 1, -1e-7f,
         scale, scale, scale + 0.13f, float(Rnd(0.00005, 0.0003)),
         scale, scale, scale + 0.13f, float(Rnd(0.00005, 0.0003)), 0};
  }
  return bubbles;
}

void Bounce(float& v, float lo, float hi, float& dir, float d) {
  v += dir * d;
  if (v > hi) {
    v = hi;
    dir = -dir;
  } else if (v < lo) {
    v = lo;
    dir = -dir;
  }
}

void ReferenceStep(std::vector<RefBubble>& bubbles) {
  const float d = kDelta;
  for (RefBubble& b : bubbles) {
    if (b.dead) continue;
    b.alpha += b.alphadir * d;
    if (b.alpha > b.alphamax || b.alpha < b.alphamin) b.dead = 1;
    Bounce(b.xscale, b.xmin, b.xmax, b.xdir, d);
    Bounce(b.yscale, b.ymin, b.ymax, b.ydir, d);
    b.cosangle += b.cosspeed * d;
    b.sinangle += b.sinspeed * d;
    b.x += vorpel::detail::Cosd(b.cosangle) * b.cosradius * d;
    b.y += vorpel::detail::Sind(b.sinangle) * b.sinradius * d;
    b.x += b.xspeed * d;
    b.y += b.yspeed * d;
    b.xspeed += b.xthrust * d;
    b.yspeed += b.ythrust * d;
    if (b.x < kLeft || b.x > kRight || b.y < kTop || b.y > kBottom) b.dead = 1;
    if (!b.dead) b.x += vorpel::detail::Cosd(swayPhase) * 0.2f;
  }
}

struct Result {
  int sprites = 0;
  double updateNs = 0, referenceNs = 0;
  double renderCpuMs = 0, renderTotalMs = 0;
  int drawCalls = 0;
  double bytesPerSprite = 0;
  int alive = 0;
};

// ns per sprite-step of `step`: the best of a few rounds (the machine is shared), each started
// from the same positions and shorter than the slowest bubble needs to rise out of its bounds.
template <class Step, class Reset>
double TimeSteps(int count, double work, Step step, Reset reset) {
  constexpr int kRounds = 7;
  int steps = std::clamp(int(work / count / kRounds), 10, 400);
  double best = 1e30;
  for (int round = 0; round < kRounds; ++round) {
    reset();
    step();
    Clock::time_point start = Clock::now();
    for (int i = 0; i < steps; ++i) step();
    best = std::min(best, Ms(Clock::now() - start) * 1e6 / (double(steps) * count));
  }
  return best;
}

void TimeRender(MGE_SpriteHandler& handler, int frames, Result& r) {
  auto frame = [&](double* cpu, double* total) {
    Cls();
    Clock::time_point t0 = Clock::now();
    handler.RenderSprites();
    vorpel::detail::RendererFlush();
    Clock::time_point t1 = Clock::now();
    glFinish();
    Clock::time_point t2 = Clock::now();
    Flip(0);
    if (cpu) *cpu += Ms(t1 - t0);
    if (total) *total += Ms(t2 - t0);
  };
  frame(nullptr, nullptr);
  for (int i = 0; i < frames; ++i) frame(&r.renderCpuMs, &r.renderTotalMs);
  r.renderCpuMs /= frames;
  r.renderTotalMs /= frames;
  r.drawCalls = LastFrameStats().draw_calls;
}

Result Measure(MGE_SpriteHandler& handler, int count, int frames, double work) {
  Result r;
  r.sprites = count;
  handler.RemoveAllSprites(0);
  SeedRnd(count);
  std::size_t before = AllocatedBytes(), residentBefore = ResidentBytes();
  for (int i = 0; i < count; ++i) MakeBubble(handler, 1 + i % 3);
  std::size_t grown = AllocatedBytes() - before;
  if (grown == 0) grown = ResidentBytes() - residentBefore;
  r.bytesPerSprite = double(grown) / count;

  vorpel::FrameDelta = kDelta;
  auto restart = [&] {
    for (int layer = 1; layer <= 3; ++layer)
      handler.GetSpriteList(layer)->ForEach([](MGE_Sprite& b) {
        b.SetXY(b.var3, b.var4);
        b.yspeed = b.var5;
      });
  };
  r.updateNs = TimeSteps(count, work, [&] {
    handler.UpdateSprites();
    AdvanceSway();
  }, restart);
  r.alive = handler.GetSpriteCountAll();

  const std::vector<RefBubble> start = MakeReference(count);
  std::vector<RefBubble> reference;
  reference.reserve(start.size());
  r.referenceNs = TimeSteps(count, work, [&] {
    ReferenceStep(reference);
    AdvanceSway();
  }, [&] { reference = start; });
  TimeRender(handler, frames, r);
  return r;
}

void Print(const std::vector<Result>& results) {
  std::printf("sizeof(MGE_Sprite) = %zu bytes, list node = %zu bytes\n", sizeof(MGE_Sprite),
              sizeof(MGE_SpriteList::Node));
  std::printf("%8s %8s %10s %10s %7s %11s %13s %6s %10s\n", "sprites", "alive", "update_ns",
              "ref_ns", "ratio", "render_cpu", "render_total", "draws", "bytes/spr");
  for (const Result& r : results)
    std::printf("%8d %8d %10.1f %10.1f %7.2f %9.2fms %11.2fms %6d %10.0f\n", r.sprites, r.alive,
                r.updateNs, r.referenceNs, r.updateNs / r.referenceNs, r.renderCpuMs,
                r.renderTotalMs, r.drawCalls, r.bytesPerSprite);
  std::string json = "{\"sprite_bytes\":" + std::to_string(sizeof(MGE_Sprite)) + ",\"results\":[";
  for (std::size_t i = 0; i < results.size(); ++i) {
    const Result& r = results[i];
    char buf[400];
    std::snprintf(buf, sizeof buf,
                  "%s{\"sprites\":%d,\"alive\":%d,\"update_ns_per_sprite_step\":%.2f,"
                  "\"reference_ns_per_sprite_step\":%.2f,\"update_ratio\":%.3f,"
                  "\"render_cpu_ms\":%.3f,\"render_total_ms\":%.3f,\"draw_calls\":%d,"
                  "\"bytes_per_sprite\":%.1f}",
                  i ? "," : "", r.sprites, r.alive, r.updateNs, r.referenceNs,
                  r.updateNs / r.referenceNs, r.renderCpuMs, r.renderTotalMs, r.drawCalls,
                  r.bytesPerSprite);
    json += buf;
  }
  std::printf("%s]}\n", json.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  int frames = 5;
  double work = 10e6;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--frames") == 0) frames = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--work") == 0) work = std::max(0.01, std::atof(argv[i + 1])) * 1e6;
  }
  if (!std::getenv("SDL_VIDEODRIVER")) setenv("SDL_VIDEODRIVER", "offscreen", 1);
  RegisterEmbeddedResources();
  if (!GraphicsOpen(kScreenW, kScreenH, 0, 60, 0)) {
    std::fprintf(stderr, "cannot open graphics\n");
    return 1;
  }
  SetProjectionSize(kGameW, kGameH);
  KitState().gameWidth = kGameW;
  KitState().gameHeight = kGameH;
  MGE_TextureHandler::Init(1);
  if (!MGE_TextureHandler::Load(1, "incbin::image1.png", 6) ||
      !MGE_Pack::Read("incbin::image1.pac", 1)) {
    std::fprintf(stderr, "cannot load the atlas\n");
    return 1;
  }
  MGE_SpriteHandler handler;
  MGE_SpriteHandler::Init(3);

  std::vector<Result> results;
  for (int count : {1000, 10000, 50000}) results.push_back(Measure(handler, count, frames, work));
  Print(results);
  handler.RemoveAllSprites(0);
  GraphicsClose();
  return 0;
}
