#include "app/run_stats.hpp"

#include <cstdio>
#include <cstdlib>

#include "app/app_state.hpp"
#include "app/smooth_frame_rate.hpp"
#include "platform/clock.hpp"

void RunStatsFrame() {
  static const bool enabled = std::getenv("VORPEL_STATS") != nullptr;
  static int frames = 0, second_start = MillisecondClock(), seconds = 0;
  static double waited_before = 0;
  if (!enabled) return;
  ++frames;
  int now = MillisecondClock();
  if (ClockDiff(now, second_start) < 1000) return;
  // The frame limiter's wait; it restarts its count when the scene resets it.
  double waited = TSmoothFrameRate::WaitTime - waited_before;
  if (waited < 0) waited = TSmoothFrameRate::WaitTime;
  waited_before = TSmoothFrameRate::WaitTime;
  std::fprintf(stderr, "stats second=%d fps=%d sprites=%d wait_ms=%.0f\n", ++seconds, frames,
               Kit->Sprite->GetSpriteCountAll(), waited);
  frames = 0;
  second_start = now;
}
