#!/usr/bin/env bash
# Usage: tests/fuzz/run.sh [SECONDS]   (default 30)
# Builds every fuzz target (tests/fuzz/fuzz_<name>.cpp) with clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer in build-fuzz/, then fuzzes each for SECONDS starting from its
# seed corpus tests/fuzz/corpus/<name>/, with the dictionary tests/fuzz/<name>.dict if there is
# one. New inputs collect in build-fuzz/corpus/<name>/, the input of a failure in
# build-fuzz/artifacts/<name>/ (add it to the seed corpus once fixed).
# Exits non-zero when any target fails.
set -euo pipefail
seconds=${1:-30}
cd "$(dirname "$0")/../.."
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev

names=()
for source in tests/fuzz/fuzz_*.cpp; do
  name=${source##*/fuzz_}
  names+=("${name%.cpp}")
done

cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORPEL_FUZZ=ON -DVORPEL_TESTS=OFF -DVORPEL_BENCH=OFF \
  >/dev/null
cmake --build build-fuzz -j2 --target "${names[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for name in "${names[@]}"; do
  work=build-fuzz/corpus/$name
  artifacts=build-fuzz/artifacts/$name
  log=build-fuzz/fuzz_$name.log
  mkdir -p "$work" "$artifacts"
  dict=()
  [ -f "tests/fuzz/$name.dict" ] && dict=(-dict="tests/fuzz/$name.dict")
  echo "fuzz_$name: ${seconds}s"
  if build-fuzz/tests/fuzz/fuzz_"$name" -max_total_time="$seconds" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$artifacts/" "${dict[@]}" \
      "$work" "tests/fuzz/corpus/$name" \
      >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$log" | sed 's/^/  /'
  else
    echo "fuzz_$name FAILED (log: $log, input in $artifacts/):"
    tail -n 40 "$log"
    status=1
  fi
done
exit $status
