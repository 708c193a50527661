#!/usr/bin/env bash
# Usage: tests/soak.sh [MINUTES]        (default 30)
#        tests/soak.sh --logic [HOURS]  (default 168, a week)
# The first runs the bubble scene soak test for MINUTES of scene time at its busiest settings,
# drawing once a second; one line per scene minute. The second runs only the scene's logic, at
# the default settings, through the real frame pacing under a scripted clock that wraps on the
# way, for HOURS of scene time; one line per hour (about 40 s each here). Both build optimised
# without sanitizers (build-soak/), so resident memory is the program's own. The normal test run
# covers a few seconds of the first and two minutes of the second.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --logic ]; then
  export VORPEL_SOAK_LOGIC_HOURS=${2:-168}
  filter='LogicSoak.*'
else
  export VORPEL_SOAK_MINUTES=${1:-30}
  filter='SceneSoak.*'
fi
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake -S . -B build-soak -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORPEL_BENCH=OFF >/dev/null
cmake --build build-soak -j2 --target app_tests
SDL_VIDEODRIVER=offscreen build-soak/tests/app/app_tests --gtest_filter="$filter"
