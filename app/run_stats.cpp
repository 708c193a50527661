#include "app/run_stats.hpp"

#include <cstdio>
#include <cstdlib>

#include "app/app_state.hpp"
#include "platform/clock.hpp"

void RunStatsFrame() {
  static const bool enabled = std::getenv("VORPEL_STATS") != nullptr;
  static int frames = 0, second_start = MillisecondClock(), seconds = 0;
  if (!enabled) return;
  ++frames;
  int now = MillisecondClock();
  if (ClockDiff(now, second_start) < 1000) return;
  std::fprintf(stderr, "stats second=%d fps=%d sprites=%d\n", ++seconds, frames,
               Kit->Sprite->GetSpriteCountAll());
  frames = 0;
  second_start = now;
}
