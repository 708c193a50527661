#!/usr/bin/env bash
# Usage: tests/soak.sh [MINUTES]   (default 30)
# Runs the bubble scene soak test for MINUTES of scene time in an optimised build without
# sanitizers (build-soak/), so resident memory is the program's own; prints one line per
# scene minute. The normal test run covers only a few seconds of scene time.
set -euo pipefail
minutes=${1:-30}
cd "$(dirname "$0")/.."
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake -S . -B build-soak -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORPEL_BENCH=OFF >/dev/null
cmake --build build-soak -j2 --target app_tests
SDL_VIDEODRIVER=offscreen VORPEL_SOAK_MINUTES="$minutes" \
  build-soak/tests/app/app_tests --gtest_filter='SceneSoak.*'
