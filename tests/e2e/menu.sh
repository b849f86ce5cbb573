# The main menu as a player sees it: items light under the pointer, INFO and
# its "menu" button, F11 there and back, Escape ends the program.
source "$SRC/tests/lib/e2e.sh"
start_x
make_workdir
start_game

tlo2() { pixel "$WORK/media/tlo2.png" "$1" "$2"; }
tlo1() { pixel "$WORK/media/tlo1.png" "$1" "$2"; }
menu_shown() { move 5 760; wait_picture "$WORK/media/tlo2.png"; sleep 0.3; }

# The band of item k lit: each pixel is the plain one plus the plain one
# tinted (50, 250, 250), clamped.
lit() {
  local a=($1)
  echo "$(( a[0] + a[0] * 50 / 255 > 255 ? 255 : a[0] + a[0] * 50 / 255 )) $(( a[1] + a[1] * 250 / 255 > 255 ? 255 : a[1] + a[1] * 250 / 255 )) $(( a[2] + a[2] * 250 / 255 > 255 ? 255 : a[2] + a[2] * 250 / 255 ))"
}

check_hover() {
  local k=$1 top=$((259 + 50 * $1))
  shot "$E2E_TMP/plain.png"
  move 510 $((top + 12)); sleep 0.5
  shot "$E2E_TMP/hover.png"
  for p in "419 $top" "602 $((top + 23))" "430 $((top + 5))" "590 $((top + 20))"; do
    set -- $p
    near "$(pixel "$E2E_TMP/hover.png" $1 $2)" "$(lit "$(pixel "$E2E_TMP/plain.png" $1 $2)")" 3 ||
      fail "item $k: pixel ($1, $2) not lit: $(pixel "$E2E_TMP/hover.png" $1 $2) from $(pixel "$E2E_TMP/plain.png" $1 $2)"
  done
  # Just outside the band, and the other items, stay as they were.
  for p in "418 $((top + 10))" "603 $((top + 10))" "500 $((top - 1))" "500 $((top + 24))" \
           "500 $(( k == 1 ? 370 : 320 ))"; do
    set -- $p
    near "$(pixel "$E2E_TMP/hover.png" $1 $2)" "$(pixel "$E2E_TMP/plain.png" $1 $2)" 2 ||
      fail "item $k: pixel ($1, $2) changed outside the band"
  done
  move 5 760; sleep 0.3
}

menu_shown
for k in 1 2 3 4 5; do check_hover $k; done

# A right click on INFO does nothing.
move 510 470; sleep 0.2
xdotool click 3; sleep 1
shot "$E2E_TMP/s.png"
P=($(probe "$WORK/media/tlo2.png"))
near "$(pixel "$E2E_TMP/s.png" ${P[0]} ${P[1]})" "$(tlo2 ${P[0]} ${P[1]})" 3 || fail "a right click left the menu"

# INFO, then its "menu" button.
click 510 470
wait_picture "$WORK/media/tlo1.png"
move 960 35; sleep 0.5
shot "$E2E_TMP/info.png"
P=($(probe "$WORK/media/tlo1.png"))
near "$(pixel "$E2E_TMP/info.png" ${P[0]} ${P[1]})" "$(tlo1 ${P[0]} ${P[1]})" 3 || fail "info page not shown"
click 960 35
menu_shown

# F11 twice: the trace reads 10 and the menu still answers. A toggle leaves
# no shared-memory picture of the X libraries behind (3 MB each).
GRA=$(pgrep -P "$GPID" -n)  # the game, child of the subshell start_game left
shm() { grep -c SYSV "/proc/$GRA/maps"; }
przed=$(shm)
key F11; sleep 1; menu_shown
key F11; sleep 1; menu_shown
check_hover 3
[ "$(game_stdout)" = "10" ] || fail "trace after two toggles: '$(game_stdout)'"
[ "$(shm)" = "$przed" ] || fail "shared-memory pictures: $przed before the toggles, $(shm) after"

key Escape
s=$(game_status)
[ "$s" = 0 ] || fail "Escape: exit status $s"
grep -q trezalia: "$E2E_TMP/err" && fail "messages on standard error: $(game_stderr)"
echo "menu: ok"
