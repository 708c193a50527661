#!/usr/bin/env bash
# Usage: bench/vs_peer.sh [SECONDS] [ROUNDS]   (defaults 20 and 2)
# The saver against xscreensaver's bubble3d, the peer a Linux user would pick instead: one Xvfb
# at 1280 x 800, each program run for SECONDS in turn (the order alternating by round) with its
# default settings, the frames it shows counted by a preloaded swap counter, its CPU time and peak
# memory by /usr/bin/time, and the X server's CPU time alongside. Prints a table of the medians
# over the rounds and one JSON line.
set -euo pipefail
seconds=${1:-20}
rounds=${2:-2}
cd "$(dirname "$0")/.."
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth xscreensaver-gl time
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVORPEL_TESTS=OFF -DVORPEL_BENCH=ON >/dev/null
cmake --build build -j2 --target vorpelsaver swap_counter >/dev/null
peer=/usr/libexec/xscreensaver/bubble3d
ours=$PWD/build/vorpelsaver
counter=$PWD/build/bench/swap_counter.so

work=$(mktemp -d)
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
# A runtime folder of its own, so that a saver running elsewhere (its instance lock) cannot end
# ours at once.
mkdir -m 700 "$work/run"
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
field() { sed -n "s/^[[:space:]]*$2: //p" "$1"; }

# One run: appends "name fps cpu_ms_per_frame cpu_ms_per_wall_s x_ms_per_frame with_x_ms_per_frame
# with_x_ms_per_wall_s rss_mib" to results; some GL programs leave part of their drawing to the X
# server, which the machine pays for as well.
run() {
  local name=$1; shift
  rm -f "$work/count"
  local x0 t0 t1 x1
  x0=$(cpu_ticks $xvfb)
  t0=$(date +%s.%N)
  DISPLAY=$display XDG_CONFIG_HOME=$work/config SWAP_COUNT_FILE=$work/count LD_PRELOAD=$counter \
    XDG_RUNTIME_DIR=$work/run \
    /usr/bin/time -v -o "$work/time" timeout -s TERM -k 5 "$seconds" "$@" >/dev/null \
    2>"$work/$name.err" || true
  t1=$(date +%s.%N)
  x1=$(cpu_ticks $xvfb)
  local frames
  frames=$( (od -An -t u8 "$work/count" 2>/dev/null || true) | tr -d ' ')
  if [ -z "$frames" ]; then
    echo "$name showed no frame in $seconds s (see $work/$name.err)" >&2
    trap - EXIT
    exit 1
  fi
  awk -v n="$name" -v f="${frames:-0}" -v t0="$t0" -v t1="$t1" -v hz="$(getconf CLK_TCK)" \
      -v x="$((x1 - x0))" -v u="$(field "$work/time" 'User time (seconds)')" \
      -v s="$(field "$work/time" 'System time (seconds)')" \
      -v m="$(field "$work/time" 'Maximum resident set size (kbytes)')" \
      'BEGIN { wall = t1 - t0; cpu = (u + s) * 1000; f = f > 0 ? f : 1;
               xms = x * 1000 / hz
               printf "%s %.1f %.2f %.0f %.2f %.2f %.0f %.1f\n", n, f / wall, cpu / f, cpu / wall,
                      xms / f, (cpu + xms) / f, (cpu + xms) / wall, m / 1024 }' >>"$work/results"
  tail -1 "$work/results" >&2
}

for round in $(seq "$rounds"); do
  if [ $((round % 2)) -eq 1 ]; then order="peer ours"; else order="ours peer"; fi
  for who in $order; do
    if [ "$who" = peer ]; then run bubble3d "$peer" -window -geometry 1280x800+0+0
    else run vorpelsaver "$ours" /s; fi
  done
done

# Medians per program and column, then ours over the peer.
awk '
  function median(list,   n, a, i, j, t) {
    n = split(list, a, " ")
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) {
      t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  { for (c = 2; c <= 8; c++) v[$1, c] = v[$1, c] " " $c }
  END {
    split("fps cpu_ms_per_frame cpu_ms_per_wall_s x_server_ms_per_frame with_x_server_ms_per_frame" \
          " with_x_server_ms_per_wall_s peak_rss_mib", key, " ")
    name[1] = "bubble3d"; name[2] = "vorpelsaver"; name[3] = "ratio"
    for (c = 2; c <= 8; c++) {
      m[1, c] = median(v[name[1], c]); m[2, c] = median(v[name[2], c])
      m[3, c] = m[1, c] > 0 ? m[2, c] / m[1, c] : 0
    }
    printf "%-12s %8s %14s %14s %12s %14s %14s %10s\n", "", "fps", "CPU ms/frame",
           "CPU ms/wall s", "X ms/frame", "with X ms/fr", "with X ms/wall", "peak MiB"
    for (p = 1; p <= 3; p++)
      printf "%-12s %8.2f %14.2f %14.2f %12.2f %14.2f %14.2f %10.2f\n", name[p], m[p, 2],
             m[p, 3], m[p, 4], m[p, 5], m[p, 6], m[p, 7], m[p, 8]
    printf "{"
    for (p = 1; p <= 3; p++) {
      printf "%s\"%s\":{", (p > 1 ? "," : ""), name[p]
      for (c = 2; c <= 8; c++) printf "%s\"%s\":%.3f", (c > 2 ? "," : ""), key[c - 1], m[p, c]
      printf "}"
    }
    printf ",\"seconds\":%d,\"rounds\":%d}\n", secs, rounds
  }' secs="$seconds" rounds="$rounds" "$work/results"
