// The real bubble scene, headless, as the saver's loop would run it at 60 frames per second:
// per frame the logic steps the fixed-rate pass gives (3 or 4 steps of 5 ms of scene time), then
// one drawn frame without the vertical-blank wait. Logic and drawing are timed separately.
//   scene_bench [--seconds S] [--how-often V] [--width W] [--height H] [--background 0|1]
#include <epoxy/gl.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "app/app_state.hpp"
#include "app/headless_scene.hpp"
#include "kit/game_system.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/graphics.hpp"
#include "platform/random.hpp"

namespace {

// The screen area the live sprites' quads cover, in back-buffer pixels: how much the bubbles
// ask of the rasteriser, overlaps counted and the parts off the screen not.
double SpritePixels(int width, int height) {
  float vw = 1, vh = 1;
  GetProjectionSize(vw, vh);
  const double per_unit = (double(width) / vw) * (double(height) / vh);
  double area = 0;
  for (int layer = 1;; ++layer) {
    MGE_SpriteListPtr list = Kit->Sprite->GetSpriteList(layer);
    if (!list) break;
    list->ForEach([&](MGE_Sprite& s) {
      const double w = std::abs(double(s.width) * s.xscale * s.scale);
      const double h = std::abs(double(s.height) * s.yscale * s.scale);
      const double x0 = std::max(0.0, s.x - w / 2), x1 = std::min(double(vw), s.x + w / 2);
      const double y0 = std::max(0.0, s.y - h / 2), y1 = std::min(double(vh), s.y + h / 2);
      if (x1 > x0 && y1 > y0) area += (x1 - x0) * (y1 - y0);
    });
  }
  return area * per_unit;
}

struct Options {
  double seconds = 30;
  int how_often = 233;
  int width = 1280, height = 800;
  int background = 1;
};

Options Parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string key = argv[i];
    double value = std::atof(argv[i + 1]);
    if (key == "--seconds") o.seconds = std::max(0.1, value);
    else if (key == "--how-often") o.how_often = std::clamp(int(value), 0, 299);
    else if (key == "--width") o.width = std::clamp(int(value), 64, 8192);
    else if (key == "--height") o.height = std::clamp(int(value), 64, 8192);
    else if (key == "--background") o.background = value != 0 ? 1 : 0;
  }
  return o;
}

double NowMs() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

double CpuMs() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double Mean(const std::vector<double>& v) {
  double sum = 0;
  for (double x : v) sum += x;
  return v.empty() ? 0 : sum / double(v.size());
}

double Percentile99(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, std::size_t(double(v.size()) * 0.99))];
}

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  Options o = Parse(argc, argv);
  SeedRnd(20261207);
  if (!HeadlessSceneOpen(o.width, o.height, o.how_often, 200, o.background)) {
    std::fprintf(stderr, "cannot open the scene\n");
    return 1;
  }
  const double steps_per_frame = 1000.0 / 60.0 / 5.0;
  int frames = int(o.seconds * 60.0);
  std::vector<double> step_ms, frame_ms, frame_logic_ms;
  std::vector<int> sprites;
  double cpu_total = 0, due = 0;
  long draw_calls = 0, state_changes = 0, quads = 0;
  double sprite_pixels = 0;
  for (int f = 0; f < frames; ++f) {
    double cpu0 = CpuMs();
    due += steps_per_frame;
    int steps = int(due);
    due -= steps;
    double logic_start = NowMs();
    for (int i = 0; i < steps; ++i) {
      double t0 = NowMs();
      HeadlessSceneStep(5.0f);
      step_ms.push_back(NowMs() - t0);
    }
    frame_logic_ms.push_back(NowMs() - logic_start);
    double d0 = NowMs();
    HeadlessSceneDraw();
    glFinish();
    frame_ms.push_back(NowMs() - d0);
    cpu_total += CpuMs() - cpu0;
    RenderStats stats = LastFrameStats();
    draw_calls += stats.draw_calls;
    state_changes += stats.state_changes;
    quads += stats.quads;
    sprites.push_back(HeadlessSceneSprites());
    sprite_pixels += SpritePixels(o.width, o.height);
  }
  HeadlessSceneClose();

  double sprite_mean = 0;
  for (int s : sprites) sprite_mean += s;
  sprite_mean /= double(std::max<std::size_t>(sprites.size(), 1));
  int sprite_peak = sprites.empty() ? 0 : *std::max_element(sprites.begin(), sprites.end());
  double n = std::max(frames, 1);
  std::printf("scene %dx%d, how often %d, %.0f simulated seconds\n", o.width, o.height,
              o.how_often, o.seconds);
  std::printf("  frames                 %d\n", frames);
  std::printf("  logic steps            %zu\n", step_ms.size());
  std::printf("  ms per logic step      mean %.3f  p99 %.3f\n", Mean(step_ms), Percentile99(step_ms));
  std::printf("  ms logic per frame     mean %.3f  p99 %.3f\n", Mean(frame_logic_ms),
              Percentile99(frame_logic_ms));
  std::printf("  ms draw per frame      mean %.3f  p99 %.3f\n", Mean(frame_ms), Percentile99(frame_ms));
  std::printf("  CPU ms per frame       %.3f\n", cpu_total / n);
  std::printf("  live sprites           mean %.0f  peak %d\n", sprite_mean, sprite_peak);
  std::printf("  draw calls per frame   %.2f\n", double(draw_calls) / n);
  std::printf("  state changes / frame  %.2f\n", double(state_changes) / n);
  std::printf("  quads per frame        %.1f\n", double(quads) / n);
  const double screens = sprite_pixels / n / (double(o.width) * o.height);
  std::printf("  sprite area per frame  %.2f screens\n", screens);
  std::printf("  peak resident memory   %.1f MiB\n", double(PeakRssKb()) / 1024.0);
  std::printf(
      "{\"width\":%d,\"height\":%d,\"how_often\":%d,\"frames\":%d,\"logic_steps\":%zu,"
      "\"step_ms_mean\":%.4f,\"step_ms_p99\":%.4f,\"logic_ms_per_frame_mean\":%.4f,"
      "\"draw_ms_mean\":%.4f,\"draw_ms_p99\":%.4f,\"cpu_ms_per_frame\":%.4f,"
      "\"sprites_mean\":%.1f,\"sprites_peak\":%d,\"draw_calls_per_frame\":%.3f,"
      "\"state_changes_per_frame\":%.3f,\"quads_per_frame\":%.1f,\"sprite_screens\":%.3f,"
      "\"peak_rss_mib\":%.1f}\n",
      o.width, o.height, o.how_often, frames, step_ms.size(), Mean(step_ms), Percentile99(step_ms),
      Mean(frame_logic_ms), Mean(frame_ms), Percentile99(frame_ms), cpu_total / n, sprite_mean,
      sprite_peak, double(draw_calls) / n, double(state_changes) / n, double(quads) / n,
      screens, double(PeakRssKb()) / 1024.0);
  return 0;
}
