# The learning screen: the gallery of each continent, a hovered flag with its
# name, and the large view of a flag.
source "$SRC/tests/lib/e2e.sh"
start_x
make_workdir
start_game
wait_menu
click 510 420
move 600 745
# The menu's ribbon gone, the gallery faded in.
for _ in $(seq 100); do
  shot "$E2E_TMP/last.png"
  near "$(pixel "$E2E_TMP/last.png" 381 49)" "$(pixel "$WORK/media/tlo2.png" 381 49)" 40 || break
  sleep 0.1
done
sleep 2
shot "$OUT/nauka-1.png"
# The first flag hovered, then held with the right button.
move 88 192; sleep 0.6
shot "$OUT/nauka-hover.png"
rclick_hold 88 192; sleep 1.5
shot "$OUT/nauka-big.png"
xdotool mouseup 3; sleep 0.5
# The other continents, one click on the globe each.
for k in 2 3 4 5 6; do
  before=$(mean_rgb "$E2E_TMP/last.png" 700 140 300 300)
  click 850 290
  move 600 745
  for _ in $(seq 100); do
    shot "$E2E_TMP/last.png"
    [ "$(mean_rgb "$E2E_TMP/last.png" 700 140 300 300)" != "$before" ] && break
    sleep 0.1
  done
  sleep 0.5
  shot "$OUT/nauka-$k.png"
done
key Escape
game_status >/dev/null
