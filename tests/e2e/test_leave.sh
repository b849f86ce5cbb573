# Leaving the test: its "menu" button during a stage shows no results and the
# next test starts again at Europe with 0 / 0 and empty slots; Escape during a
# stage brings the menu back and then ends the program with status 0.
source "$SRC/tests/lib/e2e.sh"
source "$SRC/tests/fixtures/test_mode/lib.sh"
start_x
test_media "$E2E_TMP/media"
make_workdir "$E2E_TMP/media"
start_game
first_menu

counters() { convert "$1" -crop 140x36+860+700 +repage "PNG24:$2"; }

click 510 320
wait_stage 1
learn_marks
cp "$E2E_TMP/start.png" "$E2E_TMP/start1.png"
counters "$E2E_TMP/start1.png" "$E2E_TMP/c1.png"
# The stage screen must not pass for the menu.
convert "$E2E_TMP/start1.png" -crop 120x50+450+245 +repage "$E2E_TMP/h1.png"
awk -v f="$(yellow_share "$E2E_TMP/h1.png")" 'BEGIN { exit !(f > 0.02) }' && fail "fixture: a stage passes for the menu"

# One answer on the first flag: a mark in slot 0 and the counters move.
xdotool mousemove 88 192; sleep 0.1; xdotool mousedown 1; sleep 0.15; xdotool mouseup 1
for _ in $(seq 200); do
  got=$(slot_now 0)
  [ "$got" != empty ] && break
  sleep 0.05
done
case $got in hit | miss) ;; *) fail "slot 0 after an answer shows '$got'" ;; esac
sleep 0.3; shot "$E2E_TMP/a.png"; counters "$E2E_TMP/a.png" "$E2E_TMP/c2.png"
[ "$(differ "$E2E_TMP/c1.png" "$E2E_TMP/c2.png")" != 0 ] || fail "the counters did not change after an answer"

# The "menu" button leaves at once: the menu, no results panel on the way.
click 960 35
wait_menu
sleep 0.5

# A new test: Europe again, slot 0 empty, counters 0 / 0 as at the first start.
click 510 320
wait_stage 1
[ "$(slot_now 0)" = empty ] || fail "the new test kept the old mark"
counters "$E2E_TMP/start.png" "$E2E_TMP/c3.png"
[ "$(differ "$E2E_TMP/c1.png" "$E2E_TMP/c3.png")" = 0 ] || fail "the new test's counters are not 0 / 0"

# Escape during a stage: the menu comes back (faded in, not fully), then the end.
key Escape
wait_menu 30
s=$(game_status); [ "$s" = 0 ] || fail "Escape during a stage: exit status $s"
grep -q trezalia: "$E2E_TMP/err" && fail "messages on standard error: $(game_stderr)"
echo "test_leave: ok"
