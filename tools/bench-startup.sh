#!/usr/bin/env bash
# Start-up times on a private Xvfb, RUNS (default 7) fresh starts each of an
# empty Allegro 1024 x 768 window and of the game. bench/znaczniki.cpp is
# preloaded (LD_PRELOAD) to stamp the return of al_create_display and every
# al_flip_display; the shell stamps the moment before exec. Reported, as
# median (min..max) in ms after exec:
#   window  - al_create_display returned (the window is mapped)
#   first   - the first flip (the menu's first frame, before the fade)
#   faded   - the 35th flip (the menu fully faded in)
#
#   BUILD=build-bench SRC=. tools/bench-startup.sh
set -u
: "${BUILD:?BUILD must name the benchmark build folder}"
: "${SRC:=$(pwd)}"
export TREZALIA=${TREZALIA:-$BUILD/trezalia}
RUNS=${RUNS:-7}
ZN=$BUILD/bench/libznaczniki.so
source "$SRC/tests/lib/e2e.sh"
start_x
make_workdir

# One start: prints "window first faded" in ms after exec (faded "-" for the empty window).
jeden() {
  local prog=$1 flips=$2 log=$E2E_TMP/zn.log
  : >"$log"
  (cd "$WORK" && printf 't0 %s\n' "${EPOCHREALTIME/./}" >"$log" && LD_PRELOAD=$ZN exec "$prog" 2>>"$log" >/dev/null) &
  local p=$!
  for _ in $(seq 600); do
    grep -q "^zn: flip $flips " "$log" && break
    kill -0 $p 2>/dev/null || break
    sleep 0.05
  done
  kill $p 2>/dev/null; wait $p 2>/dev/null
  awk -v f=$flips '$1 == "t0" { t0 = $2 } $2 == "display" && !d { d = $3 }
    $2 == "flip" && $3 == 1 { a = $4 } $2 == "flip" && $3 == f { b = $4 }
    END { printf "%.0f %.0f %s\n", (d - t0) / 1000, (a - t0) / 1000, (f > 1 ? sprintf("%.0f", (b - t0) / 1000) : "-") }' "$log"
}

podsumuj() {  # median (min..max) of one column
  sort -n | awk '{ v[NR] = $1 } END { printf "%s (%s..%s)", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

for prog in empty game; do
  : >"$E2E_TMP/$prog"
  for _ in $(seq "$RUNS"); do
    if [ $prog = empty ]; then jeden "$BUILD/bench/empty_window" 1; else jeden "$TREZALIA" 35; fi >>"$E2E_TMP/$prog"
  done
done
echo "start-up, ms after exec, median (min..max) of $RUNS runs"
printf '%-22s %-22s %-22s %s\n' "" "window visible" "first frame" "menu faded in"
for prog in empty game; do
  printf '%-22s %-22s %-22s %s\n' "$([ $prog = empty ] && echo "empty Allegro window" || echo "trezalia")" \
    "$(cut -d' ' -f1 "$E2E_TMP/$prog" | podsumuj)" "$(cut -d' ' -f2 "$E2E_TMP/$prog" | podsumuj)" \
    "$([ $prog = game ] && cut -d' ' -f3 "$E2E_TMP/$prog" | podsumuj || echo -)"
done
