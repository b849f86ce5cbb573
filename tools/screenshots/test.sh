# The test: Europe's stage with a few answers marked, and the results panel
# after a whole test answered on each continent's first flag.
source "$SRC/tests/lib/e2e.sh"
start_x
make_workdir
start_game
wait_menu
sleep 0.5
tap() { xdotool mousemove "$1" "$2"; sleep 0.08; xdotool mousedown 1; sleep 0.25; xdotool mouseup 1; sleep 0.3; }

click 510 320
sleep 4
# Flags of the first rows of Europe, one answer each.
for c in "88 192" "194 192" "300 192" "406 266" "512 266" "88 340" "194 414"; do tap $c; done
xdotool mousemove 300 266; sleep 0.6
shot "$OUT/test-stage.png"

# (88, 190) lies on the first flag of every continent: answer there until
# the results panel (its frame in (0, 150, 150)) shows.
for _ in $(seq 600); do
  tap 88 190
  shot "$E2E_TMP/s.png"
  near "$(pixel "$E2E_TMP/s.png" 260 380)" "0 150 150" 12 && break
done
xdotool mousemove 960 35; sleep 0.6
shot "$OUT/test-results.png"
click 960 35
sleep 3
key Escape
game_status >/dev/null
