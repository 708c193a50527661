#include "app/run_stats.hpp"

#include <cstdio>
#include <cstdlib>

#include "app/app_state.hpp"
#include "app/smooth_frame_rate.hpp"
#include "framework/fps_counter.hpp"
#include "kit/sprites/sprite_handler.hpp"

void RunStatsFrame() {
  static const bool enabled = std::getenv("VORPEL_STATS") != nullptr;
  static TFPSCounter frame_rate = [] {
    TFPSCounter counter;
    counter.Init();
    return counter;
  }();
  static int seconds = 0;
  static double waited_before = 0;
  if (!enabled) return;
  frame_rate.Calc();
  if (frame_rate.counter != 0) return;  // the second is still open
  // The frame limiter's wait; it restarts its count when the scene resets it.
  double waited = TSmoothFrameRate::WaitTime - waited_before;
  if (waited < 0) waited = TSmoothFrameRate::WaitTime;
  waited_before = TSmoothFrameRate::WaitTime;
  std::fprintf(stderr, "stats second=%d fps=%d sprites=%d wait_ms=%.0f\n", ++seconds, frame_rate.framerate,
               Kit->Sprite->GetSpriteCountAll(), waited);
}
