#!/usr/bin/env bash
# Monkey test: random pointer moves, left, right and both-button clicks held
# 20..300 ms, Escape and F11, for a given wall time, on a private Xvfb. The
# game is started again whenever it ends normally (Escape or WYJŚCIE).
# Fails on a crash, a sanitizer report, a hang, or resident memory that keeps
# growing within a run of a minute or more.
#
#   TREZALIA=build-asan/trezalia SRC=. tools/monkey.sh [seconds [seed]]
#   (make monkey does this with the sanitizer build; MONKEY_SEED=n replays)
set -u
CZAS=${1:-300}
SEED=${2:-}
[ -n "$SEED" ] || SEED=$(( $(date +%s%N) % 32768 ))
RANDOM=$SEED
echo "monkey: seed $SEED, $CZAS s (replay: MONKEY_SEED=$SEED MONKEY_SECONDS=$CZAS make monkey)"
# A small quarantine, so the sanitizer's own bookkeeping does not look like growth.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}quarantine_size_mb=16"
source "$(dirname "$0")/../tests/lib/e2e.sh"
start_x
make_workdir

LOG=$E2E_TMP/monkey.log
RUNS=0
ACTIONS=0
PID=""
WZROST_MAX=${MONKEY_RSS_GROWTH_KB:-32768}   # allowed growth within one run, kB
WORST=0

uruchom() {
  rm -f "$E2E_TMP/status"
  (cd "$WORK" && exec "$TREZALIA" >"$E2E_TMP/out" 2>"$E2E_TMP/err") &
  PID=$!
  GPID=$PID
  RUNS=$((RUNS + 1))
  RSS=()
  T_RUN=$SECONDS
}

rss() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status" 2>/dev/null; }

# Growth of resident memory within a run: the median of the last third of
# the samples less the median of the middle third (start-up excluded). Medians,
# so that a picture being composed at the moment of a sample does not count.
# Runs shorter than a minute (one sample a second) have no settled middle
# and are not judged.
mediana() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ocen_pamiec() {
  local n=${#RSS[@]}
  if [ "$n" -lt "${MONKEY_MIN_SAMPLES:-60}" ]; then
    echo "run $RUNS: $n samples, too short to judge memory" | tee -a "$LOG"
    return 0
  fi
  local a=$((n / 3)) b=$((2 * n / 3))
  local lo hi
  lo=$(mediana "${RSS[@]:a:b-a}")
  hi=$(mediana "${RSS[@]:b}")
  local g=$((hi - lo))
  [ "$g" -gt "$WORST" ] && WORST=$g
  echo "run $RUNS: $n samples, RSS ${RSS[0]}..${RSS[$((n - 1))]} kB, growth late vs middle (medians) ${g} kB" | tee -a "$LOG"
  [ "$g" -le "$WZROST_MAX" ] || fail "resident memory grew by $g kB within run $RUNS (seed $SEED): ${RSS[*]}"
}

zakonczony() {
  wait "$PID"
  local s=$?
  ocen_pamiec
  if grep -qE 'AddressSanitizer|LeakSanitizer|runtime error:|UndefinedBehaviorSanitizer' "$E2E_TMP/err"; then
    cat "$E2E_TMP/err" >&2
    fail "sanitizer report in run $RUNS (seed $SEED, status $s)"
  fi
  [ "$s" = 0 ] || { cat "$E2E_TMP/err" >&2; fail "run $RUNS ended with status $s (seed $SEED)"; }
  echo "run $RUNS ended normally after $((SECONDS - T_RUN)) s" | tee -a "$LOG"
}

# A point: half the time anywhere, otherwise on something that reacts.
punkt() {
  if [ $((RANDOM % 2)) = 0 ]; then
    PX=$((RANDOM % 1024)); PY=$((RANDOM % 768)); return
  fi
  case $((RANDOM % 6)) in
    0) PX=$((420 + RANDOM % 182)); PY=$((310 + 50 * (RANDOM % 4) + RANDOM % 22)) ;;  # menu items but WYJŚCIE
    1) PX=$((926 + RANDOM % 69)); PY=$((26 + RANDOM % 19)) ;;                        # the "menu" button
    2) PX=$((760 + RANDOM % 180)); PY=$((200 + RANDOM % 180)) ;;                     # the globe
    3) PX=$((40 + RANDOM % 640)); PY=$((160 + RANDOM % 520)) ;;                      # gallery cells
    4) PX=$((201 + RANDOM % 448)); PY=$((38 * (1 + RANDOM % 4) + 83 + RANDOM % 30)) ;; # quiz answers
    5) PX=$((420 + RANDOM % 182)); PY=$((510 + RANDOM % 22)) ;;                      # WYJŚCIE
  esac
}

trzymaj() { sleep "0.$(printf '%03d' $((20 + RANDOM % 281)))"; }

akcja() {
  local r=$((RANDOM % 1000))
  punkt
  if [ $r -lt 500 ]; then
    xdotool mousemove "$PX" "$PY"
  elif [ $r -lt 780 ]; then
    xdotool mousemove "$PX" "$PY" mousedown 1; trzymaj; xdotool mouseup 1
  elif [ $r -lt 900 ]; then
    xdotool mousemove "$PX" "$PY" mousedown 3; trzymaj; xdotool mouseup 3
  elif [ $r -lt 970 ]; then
    xdotool mousemove "$PX" "$PY" mousedown 1 mousedown 3; trzymaj; xdotool mouseup 3 mouseup 1
  elif [ $r -lt 990 ]; then
    xdotool keydown F11; trzymaj; xdotool keyup F11
  else
    xdotool keydown Escape; trzymaj; xdotool keyup Escape
  fi
  ACTIONS=$((ACTIONS + 1))
  sleep "0.$(printf '%02d' $((RANDOM % 20)))"
}

KONIEC=$((SECONDS + CZAS))
uruchom
OSTATNI_POMIAR=$SECONDS
while [ $SECONDS -lt $KONIEC ]; do
  if ! kill -0 "$PID" 2>/dev/null; then
    zakonczony
    uruchom
    continue
  fi
  GRA=$PID
  if [ $SECONDS -ne $OSTATNI_POMIAR ] && [ $((SECONDS - T_RUN)) -ge 1 ]; then
    r=$(rss "$GRA"); [ -n "$r" ] && RSS+=("$r")
    OSTATNI_POMIAR=$SECONDS
  fi
  # Input only once the window is there.
  xdotool search --name '^Trezalia$' >/dev/null 2>&1 || { sleep 0.1; continue; }
  akcja
done

# The last run is ended by the test, not by the game: check what it left.
if kill -0 "$PID" 2>/dev/null; then
  ocen_pamiec
  kill "$PID" 2>/dev/null
  wait "$PID" 2>/dev/null
  grep -qE 'AddressSanitizer|LeakSanitizer|runtime error:' "$E2E_TMP/err" && { cat "$E2E_TMP/err" >&2; fail "sanitizer report in the last run (seed $SEED)"; }
fi
echo "monkey: seed $SEED, $CZAS s, $ACTIONS actions, $RUNS runs, largest growth within a run $WORST kB: ok"
