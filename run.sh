#!/usr/bin/env bash
# Installs what is missing, builds the saver (Release) and runs it with the given switches.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVORPEL_TESTS=OFF -DVORPEL_BENCH=OFF >/dev/null
cmake --build build -j2 --target vorpelsaver
exec build/vorpelsaver "$@"
