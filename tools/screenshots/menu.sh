# The main menu, an item lit, and the information page.
source "$SRC/tests/lib/e2e.sh"
start_x
make_workdir
start_game
wait_picture "$WORK/media/tlo2.png"
sleep 0.3
shot "$OUT/menu.png"
move 510 420; sleep 0.4
shot "$OUT/menu-hover.png"
click 510 470
wait_picture "$WORK/media/tlo1.png"
sleep 0.3
shot "$OUT/info.png"
key Escape
game_status >/dev/null
