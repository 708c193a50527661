#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# (Debug, build-test/) and runs every test; then, when clang is there, fuzzes each fuzz target
# for 30 seconds (tests/fuzz/run.sh).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVORPEL_SANITIZE=ON -DVORPEL_TESTS=ON \
  -DVORPEL_BENCH=ON -DVORPEL_WERROR=ON >/dev/null
cmake --build build-test -j2
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-test && ctest --output-on-failure -j2 "$@")
if command -v clang++ >/dev/null; then
  tests/fuzz/run.sh 30
fi
