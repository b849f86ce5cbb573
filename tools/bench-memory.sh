#!/usr/bin/env bash
# Resident memory of the game on a private Xvfb, next to an empty Allegro
# 1024 x 768 window measured in the same run:
#  - peak RSS (/usr/bin/time -v) of the empty window and of a scripted tour
#    of every screen (all six galleries, a large flag, quiz answers, test
#    answers, info, two F11 toggles);
#  - VmRSS after 1, 10 and ROUND_TRIPS (default 50) round trips menu -> NAUKA
#    -> QUIZ -> TEST (first stage) -> INFO -> menu, then after 20 F11 toggles.
#
#   BUILD=build-bench SRC=. tools/bench-memory.sh [tour|trips|all]
set -u
: "${BUILD:?BUILD must name the benchmark build folder}"
: "${SRC:=$(pwd)}"
export TREZALIA=${TREZALIA:-$BUILD/trezalia}
CO=${1:-all}
ROUND_TRIPS=${ROUND_TRIPS:-50}
source "$SRC/tests/lib/e2e.sh"
start_x
make_workdir
M=$SRC/media
P_MENU=($(probe "$M/tlo2.png")); RGB_MENU=$(pixel "$M/tlo2.png" "${P_MENU[0]}" "${P_MENU[1]}")
P_INFO=($(probe "$M/tlo1.png")); RGB_INFO=$(pixel "$M/tlo1.png" "${P_INFO[0]}" "${P_INFO[1]}")

menu_up() { move 5 5; wait_pixel "${P_MENU[0]}" "${P_MENU[1]}" "$RGB_MENU" 8 400; sleep 0.2; }
tlo_up() { wait_menu_button 400; sleep 0.2; }
info_up() { wait_pixel "${P_INFO[0]}" "${P_INFO[1]}" "$RGB_INFO" 8 400; sleep 0.2; }
back() { click 960 35; menu_up; }

# Starts the game under /usr/bin/time -v; GRA is the game's own pid.
start_timed() {
  rm -f "$E2E_TMP/status" "$E2E_TMP/time"
  (cd "$WORK" && /usr/bin/time -v -o "$E2E_TMP/time" "$TREZALIA" >"$E2E_TMP/out" 2>"$E2E_TMP/err"; echo $? >"$E2E_TMP/status") &
  GPID=$!
  for _ in $(seq 400); do
    local t
    t=$(pgrep -P "$GPID" -n) && GRA=$(pgrep -P "$t" -n)
    [ -n "$GRA" ] && xdotool search --name '^Trezalia$' >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  fail "no game window"
}
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$GRA/status"; }
peak() { awk -F': ' '/Maximum resident/ { print $2 }' "$E2E_TMP/time"; }

round_trip() {
  click 510 420; tlo_up; back   # NAUKA
  click 510 370; tlo_up; back   # QUIZ
  click 510 320; tlo_up; back   # TEST, first stage
  click 510 470; info_up; back  # INFO
}

# The yardstick.
(cd "$WORK" && /usr/bin/time -v -o "$E2E_TMP/time" "$BUILD/bench/empty_window" 3 2>/dev/null)
EMPTY=$(peak)
echo "empty Allegro window: peak RSS $EMPTY kB"

if [ "$CO" = all ] || [ "$CO" = tour ]; then
  start_timed
  menu_up
  click 510 420; tlo_up
  move 88 192; sleep 0.3; rclick_hold 88 192; sleep 0.8; xdotool mouseup 3; sleep 0.3
  for _ in 1 2 3 4 5 6; do click 850 290; sleep 2.5; done
  back
  click 510 370; tlo_up
  for _ in 1 2 3; do click 420 136; sleep 2.5; done
  back
  click 510 320; tlo_up
  for c in 88 184 280; do click $c 192; sleep 0.8; done
  back
  click 510 470; info_up; back
  key F11; sleep 4; menu_up
  key F11; sleep 4; menu_up
  key Escape
  [ "$(game_status)" = 0 ] || fail "the tour did not end normally: $(cat "$E2E_TMP/err")"
  TOUR=$(peak)
  echo "tour of every screen: peak RSS $TOUR kB, $(( (TOUR - EMPTY) / 1024 )) MB above the empty window"
fi

if [ "$CO" = all ] || [ "$CO" = trips ]; then
  start_timed
  menu_up
  R0=$(rss)
  echo "menu after start: RSS $R0 kB"
  for n in $(seq "$ROUND_TRIPS"); do
    round_trip
    case $n in 1 | 10 | 20 | 30 | 40 | 50 | "$ROUND_TRIPS") echo "after $n round trips: RSS $(rss) kB" ;; esac
  done
  R1=$(rss)
  for n in $(seq 20); do key F11; sleep 3; menu_up; done
  R2=$(rss)
  echo "after 20 F11 toggles: RSS $R2 kB"
  key Escape
  game_status >/dev/null
  echo "growth: $ROUND_TRIPS round trips $((R1 - R0)) kB; 20 toggles $((R2 - R1)) kB; peak $(peak) kB"
fi
