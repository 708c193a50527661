#pragma once

// With VORPEL_STATS set in the environment, the saver prints one line per second to standard
// error: frames drawn in that second and the live sprites. For measuring a real run.
void RunStatsFrame();
