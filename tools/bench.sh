#!/usr/bin/env bash
# Everything `make bench` reports: the in-process timings (Google Benchmark),
# first calls in fresh processes, start-up times, and resident memory.
#
#   BUILD=build-bench SRC=. tools/bench.sh
set -u
: "${BUILD:?BUILD must name the benchmark build folder}"
: "${SRC:=$(pwd)}"
export TREZALIA=${TREZALIA:-$BUILD/trezalia}
FIRST_RUNS=${FIRST_RUNS:-5}
echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
bash -c '
  source "$SRC/tests/lib/e2e.sh"
  start_x
  cd "$SRC"
  echo "== in-process (wall time; CPU is the main thread only, the renderer works in its own threads)"
  "$BUILD/bench/trezalia_bench" --benchmark_min_time=0.5 2>/dev/null
  echo "== first call in a fresh process, ms, median (min..max) of '"$FIRST_RUNS"'"
  for co in menu galeria1 galeria5 quiz; do
    for _ in $(seq '"$FIRST_RUNS"'); do "$BUILD/bench/trezalia_bench" --pierwsze $co 2>/dev/null; done |
      awk -v co=$co "{ print \$3 }" | sort -n |
      awk -v co=$co "{ v[NR] = \$1 } END { printf \"%-10s %s (%s..%s)\n\", co, v[int((NR + 1) / 2)], v[1], v[NR] }"
  done
'
echo "== start-up"
bash "$SRC/tools/bench-startup.sh" 2>/dev/null
echo "== memory"
bash "$SRC/tools/bench-memory.sh" all 2>/dev/null
